#include "scoring/paper_file.h"

#include <algorithm>
#include <string>

#include "app/number_text.h"
#include "app/text_to_number.h"
#include "scoring/clamped_int16.h"

namespace veltora {

namespace {

constexpr std::string_view kMain = "MAIN";
constexpr std::string_view kAnswers = "CorrectAnswer";
constexpr std::string_view kStandards = "StandardScore";
constexpr std::string_view kMarks = "Mark";
constexpr std::string_view kRates = "ScoringRate";
constexpr std::string_view kParams = "SubjectiveQuestions";
constexpr std::string_view kDefaultKey = "default";
constexpr int kStoredRows = 10;  // rows 0..9 of ScoringRate and StandardParams are stored
constexpr std::int16_t kEmptySpacingBecomes = 10;

// Numbers in the padded text form without its leading blank: 90, .5, -.25.
std::string PaperNumber(double value) {
    std::string text = PaddedNumberText(value);
    if (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

std::string CellKey(int question, int row) { return std::to_string(question) + "_" + std::to_string(row); }

}  // namespace

bool WritePaper(const TestPaper& paper, const std::filesystem::path& file) {
    std::optional<ProfileFile> profile = ProfileFile::Load(file);
    if (!profile) return false;
    const auto put = [&](std::string_view section, const std::string& key, const std::string& value) {
        profile->Write(section, key, value);
    };
    put(kMain, "AnswerSheetType", PaperNumber(paper.answerSheetType));
    put(kMain, "StandardScoreForAll", PaperNumber(paper.standardScoreForAll));
    put(kMain, "TestTotal", PaperNumber(paper.testTotal));
    put(kMain, "GRADE_A", PaperNumber(paper.gradeA));
    put(kMain, "GRADE_B", PaperNumber(paper.gradeB));
    put(kMain, "GRADE_C", PaperNumber(paper.gradeC));
    put(kMain, "GRADE_D", PaperNumber(paper.gradeD));
    put(kMain, "ScoreParagraphSpacing", PaperNumber(paper.scoreParagraphSpacing));

    const int n = std::clamp<int>(paper.testTotal, 0, kMaxQuestions);
    if (n > 0) {
        const auto perQuestion = [&](std::string_view section, const auto& valueOf) {
            put(section, std::string(kDefaultKey), valueOf(0));
            for (int i = 1; i <= n; ++i) put(section, std::to_string(i), valueOf(static_cast<std::size_t>(i)));
        };
        perQuestion(kAnswers, [&](std::size_t i) { return paper.correctAnswer[i]; });
        perQuestion(kStandards, [&](std::size_t i) { return PaperNumber(paper.scoringStandard[i]); });
        perQuestion(kMarks, [&](std::size_t i) { return PaperNumber(paper.mark[i]); });
        const auto table = [&](std::string_view section, const auto& rows) {
            for (int i = 0; i <= n; ++i)
                for (int k = 0; k < kStoredRows; ++k)
                    put(section, CellKey(i, k), PaperNumber(rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)]));
        };
        table(kRates, paper.scoringRate);
        table(kParams, paper.standardParams);
    }
    return profile->Save(file);
}

void ReadPaper(TestPaper& paper, const ProfileFile& profile) {
    const auto number = [&](std::string_view section, std::string_view key) {
        return TextToNumber(profile.Read(section, key));
    };
    if (const double type = number(kMain, "AnswerSheetType"); type >= 0) paper.answerSheetType = ClampedInt16(type);

    const std::int16_t standard = ClampedInt16(number(kMain, "StandardScoreForAll"));
    paper.standardScoreForAll = (standard >= 1 && standard <= kMaxStandard) ? standard : std::int16_t{1};
    paper.usePerQuestionStandards = paper.standardScoreForAll == kPerQuestionStandard;

    paper.testTotal = static_cast<std::int16_t>(std::clamp<int>(ClampedInt16(number(kMain, "TestTotal")), 0, kMaxQuestions));
    paper.gradeA = number(kMain, "GRADE_A");
    paper.gradeB = number(kMain, "GRADE_B");
    paper.gradeC = number(kMain, "GRADE_C");
    paper.gradeD = number(kMain, "GRADE_D");
    const std::int16_t spacing = ClampedInt16(number(kMain, "ScoreParagraphSpacing"));
    paper.scoreParagraphSpacing = spacing < 1 ? kEmptySpacingBecomes : spacing;

    const int n = paper.testTotal;
    if (n > 0) {
        // Each per-question section: "default", then question i or, when empty, the default.
        const auto perQuestion = [&](std::string_view section, const auto& store) {
            const std::string fallback = profile.Read(section, kDefaultKey);
            store(0, fallback);
            for (int i = 1; i <= n; ++i) {
                const std::string value = profile.Read(section, std::to_string(i));
                store(static_cast<std::size_t>(i), value.empty() ? fallback : value);
            }
        };
        perQuestion(kAnswers, [&](std::size_t i, const std::string& v) { paper.correctAnswer[i] = v; });
        perQuestion(kStandards, [&](std::size_t i, const std::string& v) { paper.scoringStandard[i] = ClampedInt16(TextToNumber(v)); });
        perQuestion(kMarks, [&](std::size_t i, const std::string& v) { paper.mark[i] = TextToNumber(v); });
        const auto table = [&](std::string_view section, auto& rows) {
            for (int i = 0; i <= n; ++i)
                for (int k = 0; k < kStoredRows; ++k)
                    rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] = number(section, CellKey(i, k));
        };
        table(kRates, paper.scoringRate);
        table(kParams, paper.standardParams);
    }
    paper.scoringStandard[0] = paper.standardScoreForAll;
}

void ReadPaper(TestPaper& paper, const std::filesystem::path& file) {
    ReadPaper(paper, ProfileFile(file));
}

}  // namespace veltora
