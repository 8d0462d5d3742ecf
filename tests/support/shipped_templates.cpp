#include "support/shipped_templates.h"

#include <algorithm>
#include <filesystem>

#include "support/temp_home.h"

namespace veltora::test {

std::vector<std::string> ShippedTemplateNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(AssembledHome() / "DaTiKa"))
        if (entry.path().extension() == ".DTK") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace veltora::test
