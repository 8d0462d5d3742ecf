#pragma once
// Conversion at the file boundary: files are GBK (code page 936), memory is UTF-8.
#include <string>
#include <string_view>

namespace veltora {

// Bytes that are not valid GBK become U+FFFD; never fails.
std::string GbkToUtf8(std::string_view gbk);
// Characters GBK cannot hold become '?'; never fails.
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace veltora
