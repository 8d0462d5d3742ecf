#include "workflow/score_set_commands.h"

#include <gtest/gtest.h>

#include "workflow/file_command_test.h"
#include "workflow/file_command_keys.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

class ScoreSetCommandsTest : public test::FileCommandTest {
protected:
    ScoreSetCommandsTest() : FileCommandTest(kScoreFolder) {
        ws.paper.ExtendTo(1, 1);
        const int s = ws.AppendSheet("a.jpg");
        ws.SetAnswer(1, s, "B");
        ws.SetQuestionScore(1, s, 1.5f);
    }
    FileList& sets = list;
};

TEST_F(ScoreSetCommandsTest, SaveWithBlankDocumentSavesAsAndOpensTheNewSet) {
    ws.scoresChanged = true;
    host.texts = {std::string("exam1")};
    const ScoreSetOutcome outcome = SaveScoreSet(ws, ctx, sets, host);
    EXPECT_EQ(outcome.messageKey, kFileSavedKey);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(sets.SelectedEntry(), "exam1.CHO");
    EXPECT_FALSE(ws.scoresChanged);
    for (const char* member : {"exam1.txt", "exam1.CHO", "exam1.DAN", "exam1.FEN", "exam1.JAN"}) {
        EXPECT_TRUE(fs::exists(folder / member)) << member;
    }
}

TEST_F(ScoreSetCommandsTest, SaveWritesTheSelectedSetUnlessItsNameHasAFullStop) {
    sets.entries.push_back("exam2.cho");
    sets.entries.push_back("v1.5.CHO");
    sets.selected = 1;
    ws.scoresChanged = true;
    EXPECT_EQ(SaveScoreSet(ws, ctx, sets, host).messageKey, "");
    EXPECT_TRUE(fs::exists(folder / "exam2.DAN"));
    EXPECT_FALSE(ws.scoresChanged);

    sets.selected = 2;
    EXPECT_EQ(SaveScoreSet(ws, ctx, sets, host).messageKey, kBadSetNameKey);
    EXPECT_FALSE(fs::exists(folder / "v1.5.DAN"));
}

TEST_F(ScoreSetCommandsTest, OpeningReadsTheSetBack) {
    host.texts = {std::string("exam3")};
    ASSERT_EQ(SaveScoreSetAs(ws, ctx, sets, host).messageKey, kFileSavedKey);
    Workspace other;
    EXPECT_FALSE(OpenScoreSet(other, ctx, sets, 0).opened);
    EXPECT_EQ(other.MarkCount(), 0);
    EXPECT_TRUE(OpenScoreSet(other, ctx, sets, 1).opened);
    EXPECT_EQ(other.MarkCount(), 1);
    EXPECT_EQ(other.Answer(1, 1), "B");
    EXPECT_EQ(other.QuestionScore(1, 1), 1.5f);
}

TEST_F(ScoreSetCommandsTest, DeleteAsksTheFixedQuestionAndRemovesEveryMember) {
    EXPECT_EQ(DeleteScoreSet(ctx, sets, host).messageKey, kBlankSetKey);
    host.texts = {std::string("exam4")};
    ASSERT_EQ(SaveScoreSetAs(ws, ctx, sets, host).messageKey, kFileSavedKey);
    fs::remove(folder / "exam4.DAN");
    host.answers = {true};
    EXPECT_EQ(DeleteScoreSet(ctx, sets, host).messageKey, "");
    EXPECT_EQ(host.questions.back(), "Note!|Will you really delete the achievenemt file: exam4");
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(sets.entries.size(), 1u);
    EXPECT_EQ(sets.selected, 0);
}

}  // namespace
}  // namespace veltora
