#pragma once
// Writes the lines of the record files: UTF-8 texts in memory become GBK fields on disk,
// each line ended by CR LF.
#include <string>
#include <string_view>
#include <vector>

namespace veltora {

// A record line: every field in double quotes, separated by commas. The format has no
// escape, so a double quote or a line end inside a field becomes a blank; otherwise it
// would split the field and shift every record after it.
std::string QuotedRecordLine(const std::vector<std::string>& fields);

// A line of bare fields separated by commas (answers and points). Commas, double quotes
// and line ends inside a field become blanks for the same reason.
std::string BareRecordLine(const std::vector<std::string>& fields);

// Text with surrounding blanks and tabs removed.
std::string Trimmed(std::string_view text);

}  // namespace veltora
