#include "files/roster_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_home.h"

namespace veltora {
namespace {

using test::ReadBytes;
using test::TempHome;
using test::WriteBytes;

using Rows = std::vector<std::vector<std::string>>;

Rows RosterRows(const Workspace& ws) {
    Rows rows;
    for (int r = 1; r <= ws.rosterCount; ++r) {
        rows.push_back({ws.roster.Cell(r, kRosterNo), ws.roster.Cell(r, kRosterName), ws.roster.Cell(r, kRosterExtra),
                        ws.roster.Cell(r, kRosterFourth)});
    }
    return rows;
}

void SetRoster(Workspace& ws, const Rows& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int c = 0; c < 4; ++c) ws.roster.SetCell(static_cast<int>(i) + 1, c + 1, rows[i][static_cast<std::size_t>(c)]);
    }
    ws.rosterCount = static_cast<std::int16_t>(rows.size());
}

Rows ReadRosterBytes(const std::string& bytes) {
    TempHome home(false);
    WriteBytes(home / "r.txt", bytes);
    Workspace ws;
    EXPECT_TRUE(ReadRoster(ws, home / "r.txt"));
    EXPECT_EQ(ws.resultCount, ws.rosterCount);
    return RosterRows(ws);
}

TEST(RosterFile, WrittenAndReadBackGivesTheSameRowsWithTrimmedNumbers) {
    TempHome home(false);
    Workspace written;
    SetRoster(written, {{"  1001 ", "张三", "5", "x"}, {"1002", "Lee, Ann", "", ""}, {"1003", "王小明", "-2.5", "四"}});
    ASSERT_TRUE(WriteRoster(written, home / "class.txt"));

    // GBK on disk, CR LF line ends, every field quoted.
    const std::string bytes = ReadBytes(home / "class.txt");
    const std::string firstLine = "\"1001\",\"\xD5\xC5\xC8\xFD\",\"5\",\"x\"\r\n";
    EXPECT_EQ(bytes.substr(0, firstLine.size()), firstLine);

    Workspace read;
    ASSERT_TRUE(ReadRoster(read, home / "class.txt"));
    EXPECT_EQ(RosterRows(read), (Rows{{"1001", "张三", "5", "x"}, {"1002", "Lee, Ann", "", ""}, {"1003", "王小明", "-2.5", "四"}}));
    EXPECT_EQ(read.rosterCount, 3);
    EXPECT_EQ(read.resultCount, 3);
}

TEST(RosterFile, HandMadeFilesRead) {
    EXPECT_EQ(ReadRosterBytes("1001, Zhang ,3,\r\n1002,Li,,\r\n"), (Rows{{"1001", "Zhang", "3", ""}, {"1002", "Li", "", ""}}));
    // The last record lacks its fourth field.
    EXPECT_EQ(ReadRosterBytes("\"1\",\"A\",\"\",\"\"\r\n\"2\",\"B\",\"1\"\r\n"), (Rows{{"1", "A", "", ""}, {"2", "B", "1", ""}}));
}

TEST(RosterFile, DamagedFilesReadWithoutFailing) {
    // Truncated inside a quoted field: what is there is kept.
    EXPECT_EQ(ReadRosterBytes("\"1\",\"A\",\"\",\"\"\r\n\"2\",\"B"), (Rows{{"1", "A", "", ""}, {"2", "B", "", ""}}));
    // A stray quote only spoils its own line.
    EXPECT_EQ(ReadRosterBytes("\"1\",\"A\"\"x,\"\",\"\"\r\n\"2\",\"B\",\"\",\"\"\r\n"), (Rows{{"1", "A", "", ""}, {"2", "B", "", ""}}));
    // Invalid GBK bytes become replacement characters.
    const Rows invalid = ReadRosterBytes("\"1\",\"\x81\",\"\",\"\"\r\n");
    ASSERT_EQ(invalid.size(), 1u);
    EXPECT_EQ(invalid[0][1], "\xEF\xBF\xBD");
}

TEST(RosterFile, NoMoreThanTheRosterLimitIsRead) {
    std::string bytes;
    for (int r = 1; r <= kMaxRosterRows + 5; ++r) bytes += "\"" + std::to_string(r) + "\",\"n\",\"\",\"\"\r\n";
    const Rows rows = ReadRosterBytes(bytes);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kMaxRosterRows));
    EXPECT_EQ(rows.back()[0], std::to_string(kMaxRosterRows));
}

TEST(RosterFile, LoadingResetsResultsAndQuestionScores) {
    TempHome home(false);
    WriteBytes(home / "r.txt", "\"1\",\"A\",\"\",\"\"\r\n");
    Workspace ws;
    ws.AppendSheet("a.jpg");
    ws.SetAnswer(1, 1, "A");
    ws.SetQuestionScore(1, 1, 2.0f);
    ws.results.SetCell(5, kResName, "old");
    ASSERT_TRUE(ReadRoster(ws, home / "r.txt"));
    EXPECT_EQ(ws.QuestionScore(1, 1), 0.0f);
    EXPECT_EQ(ws.Answer(1, 1), "A");  // the marked sheets themselves stay
    EXPECT_EQ(ws.results.Cell(5, kResName), "");
}

TEST(RosterFile, MissingFileOrFolderChangesNothing) {
    TempHome home(false);
    Workspace ws;
    SetRoster(ws, {{"1", "A", "", ""}});
    ws.resultCount = 1;
    EXPECT_FALSE(ReadRoster(ws, home / "gone.txt"));
    EXPECT_FALSE(ReadRoster(ws, home.Path()));
    EXPECT_EQ(RosterRows(ws), (Rows{{"1", "A", "", ""}}));
}

TEST(RosterFile, FailedWriteKeepsTheOldFile) {
    TempHome home(false);
    WriteBytes(home / "ro" / "r.txt", "\"old\",\"\",\"\",\"\"\r\n");
    std::filesystem::permissions(home / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    Workspace ws;
    SetRoster(ws, {{"new", "", "", ""}});
    if (!WriteRoster(ws, home / "ro" / "r.txt")) {  // root may write anyway
        EXPECT_EQ(ReadBytes(home / "ro" / "r.txt"), "\"old\",\"\",\"\",\"\"\r\n");
    }
    std::filesystem::permissions(home / "ro", std::filesystem::perms::owner_all);
}

}  // namespace
}  // namespace veltora
