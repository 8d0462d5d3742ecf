#include "scoring/results.h"

#include <gtest/gtest.h>

#include "scoring/list_sorts.h"
#include "scoring/statistics_view.h"
#include "scoring_fixtures.h"

namespace veltora {
namespace {

class ResultsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ws.templ.idDigitNumber = 3;
        ws.sortRandom = MakeUnitRandom(11);
    }
    void AddRosterRow(const char* no, const char* name, const char* extra) {
        ++ws.rosterCount;
        ws.roster.SetCell(ws.rosterCount, kRosterNo, no);
        ws.roster.SetCell(ws.rosterCount, kRosterName, name);
        ws.roster.SetCell(ws.rosterCount, kRosterExtra, extra);
    }
    int AddSheet(const char* no, const char* score) {
        const int s = ws.AppendSheet("x.jpg");
        ws.SetRec(s, kRecExamineeNo, no);
        ws.SetRec(s, kRecScore, score);
        return s;
    }
    const std::string& Cell(int row, int column) const { return ws.results.Cell(row, column); }
    void SetTotals(std::initializer_list<const char*> totals) {
        ws.resultCount = 0;
        for (const char* total : totals) {
            ++ws.resultCount;
            ws.results.SetCell(ws.resultCount, kResTotal, total);
        }
    }
    Workspace ws;
};

TEST_F(ResultsTest, MergeMatchesSheetsToTheRosterAndAppendsStrangers) {
    AddRosterRow("101", "A", "");
    AddRosterRow("102", "B", "5");
    AddRosterRow("103", "C", "2");
    AddSheet("102", "80");
    const int stranger = AddSheet("105", "70");
    AddSheet("", "60");  // unread number: skipped when the template reads numbers
    Merge(ws);
    ASSERT_EQ(ws.resultCount, 4);
    EXPECT_EQ(Cell(1, kResTotal), "");
    EXPECT_EQ(Cell(2, kResTotal), "85");
    EXPECT_EQ(Cell(2, kResSheetScore), "80");
    EXPECT_EQ(Cell(2, kResExtra), "5");
    EXPECT_EQ(Cell(3, kResTotal), "2");
    EXPECT_EQ(Cell(4, kResNo), "105");
    EXPECT_EQ(Cell(4, kResName), "");
    EXPECT_EQ(Cell(4, kResTotal), "70");
    EXPECT_EQ(ws.SheetOfResult(1), 0);
    EXPECT_EQ(ws.SheetOfResult(2), 1);
    EXPECT_EQ(ws.SheetOfResult(4), stranger);
    EXPECT_EQ(ws.lastExamineeNo, "105");
}

TEST_F(ResultsTest, SecondSheetOfAnExamineeWithAScoreGetsItsOwnRow) {
    AddRosterRow("102", "B", "");
    AddSheet("102", "80");
    AddSheet("102", "75");
    Merge(ws);
    ASSERT_EQ(ws.resultCount, 2);
    EXPECT_EQ(Cell(2, kResNo), "102");
    EXPECT_EQ(Cell(2, kResTotal), "75");
}

TEST_F(ResultsTest, SheetAfterAZeroScoreReplacesItInTheSameRow) {
    AddRosterRow("a102", "B", "");
    AddSheet("A102", "0");
    const int second = AddSheet("A102", "75");
    Merge(ws);
    ASSERT_EQ(ws.resultCount, 1);
    EXPECT_EQ(Cell(1, kResTotal), "75");
    EXPECT_EQ(ws.SheetOfResult(1), second);
}

TEST_F(ResultsTest, ExamineeNumbersMatchWithoutSurroundingBlanks) {
    AddRosterRow(" 102", "B", "1");
    const int sheet = AddSheet("102 ", "80");
    Merge(ws);
    ASSERT_EQ(ws.resultCount, 1);
    EXPECT_EQ(Cell(1, kResTotal), "81");
    EXPECT_EQ(ws.SheetOfResult(1), sheet);
    EXPECT_EQ(ws.lastExamineeNo, "102");
}

TEST_F(ResultsTest, WithoutANumberBlockEverySheetGetsItsOwnRow) {
    ws.templ.idDigitNumber = 0;
    AddRosterRow("101", "A", "");
    AddSheet("101", "50");
    AddSheet("", "40");
    Merge(ws);
    ASSERT_EQ(ws.resultCount, 3);
    EXPECT_EQ(Cell(2, kResTotal), "50");
    EXPECT_EQ(Cell(3, kResTotal), "40");
    EXPECT_EQ(ws.SheetOfResult(3), 2);
}

TEST_F(ResultsTest, EqualTotalsShareARank) {
    SetTotals({"85", "90", "70", "85", ""});
    EXPECT_EQ(Rank(ws), "");
    EXPECT_EQ(Cell(2, kResRank), "1");
    EXPECT_EQ(Cell(1, kResRank), "2");
    EXPECT_EQ(Cell(4, kResRank), "2");
    EXPECT_EQ(Cell(3, kResRank), "4");
    EXPECT_EQ(Cell(5, kResRank), "5");
    EXPECT_EQ(ws.rankOrder[1], 2);
    EXPECT_EQ(ws.rankOrder[5], 5);
}

