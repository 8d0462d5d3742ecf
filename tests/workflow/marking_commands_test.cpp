// The marking commands on images that need no recognition to judge: unreadable, damaged
// and missing files. Recognised sheets are covered by the veltora-mark tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "marking_host.h"
#include "recognition/image_file.h"
#include "support/temp_home.h"
#include "workflow/marking_commands.h"
#include "workflow/marking_keys.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

class MarkingCommands : public ::testing::Test {
protected:
    test::TempHome home;
    AppContext ctx{home.Path()};
    Workspace ws;
    MarkingState state;
    test::MarkingHost host;

    std::string Text(std::string_view key) const { return ctx.LangText("main", key); }

    // A readable image without any sheet on it: decoded, but not recognisable.
    fs::path BlankImage(const std::string& name) {
        const fs::path file = home / "images" / name;
        fs::create_directories(file.parent_path());
        EXPECT_TRUE(SaveBmp(Raster(40, 30), file));
        return file;
    }
    fs::path Folder() const { return home / "images"; }
    std::vector<std::string> Statuses() const {
        std::vector<std::string> statuses;
        for (int e = 1; e <= ws.MarkCount(); ++e) statuses.push_back(ws.Rec(e, kRecStatus));
        return statuses;
    }
};

TEST_F(MarkingCommands, BatchListsJpegFilesFirstThenBitmapsAndSkipsOtherFiles) {
    for (const char* name : {"b.bmp", "a.BMP", "d.JPG", "c.jpg"}) BlankImage(name);
    test::WriteBytes(Folder() / "e.png", "x");
    test::WriteBytes(Folder() / "sub.jpg" / "inner.jpg", "x");
    std::vector<std::string> names;
    for (const auto& file : ListBatchImages(Folder())) names.push_back(file.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"c.jpg", "d.JPG", "a.BMP", "b.bmp"}));
}

TEST_F(MarkingCommands, UnreadableAndDamagedImagesAreRecordedAsNotRecognisable) {
    BlankImage("blank.bmp");
    test::WriteBytes(Folder() / "damaged.jpg", std::string("\xFF\xD8\xFF\xE0 truncated", 15));
    std::vector<SheetMarked> marked;
    state.afterSheet = [&](const SheetMarked& sheet) { marked.push_back(sheet); };

    const BatchOutcome outcome = MarkImages(ws, state, ctx, host, ListBatchImages(Folder()));

    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(outcome.read, 2);
    EXPECT_EQ(outcome.recognised, 0);
    EXPECT_EQ(Statuses(), (std::vector<std::string>(2, Text(kStatusUnreadableKey))));
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_FALSE(marked[0].decoded);  // damaged.jpg comes first
    EXPECT_FALSE(marked[0].decodeError.empty());
    EXPECT_TRUE(marked[1].decoded);
    EXPECT_FALSE(marked[1].recognised);
    EXPECT_TRUE(host.messages.empty()) << "a batch shows no message per failed sheet";
    EXPECT_EQ(host.tips, (std::vector<std::string>{Text(kMarkingDoneKey)}));
}

TEST_F(MarkingCommands, ProgressIsReportedPerSheetAndEndsWithTheSheetCount) {
    for (const char* name : {"1.bmp", "2.bmp", "3.bmp"}) BlankImage(name);
    MarkImages(ws, state, ctx, host, ListBatchImages(Folder()));
    const std::string count = Text(kSheetCountKey) + ":3";
    EXPECT_EQ(host.progress, (std::vector<std::string>{"0/3 ", "1/3 1/3", "2/3 2/3", "3/3 3/3", "0/0 " + count}));
}

