#pragma once
// Writing JSON values by hand: the dump needs only strings, numbers, lists and objects.
#include <string>
#include <string_view>

namespace veltora {

// `text` as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

}  // namespace veltora
