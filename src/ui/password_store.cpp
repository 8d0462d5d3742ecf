#include "ui/password_store.h"

#include "app/app_context.h"
#include "app/profile.h"
#include "app/trim_spaces.h"

namespace veltora {

std::string StoredPassword(const AppContext& context) {
    return TrimSpaces(ReadProfile("admin", "pwd", context.RegFile()));
}

bool StorePassword(const AppContext& context, std::string_view password) {
    return WriteProfile("admin", "pwd", password, context.RegFile());
}

}  // namespace veltora
