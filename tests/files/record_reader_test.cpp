#include "files/record_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "files/record_writer.h"

namespace veltora {
namespace {

using Records = std::vector<std::vector<std::string>>;

Records ReadAll(const std::string& bytes, int fieldsPerRecord) {
    std::istringstream in(bytes);
    RecordReader reader(in);
    Records records;
    while (!reader.NoMoreRecords() && records.size() < 100) records.push_back(reader.ReadRecord(fieldsPerRecord));
    return records;
}

struct RecordCase {
    const char* what;
    std::string bytes;
    Records expected;
};

class RecordReading : public testing::TestWithParam<RecordCase> {};

TEST_P(RecordReading, ReadsFieldsByTheRules) { EXPECT_EQ(ReadAll(GetParam().bytes, 3), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordReading,
    testing::Values(
        RecordCase{"quoted", "\"1\",\"a, b\",\"\"\r\n\"2\",\"c\",\"x\"\r\n", {{"1", "a, b", ""}, {"2", "c", "x"}}},
        RecordCase{"bare with blanks", "  1 ,\tname  , 3\r\n", {{"1", "name", "3"}}},
        RecordCase{"text after closing quote ignored", "\"1\"xyz,\"b\" ,c\n", {{"1", "b", "c"}}},
        RecordCase{"line end separates like a comma", "1,2\r\n3\r\n4,5,6\r\n", {{"1", "2", "3"}, {"4", "5", "6"}}},
        RecordCase{"short last record", "1,2,3\r\n4\r\n", {{"1", "2", "3"}, {"4", "", ""}}},
        RecordCase{"no final line end", "1,2,3", {{"1", "2", "3"}}},
        RecordCase{"blank lines between records", "1,2,3\r\n\r\n   \r\n4,5,6\r\n\r\n", {{"1", "2", "3"}, {"4", "5", "6"}}},
        RecordCase{"empty field after a comma at line end", "1,2,\r\n4,5,6\r\n", {{"1", "2", ""}, {"4", "5", "6"}}},
        RecordCase{"unclosed quote ends at the line end", "\"1,2,3\r\n4,5,6\r\n", {{"1,2,3", "4", "5"}, {"6", "", ""}}},
        RecordCase{"stray quote inside a bare field", "ab\"c,d,e\r\n", {{"ab\"c", "d", "e"}}},
        RecordCase{"lone CR and LF line ends", "1,2,3\r4,5,6\n7,8,9", {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}},
        RecordCase{"empty file", "", {}},
        RecordCase{"only blanks", " \r\n\t\r\n", {}}),
    [](const testing::TestParamInfo<RecordCase>& info) {
        std::string name = info.param.what;
        for (char& c : name) if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    });

TEST(RecordReading, GbkFieldsBecomeUtf8AndInvalidBytesDoNotFail) {
    // "张三" in GBK, then a lone lead byte and a byte GBK never uses.
    const auto records = ReadAll("\"\xD5\xC5\xC8\xFD\",\"\x81\",\"\xFF\"\r\n", 3);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0], "张三");
    EXPECT_FALSE(records[0][1].empty());
    EXPECT_FALSE(records[0][2].empty());
}

TEST(RecordReading, OverlongFieldIsCutAndTheNextFieldStillReads) {
    const auto records = ReadAll(std::string(kMaxFieldBytes + 1000, 'x') + ",next,last\r\n", 3);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][0].size(), kMaxFieldBytes);
    EXPECT_EQ(records[0][1], "next");
}

TEST(RecordReading, BinaryBytesReadWithoutFailing) {
    std::string bytes;
    for (int i = 0; i < 20000; ++i) bytes.push_back(static_cast<char>((i * 7919) % 256));
    const auto records = ReadAll(bytes, 4);
    EXPECT_LE(records.size(), 100u);
}

TEST(LineReading, KeepsLinesApartAndCapsTheFieldCount) {
    std::istringstream in(" A , B,,\r\n\r\n1,2,3,4,5,6\r\nlast");
    RecordReader reader(in);
    EXPECT_EQ(reader.ReadLine(4), (std::vector<std::string>{"A", "B", "", ""}));
    EXPECT_EQ(reader.ReadLine(4), (std::vector<std::string>{""}));  // an empty line is a line
    EXPECT_EQ(reader.ReadLine(4), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_FALSE(reader.NoMoreLines());
    EXPECT_EQ(reader.ReadLine(4), (std::vector<std::string>{"last"}));
    EXPECT_TRUE(reader.NoMoreLines());
}

TEST(RecordWriting, QuotesEveryFieldAndKeepsTheFormatWhole) {
    EXPECT_EQ(QuotedRecordLine({"1", "a, b", ""}), "\"1\",\"a, b\",\"\"\r\n");
    // A quote or line end inside a field would split it; it becomes a blank.
    EXPECT_EQ(QuotedRecordLine({"say \"hi\"", "two\r\nlines"}), "\"say  hi \",\"two  lines\"\r\n");
    EXPECT_EQ(BareRecordLine({"A", "", "B,C"}), "A,,B C\r\n");
    EXPECT_EQ(QuotedRecordLine({"张三"}), "\"\xD5\xC5\xC8\xFD\"\r\n");
}

TEST(RecordWriting, WrittenRecordsReadBackEqual) {
    const Records records = {{"007", "O'Neil, Ann", "3.5"}, {"张三", "", "x y"}};
    std::string bytes;
    for (const auto& record : records) bytes += QuotedRecordLine(record);
    EXPECT_EQ(ReadAll(bytes, 3), records);
}

}  // namespace
}  // namespace veltora
