#include "files/score_set_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_home.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempHome;
using test::WriteBytes;

struct Sheet {
    std::vector<std::string> rec;  // fields 1..4
    std::vector<std::string> answers;
    std::vector<float> points;
};

void AddSheet(Workspace& ws, const Sheet& sheet) {
    const int s = ws.AppendSheet(sheet.rec[0]);
    for (std::size_t f = 1; f < sheet.rec.size(); ++f) ws.SetRec(s, static_cast<int>(f) + 1, sheet.rec[f]);
    for (std::size_t q = 0; q < sheet.answers.size(); ++q) ws.SetAnswer(static_cast<int>(q) + 1, s, sheet.answers[q]);
    for (std::size_t q = 0; q < sheet.points.size(); ++q) ws.SetQuestionScore(static_cast<int>(q) + 1, s, sheet.points[q]);
}

void AddResult(Workspace& ws, std::vector<std::string> columns) {
    const int r = ++ws.resultCount;
    for (std::size_t c = 0; c < columns.size(); ++c) ws.results.SetCell(r, static_cast<int>(c) + 1, columns[c]);
}

// Three sheets of a paper of three questions, without roster and examinee numbers: every
// sheet became a result row of its own.
Workspace ThreeSheetRun() {
    Workspace ws;
    ws.paper.testTotal = 3;
    ws.paper.correctAnswer[1] = "A";
    ws.paper.correctAnswer[2] = "BC";
    ws.paper.correctAnswer[3] = "D";
    for (int q = 1; q <= 3; ++q) ws.paper.mark[q] = 2;
    AddSheet(ws, {{"/scans/张 1.jpg", "正常", "", " 4"}, {"A", "B", "D"}, {2, 1.5f, 0}});
    AddSheet(ws, {{"/scans/2.jpg", "正常", "", "-.5"}, {"", "BC", "AD"}, {0, 2, -0.5f}});
    AddSheet(ws, {{"/scans/3.jpg", "正常", "", " 6"}, {"A", "BC", "D"}, {2, 2, 2}});
    AddResult(ws, {"", "", "4", "2", "4", ""});
    AddResult(ws, {"", "", "-.5", "3", "-.5", ""});
    AddResult(ws, {"", "", "6", "1", "6", ""});
    return ws;
}

void ExpectSameSheets(const Workspace& a, const Workspace& b) {
    ASSERT_EQ(a.MarkCount(), b.MarkCount());
    for (int s = 1; s <= a.MarkCount(); ++s) {
        for (int f = 0; f <= 20; ++f) EXPECT_EQ(a.Rec(s, f), b.Rec(s, f)) << "sheet " << s << " field " << f;
        for (int q = 1; q <= kAnswerFileQuestions; ++q) {
            EXPECT_EQ(a.Answer(q, s), b.Answer(q, s)) << "sheet " << s << " question " << q;
            EXPECT_EQ(a.QuestionScore(q, s), b.QuestionScore(q, s)) << "sheet " << s << " question " << q;
        }
    }
}

class ScoreSetTest : public testing::Test {
protected:
    fs::path Folder() const { return home.Path(); }
    std::vector<std::string> Lines(const char* name) const {
        std::vector<std::string> lines;
        const std::string bytes = ReadBytes(home / name);
        for (std::size_t at = 0; at < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", at);
            lines.push_back(bytes.substr(at, end - at));
            at = end == std::string::npos ? bytes.size() : end + 2;
        }
        return lines;
    }
    TempHome home{false};
};

TEST_F(ScoreSetTest, ThreeSheetsComeBackWithTheirResultsAnswersAndPoints) {
    const Workspace written = ThreeSheetRun();
    ASSERT_TRUE(WriteScoreSet(written, Folder(), "run"));

    Workspace read;
    const ScoreSetRead members = ReadScoreSet(read, Folder(), "run");
    EXPECT_TRUE(members.results && members.paper && members.records && members.answers && members.points);
    ExpectSameSheets(written, read);
    ASSERT_EQ(read.resultCount, 3);
    for (int r = 1; r <= 3; ++r) {
        for (int c = 0; c <= 20; ++c) EXPECT_EQ(read.results.Cell(r, c), written.results.Cell(r, c));
    }
    EXPECT_EQ(read.paper.testTotal, 3);
    EXPECT_EQ(read.paper.correctAnswer[2], "BC");
    EXPECT_EQ(read.paper.mark[3], 2);
    EXPECT_EQ(read.markOrder, (std::vector<std::int16_t>{0, 1, 2, 3}));
}

