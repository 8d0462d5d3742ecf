#include "files/record_writer.h"

#include <algorithm>

#include "app/encoding.h"

namespace veltora {

namespace {

std::string FieldBytes(const std::string& text, std::string_view unsafe) {
    std::string bytes = Utf8ToGbk(text);
    // GBK trail bytes are 0x40 and above, so these ASCII characters are always whole.
    std::replace_if(bytes.begin(), bytes.end(),
                    [unsafe](char c) { return unsafe.find(c) != std::string_view::npos; }, ' ');
    return bytes;
}

}  // namespace

std::string QuotedRecordLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += '"';
        line += FieldBytes(fields[i], "\"\r\n");
        line += '"';
    }
    line += "\r\n";
    return line;
}

std::string BareRecordLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        line += FieldBytes(fields[i], ",\"\r\n");
    }
    line += "\r\n";
    return line;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace veltora
