#pragma once
// Names of the stored files: the data folders' listings and the checks on names the user
// types. Names and extensions match without regard to letter case, because stored data
// spell them variously.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/ascii_case.h"

namespace veltora {

// Names of the files in `folder` whose name ends with `extension` (e.g. ".CHO"), ordered
// by name without regard to letter case (names equal but for case keep byte order), so
// that positions in the lists stay the same from one run to the next. A missing folder
// lists nothing.
std::vector<std::string> ListFiles(const std::filesystem::path& folder, std::string_view extension);

// Position of `needle` in `text` ignoring ASCII letter case, or npos.
std::size_t FindIgnoringCase(std::string_view text, std::string_view needle);

// The part of a list entry before `extension` ("Unit3.CHO" -> "Unit3"); the whole entry
// when it has no such extension.
std::string BaseNameOf(std::string_view entry, std::string_view extension);

// `folder` / `name` for a file name (one component, no folder separator), spelt as an
// existing file that matches it without regard to letter case when there is one (an
// exact match first).
std::filesystem::path FileInFolder(const std::filesystem::path& folder, std::string_view name);

// A name that stays inside its folder: not empty, no "/", not "." or "..".
bool IsPlainFileName(std::string_view name);

// A name typed for a new file may hold neither a folder separator ("\" or "/"), a drive
// mark (":") nor an extension ("."): each would put the file elsewhere or under another
// name. Empty names are not storable either.
bool IsStorableBaseName(std::string_view name);

}  // namespace veltora
