#pragma once
// The examinee-number check of the marking list: sheets sharing a number and sheets whose
// number is the single digit 0 are flagged in their status field.
#include "app/app_context.h"
#include "scoring/workspace.h"

namespace veltora {

// First every earlier check result (duplicate, invalid) goes back to normal; then a
// number that is exactly "0" is flagged invalid, and every sheet whose number (compared
// as exact text) another sheet also carries is flagged duplicate, when that number reads
// as greater than 0. Sheets that could not be recognised keep their status unless their
// number is flagged. Nothing happens with an empty list.
void CheckExamineeNumbers(Workspace& ws, const AppContext& ctx);

}  // namespace veltora
