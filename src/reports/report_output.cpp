#include "reports/report_output.h"

#include <system_error>

namespace veltora {

bool StageReport(StagedFile& staged,
                 const std::function<bool(const std::filesystem::path&)>& writeFile) {
    return staged.Ok() && staged.FinishWith([&](const std::filesystem::path& temp) {
        if (!writeFile(temp)) return false;
        using std::filesystem::perms;
        std::error_code error;
        std::filesystem::permissions(
            temp, perms::owner_read | perms::owner_write | perms::group_read | perms::others_read,
            error);
        return !error;
    });
}

}  // namespace veltora
