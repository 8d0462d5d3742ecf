#include "app/profile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <random>

#include "app/encoding.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WriteBytes;

class Profile : public ::testing::Test {
protected:
    test::TempHome home{false};
    const fs::path file = home / "test.ini";
};

TEST_F(Profile, ReadsByTheLookupRules) {
    WriteBytes(file,
               "X=before any section\r\n"
               "[MAIN]\r\n"
               "X=1\r\n"
               "  Spaced  \t=  \"abc\"  \r\n"
               "single='q'\r\n"
               "mismatched=\"q'\r\n"
               "lone=\"\r\n"
               "inner=a \"b\" c\r\n"
               "equals=a=b\r\n"
               "empty=\r\n"
               "x=second of the same key\r\n"
               "no equals sign\r\n"
               "[ other ]\r\n"
               "X=2\r\n"
               "[main]\r\n"
               "X=second section of the same name\r\n"
               "Y=only in the second section\r\n"
               "[unclosed\r\n"
               "Z=3");
    const struct {
        std::string_view section, key, value;
    } cases[] = {
        {"Main", "X", "1"},          {"main", "x", "1"},        {"MAIN", "spaced", "abc"},
        {"Main", "single", "q"},     {"Main", "mismatched", "\"q'"}, {"Main", "lone", "\""},
        {"Main", "inner", "a \"b\" c"}, {"Main", "equals", "a=b"}, {"Main", "empty", ""},
        {"Main", "no equals sign", ""}, {"other", "X", "2"},    {" Other ", " x ", "2"},
        {"Main", "Y", ""},           {"unclosed", "Z", "3"},    {"Main", "missing", ""},
        {"missing", "X", ""},
    };
    const ProfileFile profile(file);
    for (const auto& c : cases) {
        EXPECT_EQ(profile.Read(c.section, c.key), c.value) << c.section << '/' << c.key;
        EXPECT_EQ(ReadProfile(c.section, c.key, file), c.value) << c.section << '/' << c.key;
    }
}

TEST_F(Profile, MissingFileReadsEmpty) {
    EXPECT_EQ(ReadProfile("main", "x", home / "missing.ini"), "");
    EXPECT_EQ(ReadProfile("main", "x", home.Path()), "");  // a folder is no profile
}

TEST_F(Profile, ReadsTheFileOnlyOnce) {
    WriteBytes(file, "[a]\r\nk=v\r\n");
    const ProfileFile profile(file);
    fs::remove(file);
    EXPECT_EQ(profile.Read("A", "K"), "v");
}

TEST_F(Profile, ValuesAreCutAfter255Bytes) {
    const std::string ascii(300, 'v');
    WriteBytes(file, "[s]\r\nk=" + ascii + "\r\nq=\"" + ascii + "\"\r\n");
    EXPECT_EQ(ReadProfile("s", "k", file), ascii.substr(0, 255));
    EXPECT_EQ(ReadProfile("s", "q", file), ascii.substr(0, 255));  // quotes go first

    // 150 two-byte characters: the 255th byte is the first half of the 128th character,
    // which is dropped with it rather than decoded into garbage.
    std::string chinese;
    for (int i = 0; i < 150; ++i) chinese += "\xBF\xBC";
    WriteBytes(file, "[s]\r\neven=" + chinese + "\r\nodd=a" + chinese + "\r\n");
    std::string expected;
    for (int i = 0; i < 127; ++i) expected += "考";
    EXPECT_EQ(ReadProfile("s", "even", file), expected);
    EXPECT_EQ(ReadProfile("s", "odd", file), "a" + expected);
}

