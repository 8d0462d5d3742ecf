#pragma once
// The "Save as" dialogue shared by papers, rosters and score sets: ask for a new name,
// confirm replacing a stored file of that name, refuse names that are no plain file name.
#include <filesystem>
#include <string>
#include <string_view>

#include "app/app_context.h"
#include "workflow/host.h"

namespace veltora {

struct SaveAsName {
    enum class Step { Cancelled, Refused, Accepted };
    Step step = Step::Cancelled;
    std::string name;       // without surrounding blanks and without extension
    bool exists = false;    // a file name + extension is already stored in the folder
};

// Asks (prompt "QINGSHURUXINDEWENJIANMINGBUHANHOUZHUI", title "LINGCUNWEI"); an empty
// answer cancels. A name whose file already exists in `folder` (matched without regard to
// letter case) is confirmed with "WENJIANYICUNZAISHIFOUYAOFUGAI"; No cancels. A name that
// is not storable (IsStorableBaseName) is refused; the caller shows "WENJIANMINGCHUCUO".
SaveAsName AskSaveAsName(Host& host, const AppContext& ctx, const std::filesystem::path& folder,
                         std::string_view extension);

}  // namespace veltora
