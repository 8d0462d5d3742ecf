#include "reports/word_report.h"

#include <gtest/gtest.h>

#include "app/number_text.h"
#include "reports/marked_class.h"
#include "reports/ooxml_reader.h"
#include "reports/word_package.h"
#include "support/temp_home.h"

namespace veltora::test {
namespace {

constexpr std::string_view kDocumentType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

using Row = std::vector<std::string>;

class WordReportTest : public ::testing::Test {
protected:
    WordReportResult Write(Workspace& ws, WordTables tables, std::int16_t bandWidth = 10) {
        return WriteWordReports(ctx_, ws, " Midterm ", folder_, tables, bandWidth);
    }
    DocxContent Report(int n) const { return ReadDocx(folder_ / ("Midterm_" + std::to_string(n) + ".docx")); }

    TempHome home_;
    AppContext ctx_{home_.Path()};
    std::filesystem::path folder_ = home_ / "reports";
    void SetUp() override { std::filesystem::create_directories(folder_); }
};

TEST_F(WordReportTest, ResultsAndWrongAnswerTablesHoldEveryRow) {
    Workspace ws = MarkedClass();
    const WordReportResult result = Write(ws, {true, true, false, false});
    ASSERT_EQ(result.errorKey, std::nullopt);
    ASSERT_EQ(result.files.size(), 2u);
    EXPECT_EQ(result.files[0], folder_ / "Midterm_1.docx");

    const DocxContent results = Report(1);
    EXPECT_EQ(results.mainContentType, kDocumentType);
    EXPECT_EQ(results.paragraphs.front(), "Midterm");
    ASSERT_EQ(results.table.size(), 4u);
    EXPECT_EQ(results.table[1], (Row{"101", "Alice", "85.5", "1", "80.5", "5"}));
    EXPECT_EQ(results.table[2], (Row{"102", "Bob", "", "3", "", ""}));
    EXPECT_EQ(results.table[3], (Row{"105", "", "70", "2", "70", ""}));

    const DocxContent wrong = Report(2);
    ASSERT_EQ(wrong.table.size(), 4u);
    EXPECT_EQ(wrong.table[1], (Row{"101", "Alice", "85.5", " 3B. 7. 201AB."}));
    EXPECT_EQ(wrong.table[3], (Row{"105", "", "70", " 12."}));
    EXPECT_EQ(ZipPartNames(folder_ / "Midterm_2.docx").front(), "[Content_Types].xml");
}

TEST_F(WordReportTest, PaperAnalysisHasOneRowPerQuestion) {
    Workspace ws = MarkedClass();
    ASSERT_EQ(Write(ws, {false, false, false, true}).errorKey, std::nullopt);
    const DocxContent doc = Report(4);
    ASSERT_EQ(doc.table.size(), static_cast<std::size_t>(kClassQuestions) + 1);
    EXPECT_EQ(doc.table[1], (Row{"1", "B", "1", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(doc.table[2][2], "0.5");
    EXPECT_EQ(doc.table[5][1], "");
    EXPECT_EQ(doc.table[201][0], "201");
}

TEST_F(WordReportTest, ScoreAnalysisWithParticipants) {
    Workspace ws = MarkedClass();
    ASSERT_EQ(Write(ws, {false, false, true, false}).errorKey, std::nullopt);
    const DocxContent doc = Report(3);
    ASSERT_EQ(doc.table.size(), 22u);
    const char* column2[] = {" 77.75", " 85.5", " 70", " 2", " 155.5", " 0", " 1", " 1", " 0",
                             " 0",     " 2",    " 0",  " 50", " 50", " 0",     " 0", " 100"};
    for (int row = 2; row <= 18; ++row) EXPECT_EQ(doc.table[static_cast<std::size_t>(row - 1)][1], column2[row - 2]) << row;
    EXPECT_EQ(doc.table[1][2], " 0 <= AND < 10");
    EXPECT_EQ(doc.table[1][3], "0");
    EXPECT_EQ(doc.table[8][2], " 70 <= AND < 80");
    EXPECT_EQ(doc.table[8][3], "1");
    EXPECT_EQ(doc.table[9][2], " 80 <= AND < 90");
    EXPECT_EQ(doc.table[10][2], "");
    EXPECT_FALSE(doc.table[1][0].empty());  // the template's captions stay
}

TEST_F(WordReportTest, ScoreAnalysisWithoutParticipantsWritesOnlyTheStatistics) {
    Workspace ws = MarkedClass();
    for (int r = 1; r <= 3; ++r) ws.results.SetCell(r, kResTotal, "  ");
    ws.statistics = ScoreStatistics{};
    ws.statistics.bands[3] = 9;  // stale: the recount clears it
    ASSERT_EQ(Write(ws, {false, false, true, false}).errorKey, std::nullopt);
    EXPECT_EQ(ws.statistics.bands[3], 0);
    const DocxContent doc = Report(3);
    ASSERT_EQ(doc.table.size(), 22u);
    for (int row = 2; row <= 12; ++row) EXPECT_EQ(doc.table[static_cast<std::size_t>(row - 1)][1], " 0");
    for (int row = 13; row <= 22; ++row) EXPECT_EQ(doc.table[static_cast<std::size_t>(row - 1)][1], "");
    for (int row = 2; row <= 22; ++row) {
        EXPECT_EQ(doc.table[static_cast<std::size_t>(row - 1)][2], "");
        EXPECT_EQ(doc.table[static_cast<std::size_t>(row - 1)][3], "");
    }
}

TEST_F(WordReportTest, ManyBandsAppendRows) {
    Workspace ws = MarkedClass();
    ws.results.SetCell(1, kResTotal, "251");  // band 25 with a width of 10
    ASSERT_EQ(Write(ws, {false, false, true, false}).errorKey, std::nullopt);
    EXPECT_EQ(ws.statistics.maxBand, 25);
    const DocxContent doc = Report(3);
    ASSERT_EQ(doc.table.size(), 27u);
    EXPECT_EQ(doc.table[26][2], " 250 <= AND < 260");
    EXPECT_EQ(doc.table[26][3], "1");
    EXPECT_EQ(doc.table[26][0], "");  // appended rows start empty
}

TEST_F(WordReportTest, BandWidthBecomesThePapers) {
    Workspace ws = MarkedClass();
    ASSERT_EQ(Write(ws, {false, false, true, false}, 0).errorKey, std::nullopt);
    EXPECT_EQ(ws.paper.scoreParagraphSpacing, 10);
    ASSERT_EQ(Write(ws, {false, false, true, false}, 50).errorKey, std::nullopt);
    EXPECT_EQ(ws.paper.scoreParagraphSpacing, 50);
    EXPECT_EQ(Report(3).table[2][2], " 50 <= AND < 100");
    EXPECT_EQ(Report(3).table[2][3], "2");
}

struct RecountCase {
    std::vector<std::string> totals;
    int maxBand;
    std::vector<std::pair<int, int>> bands;  // band, count
};

class RecountTest : public ::testing::TestWithParam<RecountCase> {};

TEST_P(RecountTest, CountsBandsWithTheWordReportsRule) {
    Workspace ws;
    ws.paper.scoreParagraphSpacing = 10;
    ws.resultCount = static_cast<std::int16_t>(GetParam().totals.size());
    for (int r = 1; r <= ws.resultCount; ++r) ws.results.SetCell(r, kResTotal, GetParam().totals[static_cast<std::size_t>(r - 1)]);
    ws.statistics.maxBand = 77;
    RecountBands(ws);
    EXPECT_EQ(ws.statistics.maxBand, GetParam().maxBand);
    int counted = 0;
    for (const auto& [band, count] : GetParam().bands) {
        EXPECT_EQ(ws.statistics.bands[static_cast<std::size_t>(band)], count) << band;
        counted += count;
    }
    int total = 0;
    for (const std::int16_t count : ws.statistics.bands) total += count;
    EXPECT_EQ(total, counted);
}

INSTANTIATE_TEST_SUITE_P(
    Word, RecountTest,
    ::testing::Values(RecountCase{{"0", "9.5", "10", "100", ""}, 10, {{0, 2}, {1, 1}, {10, 1}}},
                      // 10000 is band 1000: counted there, but never the highest band.
                      RecountCase{{"55", "10000"}, 5, {{5, 1}, {1000, 1}}},
                      // Above 1000 a total joins the highest band met so far.
                      RecountCase{{"35", "20000"}, 3, {{3, 2}}},
                      // A negative total has no band.
                      RecountCase{{"-5", "12"}, 1, {{1, 1}}}));

TEST_F(WordReportTest, PlaceholderMissingTypesTheNameAtTheStart) {
    std::optional<WordPackage> package = WordPackage::Load(WordTemplateFile(ctx_, 1));
    ASSERT_TRUE(package);
    std::string& main = *package->Part("word/document.xml");
    main.replace(main.find("[PAPER_NAME]"), 12, "Class list");
    ASSERT_TRUE(package->Save(WordTemplateFile(ctx_, 1)));
    Workspace ws = MarkedClass();
    ASSERT_EQ(Write(ws, {true, false, false, false}).errorKey, std::nullopt);
    EXPECT_EQ(Report(1).paragraphs.front(), "MidtermClass list");
}

TEST_F(WordReportTest, FailuresWriteNoDocument) {
    Workspace ws = MarkedClass();
    EXPECT_EQ(Write(ws, {false, false, false, false}).errorKey, std::string(kChooseTableKey));

    Workspace noRows = MarkedClass();
    noRows.resultCount = 0;
    EXPECT_EQ(Write(noRows, {false, false, true, false}).errorKey, std::nullopt);  // table 3 alone is fine
    std::filesystem::remove(folder_ / "Midterm_3.docx");
    const WordReportResult failed = Write(noRows, {true, false, true, false});
    EXPECT_EQ(failed.errorKey, std::string(kWordFailureKey));
    EXPECT_TRUE(failed.files.empty());

    Workspace noQuestions = MarkedClass();
    noQuestions.paper.testTotal = 0;
    EXPECT_EQ(Write(noQuestions, {false, false, false, true}).errorKey, std::string(kWordFailureKey));

    std::filesystem::remove(WordTemplateFile(ctx_, 2));
    EXPECT_EQ(Write(ws, {true, true, false, false}).errorKey, std::string(kWordFailureKey));
    EXPECT_TRUE(std::filesystem::is_empty(folder_));

    EXPECT_EQ(WriteWordReports(ctx_, ws, "x", home_ / "missing", {true, false, false, false}, 10).errorKey,
              std::string(kWordFailureKey));
    EXPECT_FALSE(std::filesystem::exists(home_ / "missing"));
}

TEST(WordReportFileTest, NamesFollowThePaper) {
    EXPECT_EQ(WordReportFile("/r", "Week 3", 2), std::filesystem::path("/r/Week 3_2.docx"));
    EXPECT_EQ(WordReportFile("/r", "a/b", 1), std::filesystem::path("/r/a_b_1.docx"));
    EXPECT_EQ(WordReportFile("/r", "  ", 4), std::filesystem::path("/r/score_4.docx"));
    EXPECT_EQ(WordReportFile("/r", "..", 4), std::filesystem::path("/r/score_4.docx"));
}

}  // namespace
}  // namespace veltora::test
