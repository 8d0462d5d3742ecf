#include "app/encoding.h"

#include <gtest/gtest.h>

namespace veltora {
namespace {

TEST(Encoding, ChineseTextRoundTrips) {
    const std::string text = "考号 Kaohao 试卷总分：100";
    const std::string gbk = Utf8ToGbk(text);
    EXPECT_EQ(gbk, "\xBF\xBC\xBA\xC5 Kaohao \xCA\xD4\xBE\xED\xD7\xDC\xB7\xD6\xA3\xBA" "100");
    EXPECT_EQ(GbkToUtf8(gbk), text);
}

TEST(Encoding, InvalidGbkBytesBecomeReplacementCharacters) {
    // 0xFF is never GBK; a lead byte at the very end has no second half.
    EXPECT_EQ(GbkToUtf8("a\xFF" "b\xBF"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
    // The byte after a rejected one is read afresh, so the valid character survives.
    EXPECT_EQ(GbkToUtf8("\xFF\xBF\xBC"), "\xEF\xBF\xBD考");
}

TEST(Encoding, TextGbkCannotHoldBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b");
    // Broken UTF-8 is replaced byte by byte and never swallows the following text.
    EXPECT_EQ(Utf8ToGbk("a\xE8" "bc"), "a?bc");
    EXPECT_EQ(Utf8ToGbk("\xC0\x80z"), "??z");
}

TEST(Encoding, EmptyAndAsciiPassUnchanged) {
    EXPECT_EQ(GbkToUtf8(""), "");
    EXPECT_EQ(Utf8ToGbk(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace
}  // namespace veltora
