// veltora-mark as a user runs it, on a small class of sheets drawn by veltora-sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "cli/tool_run.h"
#include "reports/ooxml_reader.h"
#include "reports/workbook_writer.h"
#include "reports/word_report.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

using test::RunTool;
using test::ToolRun;

std::vector<std::string> Lines(const std::string& text, const std::string& end = "\n") {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = text.find(end, at);
        lines.push_back(text.substr(at, next - at));
        at = next == std::string::npos ? text.size() : next + end.size();
    }
    return lines;
}

// The fields of one CSV record (quoted fields with doubled quotes inside).
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') fields.back() += line[++i];
        else if (c == '"') quoted = !quoted;
        else if (c == ',' && !quoted) fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

constexpr const char* kPaper = "YingYu_DanYuan3.CHO";  // 60 questions on XuanZe60_KaoHao8
constexpr const char* kRoster = "GaoYi3Ban.txt";
constexpr int kQuestions = 60;
constexpr int kDigits = 8;

// Four readable sheets lying every way round and one truncated file, drawn once.
class VeltoraMark : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        home_ = std::make_unique<test::TempHome>();
        const fs::path folder = Sheets();
        fs::create_directories(folder);
        const char* turns[] = {"0", "90", "180", "270"};
        for (int i = 0; i < 4; ++i) {
            const ToolRun run = RunTool("veltora-sheet", *home_,
                                        {"--template", "XuanZe60_KaoHao8", "--dpi", "100", "--answers", "A,B,,CD,D",
                                         "--examinee", "2025030" + std::to_string(i + 1), "--turn", turns[i],
                                         "--noise", "3", "--seed", std::to_string(i + 1), "--out",
                                         (folder / ("sheet" + std::to_string(i + 1) + ".jpg")).string()});
            ASSERT_EQ(run.status, 0) << run.errors;
        }
        test::WriteBytes(folder / "torn.jpg", test::ReadBytes(folder / "sheet1.jpg").substr(0, 2000));
    }
    static void TearDownTestSuite() { home_.reset(); }
    static fs::path Sheets() { return *home_ / "sheets"; }
    static const test::TempHome& Home() { return *home_; }

    static std::unique_ptr<test::TempHome> home_;
};

std::unique_ptr<test::TempHome> VeltoraMark::home_;

