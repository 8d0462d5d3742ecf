#include "support/temp_home.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace veltora::test {

namespace fs = std::filesystem;

fs::path AssembledHome() {
    if (const char* home = std::getenv("VELTORA_TEST_HOME")) return home;
    return fs::path(VELTORA_BINARY_DIR) / "Veltora";
}

TempHome::TempHome(bool withData) {
    std::random_device device;
    path_ = fs::temp_directory_path() / ("veltora-test-" + std::to_string(device()) + std::to_string(device()));
    fs::create_directories(path_);
    if (withData) {
        fs::copy(AssembledHome(), path_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
}

TempHome::~TempHome() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
    if (file.has_parent_path()) fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

}  // namespace veltora::test