TEST_F(ScoreSetTest, FilesHaveTheFixedLayout) {
    ASSERT_TRUE(WriteScoreSet(ThreeSheetRun(), Folder(), "run"));
    const auto answers = Lines("run.DAN");
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[1], ",BC,AD" + std::string(497, ','));
    const auto points = Lines("run.FEN");
    EXPECT_EQ(points[0].substr(0, 12), " 2, 1.5, 0, ");
    EXPECT_EQ(points[1].substr(0, 11), " 0, 2,-.5, ");
    EXPECT_EQ(std::count(points[0].begin(), points[0].end(), ','), 499);
    const auto records = Lines("run.JAN");
    ASSERT_EQ(records.size(), 3u);
    std::string emptyFields;
    for (int f = 5; f <= kScoreFileFields; ++f) emptyFields += ",\"\"";
    EXPECT_EQ(records[1], "\"/scans/2.jpg\",\"\xD5\xFD\xB3\xA3\",\"\",\"-.5\"" + emptyFields);
    EXPECT_EQ(Lines("run.txt")[2], "\"\",\"\",\"6\",\"1\",\"6\"" + emptyFields.substr(0, 14 * 3));
}

TEST_F(ScoreSetTest, AnEmptySheetLineHoldsOnlyCommas) {
    Workspace ws;
    AddSheet(ws, {{"a.jpg"}, {}, {}});
    ASSERT_TRUE(WriteScoreSet(ws, Folder(), "empty"));
    EXPECT_EQ(Lines("empty.DAN"), std::vector<std::string>{std::string(499, ',')});
}

TEST_F(ScoreSetTest, SheetsBeyondTheResultRowsKeepTheirAnswers) {
    Workspace written = ThreeSheetRun();
    written.resultCount = 1;  // e.g. the merge skipped two sheets
    ASSERT_TRUE(WriteScoreSet(written, Folder(), "short"));
    Workspace read;
    ReadScoreSet(read, Folder(), "short");
    EXPECT_EQ(read.resultCount, 1);
    ExpectSameSheets(written, read);
}

TEST_F(ScoreSetTest, MoreResultRowsThanSheetsWritesTheOlderLayoutAndReadsBack) {
    Workspace written = ThreeSheetRun();
    for (int i = 0; i < 4; ++i) AddResult(written, {"100" + std::to_string(i), "absent"});
    ASSERT_TRUE(WriteScoreSet(written, Folder(), "long"));
    EXPECT_EQ(Lines("long.DAN").size(), 7u);  // one line per result row, as older readers expect
    Workspace read;
    ReadScoreSet(read, Folder(), "long");
    EXPECT_EQ(read.resultCount, 7);
    ExpectSameSheets(written, read);
}

TEST_F(ScoreSetTest, DamagedMemberFilesReadWithinTheLimits) {
    // A short second line does not shift the records after it.
    std::string records = "\"a.jpg\",\"ok\",\"1\",\"2\"\r\n\"b.jpg\"\r\n";
    for (int i = 0; i < kMaxSheets + 3; ++i) records += "\"c.jpg\",\"ok\",\"1\",\"2\"\r\n";
    WriteBytes(home / "bad.JAN", records);
    std::string answers;
    for (int q = 1; q <= 600; ++q) answers += (q > 1 ? "," : "") + std::string(q == 501 ? "X" : "A");
    answers += "\r\nB\r\n\"C\"\"junk,\"D\r\n";
    WriteBytes(home / "bad.DAN", answers);
    WriteBytes(home / "bad.FEN", "1e400,-1e39,abc, 2.5,-.25\r\n\xFF\x00\x81\r\n");
    WriteBytes(home / "bad.TXT", std::string("\x00\x01\x02\"", 4));

    Workspace ws;
    const ScoreSetRead members = ReadScoreSet(ws, Folder(), "bad");
    EXPECT_FALSE(members.paper);
    EXPECT_EQ(ws.MarkCount(), kMaxSheets);
    EXPECT_EQ(ws.Rec(2, kRecImage), "b.jpg");
    EXPECT_EQ(ws.Rec(2, kRecStatus), "");
    EXPECT_EQ(ws.Rec(3, kRecImage), "c.jpg");
    EXPECT_EQ(ws.Rec(3, kRecScore), "2");
    EXPECT_EQ(static_cast<int>(ws.markOrder.size()), kMaxSheets + 1);
    EXPECT_EQ(ws.Answer(500, 1), "A");
    EXPECT_EQ(ws.Answer(501, 1), "");  // question 501 of a 600-answer line is dropped
    EXPECT_EQ(ws.Answer(1, 2), "B");   // and the next line is still the next sheet
    EXPECT_EQ(ws.Answer(1, 3), "C");
    EXPECT_EQ(ws.Answer(2, 3), "D");
    EXPECT_EQ(ws.QuestionScore(1, 1), 0.0f);
    EXPECT_EQ(ws.QuestionScore(2, 1), 0.0f);
    EXPECT_EQ(ws.QuestionScore(3, 1), 0.0f);
    EXPECT_EQ(ws.QuestionScore(4, 1), 2.5f);
    EXPECT_EQ(ws.QuestionScore(5, 1), -0.25f);
    EXPECT_EQ(ws.QuestionScore(1, 2), 0.0f);
    EXPECT_EQ(ws.resultCount, 1);
}

