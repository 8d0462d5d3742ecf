#include "ui/password_store.h"

#include "app/app_context.h"
#include "app/profile.h"

namespace veltora {

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::string StoredPassword(const AppContext& context) {
    return TrimBlanks(ReadProfile("admin", "pwd", context.RegFile()));
}

bool StorePassword(const AppContext& context, std::string_view password) {
    return WriteProfile("admin", "pwd", password, context.RegFile());
}

}  // namespace veltora