TEST_F(ResultsTest, MoreRowsThanOneSortCanOrderAreRefused) {
    ws.resultCount = kMaxRankRows + 1;
    ws.results.SetCell(kMaxRankRows + 1, kResTotal, "5");
    ws.results.SetCell(1, kResRank, "stale");
    EXPECT_EQ(Rank(ws), kTooManyResultRowsKey);
    ASSERT_EQ(ws.rankOrder.size(), static_cast<std::size_t>(kMaxRankRows) + 2);
    EXPECT_EQ(ws.rankOrder[kMaxRankRows + 1], kMaxRankRows + 1);
    EXPECT_EQ(Cell(1, kResRank), "");
    EXPECT_EQ(SortResultsList(ws, 2), kTooManyResultRowsKey);
}

TEST_F(ResultsTest, AnalyseCountsCorrectAnswersAndOptionsInWholePercent) {
    test::UseFourOptionTemplate(ws, 1);
    test::AddQuestion(ws.paper, "AB", 1, 1);
    AddRosterRow("1", "", "");
    AddRosterRow("2", "", "");
    AddRosterRow("3", "", "");
    AddRosterRow("4", "", "");  // no sheet, no total: not a participant
    for (const char* answer : {"ba", "ab", "C"}) {
        const int s = AddSheet(std::to_string(ws.MarkCount() + 1).c_str(), "1");
        ws.SetAnswer(1, s, answer);
    }
    Merge(ws);
    Analyse(ws);
    EXPECT_EQ(ws.statistics.participants, 3);
    EXPECT_EQ(ws.paper.scoringRate[0][1], 33);  // only "ab" equals the key in order
    EXPECT_EQ(ws.paper.scoringRate[1][1], 66);
    EXPECT_EQ(ws.paper.scoringRate[3][1], 33);
    EXPECT_EQ(ws.paper.scoringRate[4][1], 0);
    EXPECT_EQ(ws.questionOrder, (std::vector<std::int16_t>{0, 1}));
}

struct PercentCase {
    int correct;
    int participants;
    double percent;  // floor(correct / participants * 100), taken exactly
};

class AnalysePercent : public ::testing::TestWithParam<PercentCase> {};

// A quotient times 100 in floating point would give 28 for 29 of 100 and 56 for 57 of 100.
TEST_P(AnalysePercent, DropsOnlyTheTrueFraction) {
    const PercentCase& c = GetParam();
    Workspace ws;
    test::UseFourOptionTemplate(ws, 1);
    test::AddQuestion(ws.paper, "A", 1, 1);
    for (int s = 1; s <= c.participants; ++s) {
        ws.SetRec(ws.AppendSheet("x.jpg"), kRecScore, "1");
        ws.SetAnswer(1, s, s <= c.correct ? "A" : "B");
    }
    Merge(ws);
    Analyse(ws);
    EXPECT_EQ(ws.paper.scoringRate[0][1], c.percent);
    EXPECT_EQ(ws.paper.scoringRate[1][1], c.percent);
}

INSTANTIATE_TEST_SUITE_P(Shares, AnalysePercent,
                         ::testing::Values(PercentCase{29, 100, 29}, PercentCase{57, 100, 57},
                                           PercentCase{2, 3, 66}, PercentCase{1, 3, 33},
                                           PercentCase{3, 3, 100}, PercentCase{0, 7, 0}));

TEST_F(ResultsTest, AnalyseWithoutParticipantsKeepsTheRates) {
    test::AddQuestion(ws.paper, "A", 1, 1);
    ws.paper.scoringRate[0][1] = 42;
    Analyse(ws);
    EXPECT_EQ(ws.paper.scoringRate[0][1], 42);
}

TEST_F(ResultsTest, StatisticsCountGradesAndPassRate) {
    ws.paper.gradeA = 90;
    ws.paper.gradeB = 80;
    ws.paper.gradeC = 70;
    ws.paper.gradeD = 60;
    SetTotals({"95", "80", "79.5", "60", "59", " "});
    Statistics(ws);
    const ScoreStatistics& st = ws.statistics;
    EXPECT_EQ(st.participants, 5);
    EXPECT_EQ(st.countA, 1);
    EXPECT_EQ(st.countB, 1);
    EXPECT_EQ(st.countC, 1);
    EXPECT_EQ(st.countD, 1);
    EXPECT_EQ(st.countFail, 1);
    EXPECT_EQ(st.countPass, 4);
    EXPECT_EQ(st.highest, 95);
    EXPECT_EQ(st.lowest, 59);
    const auto column = StatisticsColumn(st, ws.paper.scoreParagraphSpacing);
    // Average, highest, lowest, sum, participants, pass rate, CountA..D, fail, pass.
    const char* expected[] = {" 74.7", " 95", " 59", " 373.5", " 5", " 80",
                              " 1",    " 1",  " 1",  " 1",     " 1", " 4"};
    for (std::size_t v = 0; v < std::size(expected); ++v) {
        EXPECT_EQ(column[2 * v + 1], expected[v]) << "row " << 2 * v + 1;
        EXPECT_EQ(column[2 * v], "") << "heading row " << 2 * v;
    }
}

