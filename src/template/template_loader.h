#pragma once
// Reading an answer-sheet template file "DaTiKa/<name>.DTK" into the template model.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "template/template_model.h"

namespace veltora {

// The file of template `name` (surrounding blanks removed): "DaTiKa/<name>.DTK", matched
// without regard to letter case. Nothing when `name` contains a folder separator, which
// would lead out of the template folder. The file need not exist.
std::optional<std::filesystem::path> TemplateFilePath(const AppContext& context, std::string_view name);

// Loads the template `name` (surrounding blanks removed) into `model`. Returns false and
// leaves `model` unchanged when the file does not exist or `name` is not a plain file name
// (it contains a folder separator). Otherwise replaces every count and item array and the
// return entries 1..50 of sets 1..ReturnCounts; other return entries keep what an earlier
// load left. Values are not checked here: see ValidateTemplate.
bool LoadTemplate(const AppContext& context, std::string_view name, TemplateModel& model);

// The integer reading of a template value: TextToNumber, then the nearest 16-bit integer,
// halves to even. A number beyond the 16-bit range saturates at the nearer bound, which
// lies beyond every limit of the data model, so ValidateTemplate refuses it instead of a
// silently wrapped value slipping through.
std::int16_t TemplateInteger(std::string_view text);

}  // namespace veltora
