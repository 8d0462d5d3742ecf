#pragma once
// How scoring code reaches the language file without depending on where it lives: the
// application passes AppContext::LangText, tests pass a table.
#include <functional>
#include <string>
#include <string_view>

namespace veltora {

using LangText = std::function<std::string(std::string_view section, std::string_view key)>;

}  // namespace veltora
