#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_home.h"
#include "workflow/examinee_check.h"
#include "workflow/marking_keys.h"

namespace veltora {
namespace {

// Statuses by letter: N normal, U unreadable, D duplicate, I invalid, - not yet marked.
struct CheckCase {
    const char* name;
    std::vector<std::string> numbers;
    std::string statusesBefore;
    std::string statusesAfter;
};

class ExamineeCheck : public ::testing::TestWithParam<CheckCase> {};

std::string StatusKey(char letter) {
    switch (letter) {
        case 'N': return std::string(kStatusNormalKey);
        case 'U': return std::string(kStatusUnreadableKey);
        case 'D': return std::string(kStatusDuplicateKey);
        case 'I': return std::string(kStatusInvalidKey);
        default: return "";
    }
}

TEST_P(ExamineeCheck, FlagsDuplicateAndInvalidNumbers) {
    const CheckCase& c = GetParam();
    test::TempHome home;
    const AppContext ctx(home.Path());
    const auto text = [&](char letter) {
        const std::string key = StatusKey(letter);
        return key.empty() ? std::string() : ctx.LangText("main", key);
    };
    Workspace ws;
    for (std::size_t i = 0; i < c.numbers.size(); ++i) {
        const int entry = ws.AppendSheet("sheet" + std::to_string(i) + ".jpg");
        ws.SetRec(entry, kRecExamineeNo, c.numbers[i]);
        ws.SetRec(entry, kRecStatus, text(c.statusesBefore[i]));
    }
    CheckExamineeNumbers(ws, ctx);
    for (std::size_t i = 0; i < c.numbers.size(); ++i)
        EXPECT_EQ(ws.Rec(static_cast<int>(i) + 1, kRecStatus), text(c.statusesAfter[i])) << "sheet " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExamineeCheck,
    ::testing::Values(
        CheckCase{"ThreeEqualNumbersAllFlagged", {"101", "102", "101", "101"}, "NNNN", "DNDD"},
        CheckCase{"SingleZeroIsInvalid", {"0", "00", "1"}, "NNN", "INN"},
        CheckCase{"ZeroValuedNumbersAreNotDuplicates", {"00", "00", "", ""}, "NNUU", "NNUU"},
        CheckCase{"ComparedAsExactText", {"12", "12 ", "012"}, "NNN", "NNN"},
        CheckCase{"EarlierFlagsAreCleared", {"7", "8", "9"}, "DIU", "NNU"},
        CheckCase{"UnreadableStatusGivesWayToTheFlag", {"5", "5"}, "UN", "DD"},
        CheckCase{"NotYetMarkedKeepsItsEmptyStatus", {"", "3"}, "--", "--"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace veltora
