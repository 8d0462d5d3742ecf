#include "reports/workbook_writer.h"

#include <gtest/gtest.h>

#include "app/profile.h"
#include "reports/marked_class.h"
#include "reports/ooxml_reader.h"
#include "support/temp_home.h"

namespace veltora::test {
namespace {

class WorkbookTest : public ::testing::Test {
protected:
    std::vector<XlsxSheet> Write(const Workspace& ws) {
        const AppContext ctx(home_.Path());
        EXPECT_EQ(WriteWorkbook(ctx, ws, " Midterm ", file_), std::nullopt);
        return ReadWorkbook(file_);
    }
    TempHome home_;
    std::filesystem::path file_ = home_ / "out" / "class.xlsx";
    void SetUp() override { std::filesystem::create_directories(file_.parent_path()); }
};

TEST_F(WorkbookTest, TenNamedSheetsWithThePaperNameInB2) {
    const auto sheets = Write(MarkedClass());
    ASSERT_EQ(sheets.size(), 10u);
    const char* names[] = {"成绩表", "成绩统计", "试卷分析", "考生答案", "考生错题",
                           "各题得分", "各题答错考生", "考生答案(续)", "各题得分(续)", "各题答错考生(续)"};
    for (std::size_t n = 0; n < sheets.size(); ++n) {
        EXPECT_EQ(sheets[n].name, names[n]);
        EXPECT_FALSE(sheets[n].Text("A1").empty());
        if (n < 7) {
            EXPECT_EQ(sheets[n].Text("B2"), "Midterm");
        }
    }
}

TEST_F(WorkbookTest, ResultListKeepsStoredOrderAndTypes) {
    const XlsxSheet s = Write(MarkedClass())[0];
    const char* headings[] = {"考号", "姓名", "总成绩", "名次", "成绩", "附加成绩"};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(s.Text(ColumnName(c) + "5"), headings[c - 1]);
    EXPECT_EQ(s.Text("A6"), "101");
    EXPECT_EQ(s.Text("B6"), "Alice");
    EXPECT_EQ(s.Number("C6"), 85.5);
    EXPECT_EQ(s.Number("D6"), 1);
    EXPECT_EQ(s.Number("E6"), 80.5);
    EXPECT_EQ(s.Number("F6"), 5);
    EXPECT_EQ(s.Text("A7"), "102");
    EXPECT_EQ(s.Number("C7"), 0);  // empty total
    EXPECT_EQ(s.Number("D7"), 3);
    EXPECT_EQ(s.Text("A8"), "105");
    EXPECT_FALSE(s.Has("B8"));     // empty name
    EXPECT_EQ(s.Number("F8"), 0);
    EXPECT_FALSE(s.Has("A9"));
}

TEST_F(WorkbookTest, WrongAnswerLists) {
    const XlsxSheet s = Write(MarkedClass())[4];
    EXPECT_EQ(s.Text("A6"), "101");
    EXPECT_EQ(s.Number("C6"), 85.5);
    EXPECT_EQ(s.Text("D6"), " 3B. 7. 201AB.");
    // No matched sheet: every question with a standard answer is wrong.
    std::string all;
    for (int q = 1; q <= kClassQuestions; ++q)
        if (q != 5) all += " " + std::to_string(q) + ".";
    EXPECT_EQ(s.Text("D7"), all);
    EXPECT_EQ(s.Number("C7"), 0);
    EXPECT_EQ(s.Text("D8"), " 12.");
}

TEST_F(WorkbookTest, StatisticsWithBands) {
    const XlsxSheet s = Write(MarkedClass())[1];
    const double values[] = {77.75, 85.5, 70, 2, 155.5, 0, 1, 1, 0, 0, 2, 0, 50, 50, 0, 0, 100};
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(s.Number("B" + std::to_string(6 + i)), values[i]) << i;
        EXPECT_FALSE(s.Text("A" + std::to_string(6 + i)).empty());
    }
    EXPECT_EQ(s.Text("D6"), "0 <= And < 10");
    EXPECT_EQ(s.Number("E6"), 0);
    EXPECT_EQ(s.Text("D13"), "70 <= And < 80");
    EXPECT_EQ(s.Number("E13"), 1);
    EXPECT_EQ(s.Text("D14"), "80 <= And < 90");
    EXPECT_EQ(s.Number("E14"), 1);
    EXPECT_FALSE(s.Has("D15"));
}

TEST_F(WorkbookTest, NoParticipantsLeavesPercentagesAndBandsEmpty) {
    Workspace ws = MarkedClass();
    ws.statistics = ScoreStatistics{};
    const XlsxSheet s = Write(ws)[1];
    EXPECT_EQ(s.Number("B9"), 0);
    EXPECT_EQ(s.Number("B16"), 0);
    for (int row = 17; row <= 22; ++row) EXPECT_FALSE(s.Has("B" + std::to_string(row)));
    for (int row = 6; row <= 30; ++row) {
        EXPECT_FALSE(s.Has("D" + std::to_string(row)));
        EXPECT_FALSE(s.Has("E" + std::to_string(row)));
    }
}

TEST_F(WorkbookTest, PaperAnalysis) {
    const XlsxSheet s = Write(MarkedClass())[2];
    EXPECT_EQ(s.Number("A6"), 1);
    EXPECT_EQ(s.Text("B6"), "B");
    EXPECT_EQ(s.Number("C6"), 1);
    EXPECT_EQ(s.Number("C7"), 0.5);
    EXPECT_EQ(s.Number("D6"), 1);   // percent correct
    EXPECT_EQ(s.Number("K6"), 8);   // percent choosing G
    EXPECT_FALSE(s.Has("B10"));     // question 5 has no standard answer
    EXPECT_EQ(s.Number("A206"), 201);
    EXPECT_FALSE(s.Has("A207"));
}

TEST_F(WorkbookTest, AnswersAndPointsContinueAfterQuestion200) {
    const auto sheets = Write(MarkedClass());
    const XlsxSheet& answers = sheets[3];
    EXPECT_EQ(answers.Text("C5"), "No.1");
    EXPECT_EQ(answers.Text(ColumnName(202) + "5"), "No.200");
    EXPECT_FALSE(answers.Has(ColumnName(203) + "5"));
    EXPECT_EQ(answers.Text("E6"), "B");
    EXPECT_FALSE(answers.Has("E7"));  // no matched sheet
    EXPECT_EQ(answers.Text("E8"), "D");
    const XlsxSheet& answersMore = sheets[7];
    EXPECT_EQ(answersMore.Text("C5"), "No.201");
    EXPECT_FALSE(answersMore.Has("D5"));
    EXPECT_EQ(answersMore.Text("A6"), "101");
    EXPECT_EQ(answersMore.Text("B6"), "Alice");
    EXPECT_EQ(answersMore.Text("C6"), "AB");

    const XlsxSheet& points = sheets[5];
    EXPECT_EQ(points.Text("C5"), "No.1");
    EXPECT_EQ(points.Number("C6"), 0.3);  // through its decimal text
    EXPECT_EQ(points.Number("C7"), 0);
    const XlsxSheet& pointsMore = sheets[8];
    EXPECT_EQ(pointsMore.Text("C5"), "No.201");
    EXPECT_EQ(pointsMore.Text("A8"), "105");
    EXPECT_EQ(pointsMore.Number("C6"), 0.7);
}

TEST_F(WorkbookTest, ExamineesWithAWrongAnswerPerQuestion) {
    const auto sheets = Write(MarkedClass());
    const XlsxSheet& s = sheets[6];
    EXPECT_EQ(s.Text("A5"), "No.1");
    EXPECT_EQ(s.Text("A6"), "102 Bob");
    EXPECT_FALSE(s.Has("A7"));
    EXPECT_EQ(s.Text("C6"), "101 Alice");
    EXPECT_EQ(s.Text("C7"), "102 Bob");
    EXPECT_FALSE(s.Has("E6"));  // no standard answer, nobody answered
    EXPECT_EQ(s.Text("L6"), "102 Bob");
    EXPECT_EQ(s.Text("L7"), "105 ");
    EXPECT_EQ(s.Text(ColumnName(200) + "5"), "No.200");
    const XlsxSheet& more = sheets[9];
    EXPECT_EQ(more.Text("A5"), "No.201");
    EXPECT_EQ(more.Text("A6"), "101 Alice");
    EXPECT_EQ(more.Text("A7"), "102 Bob");
    EXPECT_FALSE(more.Has("A8"));
}

TEST_F(WorkbookTest, EnglishLanguageFileGivesEnglishDesign) {
    std::filesystem::copy_file(home_ / "Language.en.txt", home_ / "Language.txt",
                               std::filesystem::copy_options::overwrite_existing);
    const auto sheets = Write(MarkedClass());
    EXPECT_EQ(sheets[0].name, "Results");
    EXPECT_EQ(sheets[0].Text("A5"), "Exam No.");
    EXPECT_EQ(sheets[1].Text("A6"), "Average");
}

// Excel counts a sheet name's length in UTF-16 units (31 at most) and compares names
// without regard to letter case; a name it would refuse is replaced, never the workbook lost.
TEST_F(WorkbookTest, SheetNamesFromTheLanguageFileAreCheckedAsExcelDoes) {
    const std::string twentyHan = [] {
        std::string s;
        for (int i = 0; i < 20; ++i) s += "题";
        return s;
    }();
    std::string sixteenEmoji;
    for (int i = 0; i < 16; ++i) sixteenEmoji += "\xF0\x9F\x98\x80";
    const struct {
        const char* key;
        std::string name;      // in the language file
        std::string expected;  // in the workbook
    } cases[] = {
        {"SHEET1", twentyHan, twentyHan},              // 60 bytes but 20 characters
        {"SHEET2", "Summary", "Summary"},
        {"SHEET3", "SUMMARY", "Sheet3"},               // same name in other letter case
        {"SHEET4", "Sheet5", "Sheet5"},
        {"SHEET5", "", "Sheet5 (2)"},                  // the fallback itself is taken
        {"SHEET6", std::string(32, 'x'), "Sheet6"},
        {"SHEET7", sixteenEmoji, "Sheet7"},            // 16 characters, 32 UTF-16 units
    };
    const AppContext ctx(home_.Path());
    for (const auto& c : cases) ASSERT_TRUE(WriteProfile("Excel", c.key, c.name, ctx.LanguageFile()));
    const auto sheets = Write(MarkedClass());
    ASSERT_EQ(sheets.size(), 10u);
    for (std::size_t n = 0; n < std::size(cases); ++n) EXPECT_EQ(sheets[n].name, cases[n].expected) << n + 1;
}

TEST_F(WorkbookTest, FailuresLeaveNoFile) {
    const AppContext ctx(home_.Path());
    Workspace empty = MarkedClass();
    empty.resultCount = 0;
    EXPECT_EQ(WriteWorkbook(ctx, empty, "x", file_), std::string(kWorkbookFailureKey));
    EXPECT_EQ(WriteWorkbook(ctx, MarkedClass(), "x", home_ / "missing" / "a.xlsx"),
              std::string(kWorkbookFailureKey));
    EXPECT_TRUE(std::filesystem::is_empty(file_.parent_path()));
    EXPECT_FALSE(std::filesystem::exists(home_ / "missing"));
}

}  // namespace
}  // namespace veltora::test
