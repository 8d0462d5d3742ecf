#include "scoring/answer_text.h"

#include <gtest/gtest.h>

namespace veltora {
namespace {

TEST(AnswerText, TrimsSpacesOnly) {
    EXPECT_EQ(TrimSpaces("  AB "), "AB");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces("\tA"), "\tA");
}

TEST(AnswerText, ComparesCharactersNotBytesAndFoldsAsciiCase) {
    EXPECT_EQ(FoldedCharacters("a对b").size(), 3u);
    EXPECT_TRUE(SameLettersIgnoringCase("ab", "AB"));
    EXPECT_FALSE(SameLettersIgnoringCase("AB", "BA"));
    EXPECT_TRUE(ContainsLetter("x对", U'对'));
    EXPECT_TRUE(ContainsLetter("abc", U'C'));
    EXPECT_FALSE(ContainsLetter("错", U'A'));
    // A broken sequence is kept as its own character, never read past the end.
    EXPECT_EQ(FoldedCharacters(std::string_view("\xE5\xAF", 2)).size(), 2u);
}

}  // namespace
}  // namespace veltora
