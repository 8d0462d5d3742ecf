#pragma once
// The paper commands around scoring standards: the two standard lists, the remark text of
// a question's parameters, choosing standards, the parameter form as data, and setting
// marks or standards for a range of questions. Commands return the language key of the
// message to show ("" when done); the user interface looks it up and shows it.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/lang_text.h"
#include "scoring/workspace.h"

namespace veltora {

inline constexpr std::string_view kStandardTextSection = "biaozhundaan";
// Section of the range commands' messages.
inline constexpr std::string_view kRangeMessageSection = "BiaoZhunDaAn";
inline constexpr int kDefaultStandardEntries = 9;
inline constexpr int kQuestionStandardEntries = 8;

// Entries 1..9 of the default-standard list (element k-1 is entry k).
std::vector<std::string> DefaultStandardList(const LangText& lang);
// Entries 1..8 of the question-standard list: "BIAOZHUN" text followed by " 1" .. " 8".
std::vector<std::string> QuestionStandardList(const LangText& lang);

// The remark describing the parameters of question i's own standard (i = 0 describes the
// default column); "" for standards without parameters or an index outside 0..501.
std::string QuestionRemark(const TestPaper& paper, int i, const LangText& lang);

// ---- Parameter form ----
enum class ParamPanel { None, Deduction, OptionPoints };
ParamPanel PanelOf(int standard);  // 5, 8: Deduction; 6, 7: OptionPoints

// The form: shows ParamEdit (standard and values), returns true when closed with OK after
// storing the accepted values in it. The UI implements it with its dialog.
using ParamForm = std::function<bool(ParamEdit&)>;

// Reads the form's text boxes into `edit` the way OK does: boxes[0] is the deduction box,
// boxes[1..9] the option boxes; only the panel of edit.standard is read.
void AcceptParamTexts(ParamEdit& edit, const std::array<std::string, 10>& boxes);

// Loads column `column` (0..501) into ws.paramEdit, shows the form unless it is already
// open, and on OK copies rows 0..9 back into the column. Returns whether it was accepted.
bool EditParameters(Workspace& ws, int standard, int column, const ParamForm& form);

// ---- Choosing standards ----
// Entry 1..9 of the default-standard list; other entries are ignored (false).
// `fillingLists` is true while the program itself selects the entry when showing a paper,
// which never opens the parameter form.
bool ChooseDefaultStandard(Workspace& ws, int entry, bool fillingLists, const ParamForm& form);

// Entry 1..8 of the question-standard list for question `row` (1..testTotal).
// `listOpenedForRow` is true when the list was opened for this row, which lets a standard
// above 4 open the parameter form for the question's column. Marks the paper changed.
bool ChooseQuestionStandard(Workspace& ws, int row, int entry, bool listOpenedForRow,
                            const ParamForm& form);

// ---- Range commands ----
// Both return "" when done, else the message key (section kRangeMessageSection); a refused
// command changes nothing. `from` and `to` are the numbers typed in the boxes, taken as
// question numbers (nearest whole number, halves to even) before they are checked.
std::string SetMarksForRange(Workspace& ws, double from, double to, double marks);
// `chosen` is the entry (1..8) of the standard list, 0 when none is selected.
std::string SetStandardForRange(Workspace& ws, double from, double to, int chosen,
                                const ParamForm& form);

}  // namespace veltora