TEST_F(Profile, GbkNamesAreComparedCharacterByCharacter) {
    // The second bytes 0x41 'A' / 0x61 'a' and 0x5D ']' belong to the characters, so
    // they neither fold to lower case nor close the section name.
    WriteBytes(file, "[\x81\x5D]\r\n\x81\x41=upper\r\n\xD6\xD0\xCE\xC4=\xD6\xD0\r\n");
    EXPECT_EQ(ReadProfile(GbkToUtf8("\x81\x5D"), GbkToUtf8("\x81\x41"), file), "upper");
    EXPECT_EQ(ReadProfile(GbkToUtf8("\x81\x5D"), GbkToUtf8("\x81\x61"), file), "");
    EXPECT_EQ(ReadProfile(GbkToUtf8("\x81\x5D"), "中文", file), "中");
}

TEST_F(Profile, DamagedFilesNeverFail) {
    std::string garbage;
    std::mt19937 random(11);
    for (int i = 0; i < 20000; ++i) garbage.push_back(static_cast<char>(random()));
    const struct {
        std::string_view name;
        std::string bytes;
        std::string value;  // of [s] k
    } cases[] = {
        {"binary garbage", garbage + "\n[s]\nk=v", "v"},
        {"invalid GBK", "[s]\r\nk=a\xFF\x80z\r\n", "a\xEF\xBF\xBD\xE2\x82\xACz"},
        {"no line end", "[s]\r\nk=last", "last"},
        {"LF only", "[s]\nk=lf\n", "lf"},
        {"doubled CR", "[s]\r\r\nk=cr\r\r\n", "cr"},
        {"NUL in value", std::string("[s]\r\nk=ab\0cd\r\n", 13), "ab"},
        {"10 MB line", "[s]\r\nk=" + std::string(10'000'000, 'x') + "\r\n", std::string(255, 'x')},
    };
    for (const auto& c : cases) {
        WriteBytes(file, c.bytes);
        EXPECT_EQ(ReadProfile("s", "k", file), c.value) << c.name;
        EXPECT_TRUE(WriteProfile("s", "new", "n", file)) << c.name;
        EXPECT_EQ(ReadProfile("s", "new", file), "n") << c.name;
        EXPECT_EQ(ReadProfile("s", "k", file), c.value) << c.name;
    }
}

TEST_F(Profile, WritingCreatesTheFileSectionAndKey) {
    EXPECT_TRUE(WriteProfile("Main", "X", "1", file));
    EXPECT_EQ(ReadBytes(file), "[Main]\r\nX=1\r\n");
    EXPECT_EQ(ReadProfile("main", "x", file), "1");
}

TEST_F(Profile, WritingKeepsEveryOtherLine) {
    WriteBytes(file,
               "; settings\n"
               "[USER]\r\n"
               "  Paper = 3\r\n"
               "Roster=1\r\n"
               "\r\n"
               "[admin]\r\n"
               "pwd=\r\n"
               "paper=untouched");
    ASSERT_TRUE(WriteProfile("user", "PAPER", "4", file));
    ASSERT_TRUE(WriteProfile("User", "ZIDONGBAOFEN", "1", file));
    ASSERT_TRUE(WriteProfile("FrmToWORD", "Table", "2", file));
    EXPECT_EQ(ReadBytes(file),
              "; settings\r\n"
              "[USER]\r\n"
              "  Paper =4\r\n"
              "Roster=1\r\n"
              "ZIDONGBAOFEN=1\r\n"
              "\r\n"
              "[admin]\r\n"
              "pwd=\r\n"
              "paper=untouched\r\n"
              "[FrmToWORD]\r\n"
              "Table=2\r\n");
}

TEST_F(Profile, WritingChangesOnlyTheFirstMatch) {
    WriteBytes(file, "[s]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n");
    ASSERT_TRUE(WriteProfile("S", "K", "9", file));
    EXPECT_EQ(ReadBytes(file), "[s]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n");
}

