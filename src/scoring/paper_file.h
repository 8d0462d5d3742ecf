#pragma once
// The test-paper file: a profile file with the sections MAIN, CorrectAnswer, StandardScore,
// Mark, ScoringRate and SubjectiveQuestions.
#include <filesystem>

#include "app/profile.h"
#include "scoring/workspace.h"

namespace veltora {

// Writes the paper into `file`, updating an existing file key by key (keys it holds for
// questions above testTotal stay) and writing the whole file once, through a temporary
// file. False, with the file as it was, when the file exists but cannot be read or the
// new one cannot be written.
bool WritePaper(const TestPaper& paper, const std::filesystem::path& file);

// Fills the paper's stored fields from `profile`. Values beyond the data model are brought
// inside it: TestTotal to 0..500, ScoreParagraphSpacing below 1 to 10 (above the 16-bit
// range to its maximum), StandardScoreForAll outside 1..9 to 1, 16-bit values that do not
// fit to the nearest end of the range; a negative AnswerSheetType is ignored. The default
// standard also becomes scoringStandard[0] and decides usePerQuestionStandards.
void ReadPaper(TestPaper& paper, const ProfileFile& profile);
// A missing or unreadable file reads as empty: no questions.
void ReadPaper(TestPaper& paper, const std::filesystem::path& file);

}  // namespace veltora
