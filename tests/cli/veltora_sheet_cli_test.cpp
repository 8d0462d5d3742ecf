// The veltora-sheet tool as a user runs it: exit status, message and the file it writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tool_run.h"

namespace veltora {
namespace {

using test::ToolRun;

ToolRun RunSheetTool(const test::TempHome& home, const std::vector<std::string>& arguments) {
    return test::RunTool("veltora-sheet", home, arguments);
}

TEST(VeltoraSheet, WritesAFilledDegradedSheet) {
    test::TempHome home;
    const ToolRun run = RunSheetTool(home, {"--template", "xuanze60_kaohao8", "--answers", "A,BC,,D", "--examinee",
                                           "20250307", "--dpi", "100", "--turn", "90", "--rotate", "2",
                                           "--keystone", "0.9", "--light", "0.3", "--blur", "1", "--noise", "3",
                                           "--jpeg-quality", "40", "--seed", "5", "--out", (home / "sheet.png").string()});
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(test::ReadBytes(home / "sheet.png").substr(1, 3), "PNG");
}

TEST(VeltoraSheet, WritesJpegWithEitherWriterAndPdf) {
    test::TempHome home;
    for (const char* writer : {"own", "system"}) {
        const ToolRun run = RunSheetTool(home, {"--template", "ShuPai20", "--dpi", "60", "--jpeg-writer", writer,
                                               "--out", (home / "sheet.jpg").string()});
        ASSERT_EQ(run.status, 0) << run.errors;
        EXPECT_EQ(test::ReadBytes(home / "sheet.jpg").substr(0, 2), "\xFF\xD8");
    }
    const ToolRun pdf = RunSheetTool(home, {"--template", "ShuPai20", "--out", (home / "sheet.pdf").string()});
    ASSERT_EQ(pdf.status, 0) << pdf.errors;
    EXPECT_EQ(test::ReadBytes(home / "sheet.pdf").substr(0, 5), "%PDF-");
}

struct Refusal {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* message;
};

class VeltoraSheetRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(VeltoraSheetRefuses, WithAClearMessageAndNoFile) {
    test::TempHome home;
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.insert(arguments.end(), {"--out", (home / "sheet.png").string()});
    const ToolRun run = RunSheetTool(home, arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_NE(run.errors.find(GetParam().message), std::string::npos) << run.errors;
    EXPECT_FALSE(std::filesystem::exists(home / "sheet.png"));
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, VeltoraSheetRefuses,
    ::testing::Values(
        Refusal{"UnknownTemplate", {"--template", "NoSuchSheet"}, 1, "no template named \"NoSuchSheet\""},
        Refusal{"UnknownOption", {"--template", "ShuPai20", "--colour", "red"}, 2, "unknown option \"--colour\""},
        Refusal{"MissingTemplate", {"--dpi", "100"}, 2, "--template is required"},
        Refusal{"MissingValue", {"--template"}, 2, "--template needs a value"},
        Refusal{"DpiOutOfRange", {"--template", "ShuPai20", "--dpi", "5000"}, 2, "--dpi needs a number from 50 to 600"},
        Refusal{"NotANumber", {"--template", "ShuPai20", "--blur", "soft"}, 2, "--blur needs a number"},
        Refusal{"OddTurn", {"--template", "ShuPai20", "--turn", "45"}, 2, "--turn needs 0, 90, 180 or 270"},
        Refusal{"UnknownLetter", {"--template", "ShuPai20", "--answers", "A,Q"}, 1, "question 2 has no option \"Q\""},
        Refusal{"NoNumberBlock", {"--template", "ShuPai20", "--examinee", "12"}, 1, "more digits than the template's 0"},
        Refusal{"UnknownWriter", {"--template", "ShuPai20", "--jpeg-writer", "gimp"}, 2, "--jpeg-writer needs"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VeltoraSheet, RefusesImageEffectsForPdfAndUnknownFileTypes) {
    test::TempHome home;
    const ToolRun pdf = RunSheetTool(home, {"--template", "ShuPai20", "--blur", "2", "--out", (home / "s.pdf").string()});
    EXPECT_EQ(pdf.status, 2);
    EXPECT_NE(pdf.errors.find("--blur applies to image output"), std::string::npos) << pdf.errors;
    const ToolRun gif = RunSheetTool(home, {"--template", "ShuPai20", "--out", (home / "s.gif").string()});
    EXPECT_EQ(gif.status, 2);
    EXPECT_NE(gif.errors.find("--out must end in .png, .jpg or .pdf"), std::string::npos) << gif.errors;
}

}  // namespace
}  // namespace veltora