TEST_F(MarkingCommands, StopTakesEffectBetweenSheetsAndContinueMarksTheRest) {
    for (const char* name : {"1.bmp", "2.bmp", "3.bmp", "4.bmp", "5.bmp"}) BlankImage(name);
    int events = 0;
    host.onEvents = [&] {
        if (++events == 2) StopMarking(state);
    };
    state.decodeJobs = 2;
    const BatchOutcome first = MarkImages(ws, state, ctx, host, ListBatchImages(Folder()));
    EXPECT_TRUE(first.stopped);
    EXPECT_EQ(first.read, 2);
    EXPECT_EQ(ws.MarkCount(), 5);
    std::vector<std::string> statuses = Statuses();
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), ""), 3) << "unmarked entries keep an empty status";

    host.onEvents = nullptr;
    const BatchOutcome rest = ContinueMarking(ws, state, ctx, host);
    EXPECT_FALSE(rest.stopped);
    EXPECT_EQ(rest.read, 5) << "every entry not marked normally is read again";
    EXPECT_EQ(Statuses(), (std::vector<std::string>(5, Text(kStatusUnreadableKey))));
}

TEST_F(MarkingCommands, TheListNeverGrowsPastItsLimit) {
    state.sheetLimit = 3;
    ws.AppendSheet("earlier.jpg");
    for (const char* name : {"1.bmp", "2.bmp", "3.bmp", "4.bmp"}) BlankImage(name);

    const BatchOutcome outcome = MarkImages(ws, state, ctx, host, ListBatchImages(Folder()));
    EXPECT_EQ(outcome.listed, 4);
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(ws.MarkCount(), 3);
    EXPECT_EQ(host.messages, (std::vector<std::string>{Text(kSheetListFullKey)}));

    EXPECT_FALSE(MarkImageFile(ws, state, ctx, host, Folder() / "4.bmp"));
    EXPECT_EQ(ws.MarkCount(), 3);
    EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(MarkingCommands, TheListEndsSortedByStatus) {
    const std::vector<std::string> before = {Text(kStatusNormalKey), "", Text(kStatusNormalKey)};
    for (std::size_t i = 0; i < before.size(); ++i) {
        const int entry = ws.AppendSheet("old" + std::to_string(i) + ".jpg");
        ws.SetRec(entry, kRecStatus, before[i]);
        ws.SetRec(entry, kRecExamineeNo, std::to_string(100 + i));
    }
    BlankImage("new.bmp");
    MarkImages(ws, state, ctx, host, ListBatchImages(Folder()));
    std::vector<std::string> shown;
    for (int row = 1; row <= ws.MarkCount(); ++row) shown.push_back(ws.Rec(ws.markOrder[row], kRecStatus));
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_EQ(shown.size(), 4u);
}

TEST_F(MarkingCommands, AFailedRereadForgetsTheEarlierReading) {
    const fs::path file = BlankImage("sheet.bmp");
    const int entry = ws.AppendSheet(file.string());
    ws.SetRec(entry, kRecStatus, Text(kStatusNormalKey));
    ws.SetRec(entry, kRecExamineeNo, "20250301");
    ws.SetRec(entry, kRecScore, " 87");
    ws.SetAnswer(3, entry, "AB");
    ws.SetQuestionScore(3, entry, 2.0f);

    EXPECT_FALSE(RemarkSelected(ws, state, ctx, host, 1));
    EXPECT_EQ(ws.Rec(entry, kRecStatus), Text(kStatusUnreadableKey));
    EXPECT_EQ(ws.Rec(entry, kRecExamineeNo), "");
    EXPECT_EQ(ws.Rec(entry, kRecScore), "");
    EXPECT_EQ(ws.Answer(3, entry), "");
    EXPECT_EQ(ws.QuestionScore(3, entry), 0.0f);
    EXPECT_FALSE(host.lastImageEmpty) << "the image was loaded into the buffer";
}

TEST_F(MarkingCommands, RemarkingAMissingFileSaysSoAndChangesNothing) {
    ws.AppendSheet((home / "gone.jpg").string());
    EXPECT_FALSE(RemarkSelected(ws, state, ctx, host, 1));
    EXPECT_EQ(host.messages, (std::vector<std::string>{Text(kSheetFileMissingKey)}));
    EXPECT_EQ(ws.Rec(1, kRecStatus), "");
    EXPECT_FALSE(RemarkSelected(ws, state, ctx, host, 0));
    EXPECT_FALSE(RemarkSelected(ws, state, ctx, host, 2));
}

TEST_F(MarkingCommands, MarkingOneUnreadableFileKeepsItsEntryAndAsksToCheckTheSheet) {
    EXPECT_FALSE(MarkImageFile(ws, state, ctx, host, BlankImage("one.bmp")));
    EXPECT_EQ(ws.MarkCount(), 1);
    EXPECT_EQ(ws.Rec(1, kRecStatus), Text(kStatusUnreadableKey));
    EXPECT_EQ(host.messages, (std::vector<std::string>{Text(kCheckSheetKey)}));
}

TEST_F(MarkingCommands, ContinueWithAnEmptyListAsksForImages) {
    ContinueMarking(ws, state, ctx, host);
    EXPECT_EQ(host.messages, (std::vector<std::string>{Text(kImportImagesFirstKey)}));
}

TEST_F(MarkingCommands, DeleteRemovesTheEntryAndItsFileOnlyOnYes) {
    const fs::path kept = BlankImage("kept.bmp");
    const fs::path deleted = BlankImage("deleted.bmp");
    MarkImages(ws, state, ctx, host, {kept, deleted});
    const auto rowOf = [&](const fs::path& file) {
        for (int row = 1; row <= ws.MarkCount(); ++row)
            if (ws.Rec(ws.markOrder[row], kRecImage) == file.string()) return row;
        return 0;
    };

    host.answers = {false};
    EXPECT_EQ(DeleteSelected(ws, state, ctx, host, rowOf(kept)), rowOf(kept) - 1);
    EXPECT_TRUE(fs::exists(kept));
    EXPECT_EQ(ws.MarkCount(), 1);
    EXPECT_EQ(host.questions.back(), "|" + Text(kAlsoDeleteFileKey) + "\n" + kept.string());

    host.answers = {true};
    EXPECT_EQ(DeleteSelected(ws, state, ctx, host, 1), 0);
    EXPECT_FALSE(fs::exists(deleted));
    EXPECT_EQ(ws.MarkCount(), 0);
    EXPECT_TRUE(host.lastImageEmpty) << "the last entry gone clears the sheet view";
    EXPECT_EQ(DeleteSelected(ws, state, ctx, host, 1), -1);
}

TEST_F(MarkingCommands, ClearAllEmptiesTheListButKeepsTheFiles) {
    const fs::path file = BlankImage("kept.bmp");
    MarkImages(ws, state, ctx, host, {file});
    ClearAll(ws, state, ctx, host);
    EXPECT_EQ(ws.MarkCount(), 0);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_TRUE(host.lastImageEmpty);
    EXPECT_EQ(host.tips.back(), Text(kAllSheetsClearedKey));
    EXPECT_EQ(host.progress.back(), "0/0 " + Text(kSheetCountKey) + ":0");
}

TEST_F(MarkingCommands, BatchMarkAsksForTheFolderAndRemembersIt) {
    class FolderHost : public test::MarkingHost {
    public:
        fs::path folder;
        fs::path startedAt;
        std::optional<fs::path> ChooseFolder(const std::string&, const fs::path& start) override {
            startedAt = start;
            return folder;
        }
    } folderHost;
    folderHost.folder = Folder();
    BlankImage("1.bmp");
    ctx.SetLastImageFolder(home.Path());
    EXPECT_EQ(BatchMark(ws, state, ctx, folderHost).added, 1);
    EXPECT_EQ(folderHost.startedAt, home.Path());
    EXPECT_EQ(ctx.LastImageFolder(), Folder());
}

}  // namespace
}  // namespace veltora