TEST_F(ResultsTest, StatisticsCountScoreBands) {
    ws.paper.scoreParagraphSpacing = 10;
    SetTotals({"0", "9.5", "10", "100", "-3"});
    Statistics(ws);
    const ScoreStatistics& st = ws.statistics;
    EXPECT_EQ(st.bands[0], 2);
    EXPECT_EQ(st.bands[1], 1);
    EXPECT_EQ(st.bands[10], 1);
    EXPECT_EQ(st.maxBand, 10);
    EXPECT_EQ(st.participants, 5);  // a negative total counts, it just has no band
    EXPECT_EQ(st.lowest, -3);
    const auto column = StatisticsColumn(st, ws.paper.scoreParagraphSpacing);
    ASSERT_EQ(column.size(), 11u * 2 + 26);
    EXPECT_EQ(column[26], " 0 <= And < 10");
    EXPECT_EQ(column[27], " 2");
    EXPECT_EQ(column[28], " 10 <= And < 20");
    EXPECT_EQ(column[46], " 100 <= And < 110");
    EXPECT_EQ(column[47], " 1");
}

TEST_F(ResultsTest, TotalsBeyondTheLastBandAreFoldedIntoTheHighestBandSoFar) {
    ws.paper.scoreParagraphSpacing = 1;
    SetTotals({"20", "5000", "1e300"});
    Statistics(ws);
    EXPECT_EQ(ws.statistics.bands[20], 3);
    EXPECT_EQ(ws.statistics.maxBand, 20);
}

TEST_F(ResultsTest, NoParticipantsShowEmptyAverageAndPassRate) {
    Statistics(ws);
    const ScoreStatistics& st = ws.statistics;
    EXPECT_EQ(st.highest, 0);
    EXPECT_EQ(st.lowest, 0);
    EXPECT_EQ(st.average, 0);
    const auto column = StatisticsColumn(st, ws.paper.scoreParagraphSpacing);
    EXPECT_EQ(column[1], "");
    EXPECT_EQ(column[3], " 0");
    EXPECT_EQ(column[11], "");
    EXPECT_EQ(column.size(), 28u);
}

TEST_F(ResultsTest, ScoreProcessingRunsEveryStepAndMarksScoresChanged) {
    AddRosterRow("101", "A", "");
    AddSheet("101", "7");
    EXPECT_EQ(ScoreProcessing(ws), "");
    EXPECT_EQ(Cell(1, kResRank), "1");
    EXPECT_EQ(ws.statistics.sum, 7);
    EXPECT_TRUE(ws.scoresChanged);
}

TEST_F(ResultsTest, ListSortsAlternateTheSharedDirection) {
    SetTotals({"5", "9", "1"});
    ws.results.SetCell(1, kResName, "b");
    ws.results.SetCell(2, kResName, " c");
    ws.results.SetCell(3, kResName, "a");
    EXPECT_EQ(SortResultsList(ws, 2), "");
    EXPECT_EQ(ws.rankOrder, (std::vector<std::int16_t>{0, 3, 1, 2}));
    EXPECT_TRUE(ws.markOrderFlag);
    EXPECT_EQ(SortResultsList(ws, 1), "");
    EXPECT_EQ(ws.rankOrder, (std::vector<std::int16_t>{0, 2, 1, 3}));
    test::AddQuestion(ws.paper, "B", 3, 1);
    test::AddQuestion(ws.paper, "A", 1, 1);
    SortAnalysisList(ws, 1);
    EXPECT_EQ(ws.questionOrder, (std::vector<std::int16_t>{0, 2, 1}));
    SortAnalysisList(ws, 11);  // no such column: nothing happens
    EXPECT_TRUE(ws.markOrderFlag);
}

TEST_F(ResultsTest, MarkingListSortUsesTheCallersFlag) {
    AddSheet("3", "10");
    AddSheet("1", "9.5");
    AddSheet("2", "100");
    bool flag = false;
    SortMarkingList(ws, kRecScore, flag);
    EXPECT_TRUE(flag);
    EXPECT_EQ(ws.markOrder, (std::vector<std::int16_t>{0, 2, 1, 3}));
    SortMarkingList(ws, kRecExamineeNo, flag);
    EXPECT_EQ(ws.markOrder, (std::vector<std::int16_t>{0, 1, 3, 2}));
    EXPECT_FALSE(ws.markOrderFlag);
}

}  // namespace
}  // namespace veltora
