#pragma once
// The administrator password: key "pwd" of section "admin" in sys/reg.cho, plain text.
#include <string>
#include <string_view>

namespace veltora {

class AppContext;

// The stored password without leading and trailing blanks; "" when none is set.
std::string StoredPassword(const AppContext& context);

// False when the write failed; the stored password is then unchanged.
bool StorePassword(const AppContext& context, std::string_view password);

}  // namespace veltora
