#include "workflow/save_as_name.h"

#include "files/file_names.h"
#include "files/record_writer.h"

namespace veltora {

SaveAsName AskSaveAsName(Host& host, const AppContext& ctx, const std::filesystem::path& folder,
                         std::string_view extension) {
    SaveAsName result;
    const auto answer = host.AskText(ctx.LangText("main", "QINGSHURUXINDEWENJIANMINGBUHANHOUZHUI"),
                                     ctx.LangText("main", "LINGCUNWEI"), "");
    result.name = Trimmed(answer.value_or(""));
    if (result.name.empty()) return result;

    const std::string fileName = result.name + std::string(extension);
    for (const auto& stored : ListFiles(folder, extension)) {
        result.exists = result.exists || EqualIgnoringCase(stored, fileName);
    }
    if (result.exists && !host.AskYesNo(ctx.LangText("main", "WENJIANYICUNZAISHIFOUYAOFUGAI"), "")) return result;

    result.step = IsStorableBaseName(result.name) ? SaveAsName::Step::Accepted : SaveAsName::Step::Refused;
    return result;
}

}  // namespace veltora