TEST_F(VeltoraMark, TwoDecodeJobsGiveExactlyTheResultsOfOne) {
    std::vector<std::string> outputs, tables, dumps;
    for (const char* jobs : {"1", "2"}) {
        const fs::path csv = Home() / (std::string("jobs") + jobs + ".csv");
        const fs::path dump = Home() / (std::string("jobs") + jobs + ".json");
        const ToolRun run = RunTool("veltora-mark", Home(), {"--paper", kPaper, "--roster", kRoster, "--jobs", jobs,
                                                             "--csv", csv.string(), "--dump", dump.string(),
                                                             Sheets().string()});
        ASSERT_EQ(run.status, 0) << run.errors;
        outputs.push_back(run.output);
        tables.push_back(test::ReadBytes(csv));
        dumps.push_back(test::ReadBytes(dump));
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_EQ(tables[0], tables[1]);
    EXPECT_EQ(dumps[0], dumps[1]);
    EXPECT_NE(outputs[0].find("5 marked, 4 recognised, 1 not recognised"), std::string::npos) << outputs[0];
}

TEST_F(VeltoraMark, CsvHasOneQuotedRowPerSheetInMarkingOrder) {
    const fs::path csv = Home() / "sheets.csv";
    ASSERT_EQ(RunTool("veltora-mark", Home(), {"--paper", kPaper, "--csv", csv.string(), Sheets().string()}).status, 0);
    const std::vector<std::string> lines = Lines(test::ReadBytes(csv), "\r\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "image,status,examinee,score,answers");
    for (int i = 1; i <= 4; ++i) {
        const std::vector<std::string> fields = CsvFields(lines[static_cast<std::size_t>(i)]);
        ASSERT_EQ(fields.size(), 5u) << lines[static_cast<std::size_t>(i)];
        EXPECT_EQ(fs::path(fields[0]).filename(), "sheet" + std::to_string(i) + ".jpg");
        EXPECT_EQ(fields[2], "2025030" + std::to_string(i));
        EXPECT_EQ(fields[3].substr(0, 1), " ");
        EXPECT_NE(lines[static_cast<std::size_t>(i)].find(",\"" + fields[3] + "\","), std::string::npos)
            << "the score keeps its leading blank inside quotes";
        EXPECT_EQ(std::count(fields[4].begin(), fields[4].end(), '|'), kQuestions - 1);
        EXPECT_EQ(fields[4].substr(0, 9), "A|B||CD|D");
    }
    const std::vector<std::string> torn = CsvFields(lines[5]);
    EXPECT_EQ(fs::path(torn[0]).filename(), "torn.jpg");
    EXPECT_EQ(torn[2] + torn[3] + torn[4], "") << "an unread sheet has no number, score or answers";
}

TEST_F(VeltoraMark, DumpHasOneObjectPerSheetWithTheRecognitionValues) {
    const fs::path dump = Home() / "dump.json";
    ASSERT_EQ(RunTool("veltora-mark", Home(), {"--paper", kPaper, "--dump", dump.string(), Sheets().string()}).status, 0);
    const std::vector<std::string> lines = Lines(test::ReadBytes(dump));
    ASSERT_EQ(lines.size(), 5u);
    const char* keys[] = {"image", "ok", "orientation", "sample_step", "edge_strength", "brightest_grey",
                          "darkest_grey", "corners", "grid_mean", "grid_max", "grid_min", "darkness",
                          "examinee", "answers", "score"};
    const int orientations[] = {3, 2, 4, 1};
    for (int i = 0; i < 4; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        std::size_t at = 0;
        for (const char* key : keys) {
            at = line.find("\"" + std::string(key) + "\":", at);
            ASSERT_NE(at, std::string::npos) << key << " in " << line.substr(0, 200);
        }
        EXPECT_NE(line.find("\"ok\":true"), std::string::npos);
        EXPECT_NE(line.find("\"orientation\":" + std::to_string(orientations[i])), std::string::npos);
        EXPECT_NE(line.find("\"corners\":{\"tl\":["), std::string::npos);
        EXPECT_NE(line.find("\"examinee\":\"2025030" + std::to_string(i + 1) + "\""), std::string::npos);
        EXPECT_NE(line.find("\"answers\":[\"A\",\"B\",\"\",\"CD\",\"D\","), std::string::npos);
        // Every question's reference cell and options, every digit's ten cells.
        const std::size_t darkness = line.find("\"darkness\":[");
        const std::string cells = line.substr(darkness, line.find("]]", darkness) - darkness);
        std::size_t count = 0;
        for (std::size_t c = cells.find('['); c != std::string::npos; c = cells.find('[', c + 1)) ++count;
        EXPECT_EQ(count - 1, static_cast<std::size_t>(kQuestions * 5 + kDigits * 10));
    }
    const std::string& torn = lines[4];
    EXPECT_NE(torn.find("\"ok\":false"), std::string::npos);
    EXPECT_NE(torn.find("\"corners\":null"), std::string::npos);
    EXPECT_NE(torn.find("\"score\":\"\""), std::string::npos);
    EXPECT_NE(torn.find("\"error\":"), std::string::npos);
}

TEST_F(VeltoraMark, SavesTheScoreSetWhenAsked) {
    ASSERT_EQ(RunTool("veltora-mark", Home(), {"--paper", kPaper, "--roster", kRoster, "--save", "Class3",
                                               (Sheets() / "sheet2.jpg").string()})
                  .status,
              0);
    for (const char* extension : {".txt", ".CHO", ".DAN", ".FEN", ".JAN"})
        EXPECT_TRUE(fs::exists(Home() / "ChengJi" / (std::string("Class3") + extension))) << extension;
}

// The report files of one run, in a folder of their own.
struct ReportRun {
    ToolRun run;
    fs::path folder;
    fs::path Workbook() const { return folder / "class.xlsx"; }
    // Documents present, by table number.
    std::vector<int> Documents(const std::string& paperName) const {
        std::vector<int> tables;
        for (int n = 1; n <= kWordTables; ++n)
            if (fs::exists(WordReportFile(folder, paperName, n))) tables.push_back(n);
        return tables;
    }
};

ReportRun RunWithReports(const test::TempHome& home, const std::string& folderName, std::vector<std::string> arguments,
                         const std::string& docxTables) {
    ReportRun report{{}, home / folderName};
    fs::create_directories(report.folder);
    arguments.insert(arguments.end(), {"--xlsx", report.Workbook().string(), "--docx",
                                       report.folder.string() + docxTables});
    report.run = RunTool("veltora-mark", home, arguments);
    return report;
}

TEST_F(VeltoraMark, WritesTheWorkbookAndTheChosenDocumentsNamedAfterThePaper) {
    const ReportRun report =
        RunWithReports(Home(), "reports", {"--paper", kPaper, "--roster", kRoster, Sheets().string()}, ":1,3");
    ASSERT_EQ(report.run.status, 0) << report.run.errors;

    const std::vector<std::string> parts = test::ZipPartNames(report.Workbook());
    for (const std::string part : {"[Content_Types].xml", "xl/workbook.xml", "xl/worksheets/sheet10.xml"})
        EXPECT_NE(std::find(parts.begin(), parts.end(), part), parts.end()) << part;
    const std::vector<test::XlsxSheet> sheets = test::ReadWorkbook(report.Workbook());
    ASSERT_EQ(sheets.size(), 10u);
    EXPECT_EQ(sheets[0].Text("B2"), "YingYu_DanYuan3");

    EXPECT_EQ(report.Documents("YingYu_DanYuan3"), (std::vector<int>{1, 3}));
    const test::DocxContent results = test::ReadDocx(WordReportFile(report.folder, "YingYu_DanYuan3", 1));
    EXPECT_EQ(results.mainContentType, "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    ASSERT_FALSE(results.paragraphs.empty());
    EXPECT_EQ(results.paragraphs.front(), "YingYu_DanYuan3");
    for (int i = 1; i <= 4; ++i) {
        const std::string number = "2025030" + std::to_string(i);
        const auto row = std::find_if(results.table.begin(), results.table.end(),
                                      [&](const auto& cells) { return !cells.empty() && cells[0] == number; });
        ASSERT_NE(row, results.table.end()) << number;
        EXPECT_NE((*row)[4], "") << number << " has its sheet score";
    }
    const test::DocxContent analysis = test::ReadDocx(WordReportFile(report.folder, "YingYu_DanYuan3", 3));
    ASSERT_GE(analysis.table.size(), 22u);
    EXPECT_EQ(analysis.table[1][2], " 0 <= AND < 10");
}

TEST_F(VeltoraMark, NamesTheReportsAfterTheSavedScoreSetAndWritesAllFourByDefault) {
    const ReportRun report = RunWithReports(
        Home(), "saved", {"--paper", kPaper, "--roster", kRoster, "--save", "Class4", Sheets().string()}, "");
    ASSERT_EQ(report.run.status, 0) << report.run.errors;
    EXPECT_EQ(test::ReadWorkbook(report.Workbook()).at(0).Text("B2"), "Class4");
    EXPECT_EQ(report.Documents("Class4"), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(VeltoraMark, AReportThatCannotBeMadeLeavesNoFileAndPrintsTheLanguageText) {
    // One unreadable sheet and no roster: no result rows, so neither the workbook nor the
    // results document can be made, and the paper analysis is held back with them.
    const ReportRun report =
        RunWithReports(Home(), "empty", {"--paper", kPaper, (Sheets() / "torn.jpg").string()}, ":1,4");
    EXPECT_EQ(report.run.status, 1);
    const AppContext ctx(Home().Path());
    EXPECT_NE(report.run.errors.find(report.Workbook().string() + ": " + ctx.LangText("main", kWorkbookFailureKey)),
              std::string::npos)
        << report.run.errors;
    EXPECT_NE(report.run.errors.find(ctx.LangText("main", kWordFailureKey)), std::string::npos) << report.run.errors;
    EXPECT_TRUE(fs::is_empty(report.folder)) << "no report and no temporary file is left";
}

struct Refusal {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* message;
};

class VeltoraMarkRefuses : public VeltoraMark, public ::testing::WithParamInterface<Refusal> {};

TEST_P(VeltoraMarkRefuses, WithAClearMessage) {
    const Refusal& refusal = GetParam();
    std::vector<std::string> arguments = refusal.arguments;
    for (std::string& argument : arguments)
        if (argument == "SHEETS") argument = Sheets().string();
    const ToolRun run = RunTool("veltora-mark", Home(), arguments);
    EXPECT_EQ(run.status, refusal.status) << run.errors;
    EXPECT_NE(run.errors.find(refusal.message), std::string::npos) << run.errors;
    EXPECT_EQ(run.output, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VeltoraMarkRefuses,
    ::testing::Values(
        Refusal{"NoPaper", {"SHEETS"}, 2, "--paper is required"},
        Refusal{"NoImages", {"--paper", kPaper}, 2, "no image folder or file"},
        Refusal{"UnknownOption", {"--paper", kPaper, "--fast", "1", "SHEETS"}, 2, "unknown option \"--fast\""},
        Refusal{"JobsOutOfRange", {"--paper", kPaper, "--jobs", "0", "SHEETS"}, 2, "--jobs needs a whole number"},
        Refusal{"SaveNameWithExtension", {"--paper", kPaper, "--save", "a.b", "SHEETS"}, 2, "--save needs a plain name"},
        Refusal{"CsvInMissingFolder", {"--paper", kPaper, "--csv", "/nonexistent/x.csv", "SHEETS"}, 2, "does not exist"},
        Refusal{"XlsxInMissingFolder", {"--paper", kPaper, "--xlsx", "/nonexistent/x.xlsx", "SHEETS"}, 2,
                "does not exist"},
        Refusal{"DocxInMissingFolder", {"--paper", kPaper, "--docx", "/nonexistent:1", "SHEETS"}, 2,
                "the folder \"/nonexistent\" does not exist"},
        Refusal{"DocxTableFive", {"--paper", kPaper, "--docx", ".:5", "SHEETS"}, 2, "--docx needs the tables"},
        Refusal{"DocxTableLetter", {"--paper", kPaper, "--docx", ".:x", "SHEETS"}, 2, "--docx needs the tables"},
        Refusal{"DocxEmptyTableList", {"--paper", kPaper, "--docx", ".:1,", "SHEETS"}, 2, "--docx needs the tables"},
        Refusal{"MissingImages", {"--paper", kPaper, "/nonexistent/sheets"}, 2, "no such image file or folder"},
        Refusal{"MissingPaper", {"--paper", "Nothing.CHO", "SHEETS"}, 1, "test paper \"Nothing.CHO\" not found"},
        Refusal{"MissingRoster", {"--paper", kPaper, "--roster", "Nobody.TXT", "SHEETS"}, 1,
                "roster \"Nobody.TXT\" not found"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VeltoraMark, RefusesAPaperWhoseTemplateIsMissing) {
    test::WriteBytes(Home() / "ShiJuan" / "Stray.CHO", "[MAIN]\r\nAnswerSheetType=9\r\nTestTotal=1\r\n");
    const ToolRun run = RunTool("veltora-mark", Home(), {"--paper", "Stray.CHO", Sheets().string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("names answer-sheet type 9"), std::string::npos) << run.errors;
}

}  // namespace
}  // namespace veltora
