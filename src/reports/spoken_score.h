#pragma once
// Announcing a sheet's total aloud from recorded sound files, in the order a number is
// read in Chinese: 87.5 is "8 10 7 dian 5". The files live in the sys folder: "0.wav" ..
// "9.wav", "10.wav" (ten), "100.wav" (hundred), "dian.wav" (decimal point).
#include <filesystem>
#include <string>
#include <vector>

namespace veltora {

// The sound files that announce `score`, in playing order. Nothing (silence, no beep in
// its place) for a total above 999.99, with three or more decimals, negative, or not a
// number: such totals have no spoken form in the recorded set.
std::vector<std::string> SpeakNumber(double score);

// Plays sound files one after another; each call returns when its sound has ended.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlayToEnd(const std::filesystem::path& file) = 0;
};

// Plays the announcement of `score` with the files of `soundFolder` (matched without
// regard to letter case). A missing file is skipped and the rest still play. Returns the
// number of files played.
int PlaySpokenScore(double score, const std::filesystem::path& soundFolder, SoundPlayer& player);

}  // namespace veltora
