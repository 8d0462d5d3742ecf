#include "reports/spoken_score.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/temp_home.h"

namespace veltora {
namespace {

struct ScoreCase {
    double score;
    std::vector<std::string> sounds;  // without ".wav"
};

class SpeakNumberTest : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(SpeakNumberTest, ReadsTheNumberTheChineseWay) {
    std::vector<std::string> expected;
    for (const std::string& s : GetParam().sounds) expected.push_back(s + ".wav");
    EXPECT_EQ(SpeakNumber(GetParam().score), expected) << GetParam().score;
}

INSTANTIATE_TEST_SUITE_P(
    Scores, SpeakNumberTest,
    ::testing::Values(ScoreCase{0, {"0"}}, ScoreCase{7, {"7"}}, ScoreCase{10, {"10"}}, ScoreCase{15, {"10", "5"}},
                      ScoreCase{20, {"2", "10"}}, ScoreCase{87.5, {"8", "10", "7", "dian", "5"}},
                      ScoreCase{99.75, {"9", "10", "9", "dian", "7", "5"}}, ScoreCase{100, {"1", "100"}},
                      ScoreCase{101, {"1", "100", "0", "1"}}, ScoreCase{110, {"1", "100", "1", "10"}},
                      ScoreCase{120, {"1", "100", "2", "10"}}, ScoreCase{0.5, {"0", "dian", "5"}},
                      ScoreCase{87.125, {}}, ScoreCase{1000, {}},
                      ScoreCase{999.99, {"9", "100", "9", "10", "9", "dian", "9", "9"}},
                      ScoreCase{0.1 + 0.2, {"0", "dian", "3"}},  // single precision hides the noise
                      ScoreCase{-5, {}}, ScoreCase{-0.5, {}},
                      ScoreCase{std::numeric_limits<double>::quiet_NaN(), {}}));

struct RecordingPlayer : SoundPlayer {
    std::vector<std::string> played;
    void PlayToEnd(const std::filesystem::path& file) override { played.push_back(file.filename().string()); }
};

TEST(PlaySpokenScore, PlaysInOrderAndSkipsMissingFiles) {
    test::TempHome home(false);
    for (const char* name : {"8.wav", "10.WAV", "dian.wav", "5.wav"}) test::WriteBytes(home / "sys" / name, "RIFF");
    RecordingPlayer player;
    EXPECT_EQ(PlaySpokenScore(87.5, home / "sys", player), 4);  // "7.wav" is missing
    EXPECT_EQ(player.played, (std::vector<std::string>{"8.wav", "10.WAV", "dian.wav", "5.wav"}));
}

TEST(PlaySpokenScore, TheShippedSoundsAreComplete) {
    RecordingPlayer player;
    const auto sys = test::AssembledHome() / "sys";
    EXPECT_EQ(PlaySpokenScore(999.99, sys, player), 8);
    EXPECT_EQ(PlaySpokenScore(110.5, sys, player), 6);
    EXPECT_EQ(PlaySpokenScore(0, sys, player), 1);
}

}  // namespace
}  // namespace veltora