TEST_F(Profile, ChineseTextIsStoredAsGbk) {
    ASSERT_TRUE(WriteProfile("考试", "名称", "期中考试 一班", file));
    EXPECT_EQ(ReadBytes(file), "[\xBF\xBC\xCA\xD4]\r\n\xC3\xFB\xB3\xC6=\xC6\xDA\xD6\xD0\xBF\xBC\xCA\xD4 \xD2\xBB\xB0\xE0\r\n");
    EXPECT_EQ(ReadProfile("考试", "名称", file), "期中考试 一班");
}

TEST_F(Profile, UnstorableNamesAreRefusedAndValuesKeptOnOneLine) {
    WriteBytes(file, "[s]\r\nk=1\r\n");
    const struct {
        std::string_view section, key;
    } refused[] = {{"s", ""}, {"", "k"}, {"s", " \t"}, {"s", "a=b"}, {"s", "[k"},
                   {"s]", "k"}, {"s", "a\nb"}, {"s\rt", "k"}};
    for (const auto& r : refused) EXPECT_FALSE(WriteProfile(r.section, r.key, "v", file)) << r.key;
    EXPECT_EQ(ReadBytes(file), "[s]\r\nk=1\r\n");

    ASSERT_TRUE(WriteProfile("s", "k", "two\r\nlines", file));
    EXPECT_EQ(ReadBytes(file), "[s]\r\nk=two  lines\r\n");
}

TEST_F(Profile, ProfileFileWritesManyKeysAndSavesOnce) {
    std::optional<ProfileFile> profile = ProfileFile::Load(file);
    ASSERT_TRUE(profile);
    for (int i = 1; i <= 3; ++i) ASSERT_TRUE(profile->Write("Q" + std::to_string(i), "Mark", std::to_string(i)));
    ASSERT_TRUE(profile->Write("q2", "mark", "5"));
    EXPECT_EQ(profile->Read("Q2", "MARK"), "5");
    EXPECT_FALSE(fs::exists(file));
    ASSERT_TRUE(profile->Save(file));
    EXPECT_EQ(ReadBytes(file), "[Q1]\r\nMark=1\r\n[Q2]\r\nMark=5\r\n[Q3]\r\nMark=3\r\n");
}

TEST_F(Profile, OversizedFileIsNeverRewritten) {
    WriteBytes(file, "[s]\r\nk=1\r\n");
    fs::resize_file(file, ProfileFile::kMaxFileBytes + 1);  // sparse, so cheap
    EXPECT_FALSE(ProfileFile::Load(file));
    EXPECT_EQ(ReadProfile("s", "k", file), "");
    EXPECT_FALSE(WriteProfile("s", "k", "2", file));
    EXPECT_EQ(fs::file_size(file), ProfileFile::kMaxFileBytes + 1);
}

// Runs in a child process: the limit stays with it.
bool WriteWithFileSizeLimit(const fs::path& file) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{8, 8};
    setrlimit(RLIMIT_FSIZE, &limit);
    return WriteProfile("s", "k", "a value longer than the limit", file);
}

TEST_F(Profile, FailedWriteLeavesTheFileAsItWas) {
    const std::string original = "[s]\r\nk=1\r\n";
    WriteBytes(file, original);
    // A full disk, simulated by a file-size limit in a child process (works for any user).
    EXPECT_EXIT(std::_Exit(WriteWithFileSizeLimit(file) ? 1 : 0), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadBytes(file), original);
    EXPECT_EQ(std::distance(fs::directory_iterator(home.Path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
    // A write into a missing folder fails too.
    EXPECT_FALSE(WriteProfile("s", "k", "v", home / "missing" / "x.ini"));
}

TEST_F(Profile, ReadOnlyFolderWriteFailsAndKeepsTheFile) {
    const std::string original = "[s]\r\nk=1\r\n";
    WriteBytes(file, original);
    fs::permissions(home.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (access(home.Path().c_str(), W_OK) == 0) GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_FALSE(WriteProfile("s", "k", "2", file));
    EXPECT_EQ(ReadBytes(file), original);
}

}  // namespace
}  // namespace veltora