TEST_F(ScoreSetTest, MissingMembersKeepSheetsWhole) {
    Workspace ws = ThreeSheetRun();
    ASSERT_TRUE(WriteScoreSet(ws, Folder(), "run"));
    fs::remove(home / "run.DAN");
    Workspace before;
    AddSheet(before, {{"old.jpg"}, {"Z"}, {9}});
    ReadScoreSet(before, Folder(), "run");
    EXPECT_EQ(before.MarkCount(), 3);
    EXPECT_EQ(before.Answer(1, 1), "");  // no stale answer of another sheet
    EXPECT_EQ(before.QuestionScore(2, 1), 1.5f);

    fs::remove(home / "run.JAN");
    Workspace kept;
    AddSheet(kept, {{"old.jpg"}, {"Z"}, {9}});
    const ScoreSetRead members = ReadScoreSet(kept, Folder(), "run");
    EXPECT_FALSE(members.records);
    EXPECT_EQ(kept.MarkCount(), 1);
    EXPECT_EQ(kept.Answer(1, 1), "Z");
    EXPECT_EQ(kept.QuestionScore(1, 1), 9.0f);
    EXPECT_EQ(kept.resultCount, 3);
}

TEST_F(ScoreSetTest, NamesThatLeaveTheFolderOrChangeTheExtensionAreRefused) {
    const Workspace ws = ThreeSheetRun();
    for (const char* name : {"a/b", "../up", "a.b", "a\\b", "c:d", ""}) {
        EXPECT_FALSE(WriteScoreSet(ws, Folder(), name)) << name;
        Workspace read;
        EXPECT_FALSE(ReadScoreSet(read, Folder(), name).records) << name;
    }
    EXPECT_TRUE(fs::is_empty(Folder()));
    EXPECT_FALSE(DeleteScoreSetFiles(Folder(), "../x"));
}

TEST_F(ScoreSetTest, AFailedSaveLeavesTheOldSetAsItWas) {
    ASSERT_TRUE(WriteScoreSet(ThreeSheetRun(), Folder(), "run"));
    const std::string oldAnswers = ReadBytes(home / "run.DAN");
    fs::remove(home / "run.JAN");
    fs::create_directories(home / "run.JAN" / "in the way");

    Workspace changed = ThreeSheetRun();
    changed.SetAnswer(1, 1, "E");
    EXPECT_FALSE(WriteScoreSet(changed, Folder(), "run"));
    EXPECT_EQ(ReadBytes(home / "run.DAN"), oldAnswers);
    for (const auto& entry : fs::directory_iterator(Folder())) {
        EXPECT_NE(entry.path().filename().string().front(), '.') << "temporary file left behind";
    }
}

TEST_F(ScoreSetTest, ExistingFilesAreReplacedWhateverTheirLetterCase) {
    WriteBytes(home / "RUN.TXT", "\"old\"\r\n");
    WriteBytes(home / "Run.cho", "");
    ASSERT_TRUE(WriteScoreSet(ThreeSheetRun(), Folder(), "run"));
    EXPECT_FALSE(fs::exists(home / "run.txt"));
    EXPECT_FALSE(fs::exists(home / "run.CHO"));
    Workspace read;
    ReadScoreSet(read, Folder(), "run");
    EXPECT_EQ(read.resultCount, 3);
    EXPECT_EQ(read.paper.testTotal, 3);
}

TEST_F(ScoreSetTest, NewMembersAreReadableByAllAndReplacedOnesKeepTheirPermissions) {
    WriteBytes(home / "run.CHO", "");
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write;
    fs::permissions(home / "run.CHO", shared);
    ASSERT_TRUE(WriteScoreSet(ThreeSheetRun(), Folder(), "run"));
    EXPECT_EQ(fs::status(home / "run.CHO").permissions(), shared);
    const auto usual = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    for (const char* member : {"run.txt", "run.DAN", "run.FEN", "run.JAN"}) {
        EXPECT_EQ(fs::status(home / member).permissions(), usual) << member;
    }
}

TEST_F(ScoreSetTest, DeleteRemovesWhatIsThere) {
    ASSERT_TRUE(WriteScoreSet(ThreeSheetRun(), Folder(), "run"));
    fs::remove(home / "run.DAN");
    EXPECT_TRUE(DeleteScoreSetFiles(Folder(), "run"));
    EXPECT_TRUE(fs::is_empty(Folder()));
}

}  // namespace
}  // namespace veltora
