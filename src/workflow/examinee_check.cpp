#include "workflow/examinee_check.h"

#include <string>
#include <unordered_map>

#include "app/text_to_number.h"
#include "workflow/marking_keys.h"

namespace veltora {

void CheckExamineeNumbers(Workspace& ws, const AppContext& ctx) {
    const int count = ws.MarkCount();
    if (count == 0) return;
    const std::string normal = ctx.LangText("main", kStatusNormalKey);
    const std::string duplicate = ctx.LangText("main", kStatusDuplicateKey);
    const std::string invalid = ctx.LangText("main", kStatusInvalidKey);

    for (int i = 1; i <= count; ++i) {
        if (ws.Rec(i, kRecStatus) == duplicate) ws.SetRec(i, kRecStatus, normal);
        if (ws.Rec(i, kRecStatus) == invalid) ws.SetRec(i, kRecStatus, normal);
        if (ws.Rec(i, kRecExamineeNo) == "0") ws.SetRec(i, kRecStatus, invalid);
    }
    // Each sheet looks for the next sheet with its number, so every member of a group of
    // equal numbers ends up flagged: counting the members gives the same result in one pass.
    std::unordered_map<std::string, int> sheetsPerNumber;
    for (int i = 1; i <= count; ++i) ++sheetsPerNumber[ws.Rec(i, kRecExamineeNo)];
    for (int i = 1; i <= count; ++i) {
        const std::string& number = ws.Rec(i, kRecExamineeNo);
        if (sheetsPerNumber[number] > 1 && TextToNumber(number) > 0) ws.SetRec(i, kRecStatus, duplicate);
    }
}

}  // namespace veltora
