#pragma once
// Writing one finished report file: a writer with its own file API fills a temporary file
// beside the target, which replaces the target only when the writer succeeded.
#include <filesystem>
#include <functional>

#include "files/staged_file.h"

namespace veltora {

// Lets `writeFile` write the whole file at the temporary path and gives it the usual
// rw-r--r-- permissions. The staged file stays uncommitted; false when anything failed.
bool StageReport(StagedFile& staged,
                 const std::function<bool(const std::filesystem::path&)>& writeFile);

}  // namespace veltora
