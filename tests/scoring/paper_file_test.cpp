#include "scoring/paper_file.h"

#include <gtest/gtest.h>

#include "support/temp_home.h"
#include "scoring_fixtures.h"

namespace veltora {
namespace {

class PaperFileTest : public ::testing::Test {
protected:
    test::TempHome home{false};
    std::filesystem::path file = home / "ShiJuan" / "unit.CHO";

    void SetUp() override { std::filesystem::create_directories(file.parent_path()); }

    void Write(std::string_view text) { test::WriteBytes(file, text); }
    TestPaper Read() {
        TestPaper paper;
        ReadPaper(paper, file);
        return paper;
    }
};

TEST_F(PaperFileTest, NewFileHoldsTheSectionsAndKeysInWriteOrder) {
    TestPaper paper;
    paper.answerSheetType = 2;
    paper.standardScoreForAll = 9;
    paper.gradeA = 90;
    paper.gradeD = 59.5;
    paper.scoreParagraphSpacing = 5;
    test::AddQuestion(paper, "AB", 0.5, 5);
    paper.scoringStandard[0] = 9;
    paper.standardParams[0][1] = -0.25;
    paper.scoringRate[7][1] = 66;
    ASSERT_TRUE(WritePaper(paper, file));
    const std::string bytes = test::ReadBytes(file);
    EXPECT_EQ(bytes.find("[MAIN]\r\nAnswerSheetType=2\r\nStandardScoreForAll=9\r\nTestTotal=1\r\nGRADE_A=90\r\n"
              "GRADE_B=0\r\nGRADE_C=0\r\nGRADE_D=59.5\r\nScoreParagraphSpacing=5\r\n[CorrectAnswer]\r\n"),
              0u);
    EXPECT_NE(bytes.find("[CorrectAnswer]\r\ndefault=\r\n1=AB\r\n[StandardScore]\r\ndefault=9\r\n1=5\r\n"
                         "[Mark]\r\ndefault=0\r\n1=.5\r\n[ScoringRate]\r\n0_0=0\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("1_7=66\r\n1_8=0\r\n1_9=0\r\n[SubjectiveQuestions]\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("1_0=-.25\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("1_10="), std::string::npos);
}

TEST_F(PaperFileTest, WrittenPaperReadsBackUnchanged) {
    TestPaper paper;
    paper.standardScoreForAll = 9;
    for (int i = 1; i <= kMaxQuestions; ++i) test::AddQuestion(paper, "ACD", i * 0.25, static_cast<std::int16_t>(i % 10));
    paper.correctAnswer[0] = "A";
    paper.standardParams[9][kMaxQuestions] = 1.5;
    paper.scoringRate[0][3] = 42;
    ASSERT_TRUE(WritePaper(paper, file));
    const TestPaper back = Read();
    EXPECT_EQ(back.testTotal, kMaxQuestions);
    EXPECT_TRUE(back.usePerQuestionStandards);
    EXPECT_EQ(back.scoringStandard[0], 9);
    EXPECT_EQ(back.correctAnswer[0], "A");
    EXPECT_EQ(back.correctAnswer[kMaxQuestions], "ACD");
    EXPECT_EQ(back.scoringStandard[13], 3);
    EXPECT_EQ(back.mark[kMaxQuestions], 125);
    EXPECT_EQ(back.standardParams[9][kMaxQuestions], 1.5);
    EXPECT_EQ(back.scoringRate[0][3], 42);
}

TEST_F(PaperFileTest, UpdatingKeepsOtherKeysAndStaleQuestions) {
    Write("[MAIN]\r\nTestTotal=3\r\nComment=kept\r\n[Mark]\r\n3=7\r\n");
    TestPaper paper;
    test::AddQuestion(paper, "A", 2, 1);
    ASSERT_TRUE(WritePaper(paper, file));
    const std::string bytes = test::ReadBytes(file);
    EXPECT_NE(bytes.find("Comment=kept\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("TestTotal=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("3=7\r\n"), std::string::npos);
}

TEST_F(PaperFileTest, FailedSaveLeavesTheFileAsItWas) {
    Write("[MAIN]\r\nTestTotal=3\r\n");
    TestPaper paper;
    EXPECT_FALSE(WritePaper(paper, home / "ShiJuan"));  // a folder, not a file
    EXPECT_FALSE(WritePaper(paper, home / "missing" / "x.CHO"));
    EXPECT_EQ(test::ReadBytes(file), "[MAIN]\r\nTestTotal=3\r\n");
}

TEST_F(PaperFileTest, MissingPerQuestionValuesTakeTheDefault) {
    Write("[MAIN]\nTestTotal = 3\nStandardScoreForAll=2\n[CorrectAnswer]\ndefault=B\n1=A\n3= CD \n"
          "[StandardScore]\ndefault=4\n2=7\n[Mark]\ndefault=2\n1=\n");
    const TestPaper paper = Read();
    EXPECT_EQ(paper.testTotal, 3);
    EXPECT_EQ(paper.correctAnswer[2], "B");
    EXPECT_EQ(paper.correctAnswer[3], "CD");
    EXPECT_EQ(paper.scoringStandard[1], 4);
    EXPECT_EQ(paper.scoringStandard[2], 7);
    EXPECT_EQ(paper.scoringStandard[0], 2);  // always the default standard
    EXPECT_EQ(paper.mark[1], 2);
    EXPECT_FALSE(paper.usePerQuestionStandards);
}

struct MainCase {
    const char* what;
    const char* main;
    int testTotal;
    int spacing;
    int standard;
    int sheetType;
};

class MainSection : public PaperFileTest, public ::testing::WithParamInterface<MainCase> {};

TEST_P(MainSection, ValuesBeyondTheModelAreBroughtInside) {
    const MainCase& c = GetParam();
    Write(std::string("[MAIN]\r\n") + c.main);
    TestPaper paper;
    paper.answerSheetType = 4;
    ReadPaper(paper, file);
    EXPECT_EQ(paper.testTotal, c.testTotal) << c.what;
    EXPECT_EQ(paper.scoreParagraphSpacing, c.spacing) << c.what;
    EXPECT_EQ(paper.standardScoreForAll, c.standard) << c.what;
    EXPECT_EQ(paper.scoringStandard[0], c.standard) << c.what;
    EXPECT_EQ(paper.answerSheetType, c.sheetType) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, MainSection,
    ::testing::Values(
        MainCase{"empty", "", 0, 10, 1, 0},
        MainCase{"spacing 0", "ScoreParagraphSpacing=0\r\n", 0, 10, 1, 0},
        MainCase{"spacing negative", "ScoreParagraphSpacing=-5\r\n", 0, 10, 1, 0},
        MainCase{"spacing huge", "ScoreParagraphSpacing=99999\r\n", 0, 32767, 1, 0},
        MainCase{"spacing half", "ScoreParagraphSpacing=2.5\r\n", 0, 2, 1, 0},
        MainCase{"too many questions", "TestTotal=9999\r\n", 500, 10, 1, 0},
        MainCase{"negative questions", "TestTotal=-3\r\n", 0, 10, 1, 0},
        MainCase{"standard 9", "StandardScoreForAll=9\r\n", 0, 10, 9, 0},
        MainCase{"standard 12", "StandardScoreForAll=12\r\n", 0, 10, 1, 0},
        MainCase{"negative sheet type", "AnswerSheetType=-1\r\n", 0, 10, 1, 4},
        MainCase{"huge sheet type", "AnswerSheetType=1e9\r\n", 0, 10, 1, 32767}));

TEST_F(PaperFileTest, EmptyPaperKeepsThePerQuestionTables) {
    Write("[MAIN]\r\nTestTotal=0\r\n[CorrectAnswer]\r\n1=Z\r\n");
    TestPaper paper;
    paper.correctAnswer[1] = "A";
    ReadPaper(paper, file);
    EXPECT_EQ(paper.correctAnswer[1], "A");
}

}  // namespace
}  // namespace veltora
