#include "cli/mark/terminal_host.h"

#include <string>

namespace veltora {

namespace {
constexpr int kBarWidth = 40;
}

void TerminalHost::EndBar() {
    if (!barShown_) return;
    out_ << "\r\033[K" << std::flush;
    barShown_ = false;
}

void TerminalHost::ShowMessage(const std::string& text) {
    EndBar();
    out_ << "veltora-mark: " << text << '\n';
}

bool TerminalHost::AskYesNo(const std::string&, const std::string&) { return false; }

std::optional<std::string> TerminalHost::AskText(const std::string&, const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<std::filesystem::path> TerminalHost::ChooseFile(const std::string&, const std::string&) {
    return std::nullopt;
}

std::optional<std::filesystem::path> TerminalHost::ChooseFolder(const std::string&, const std::filesystem::path&) {
    return std::nullopt;
}

void TerminalHost::Progress(int done, int total, const std::string& text) {
    if (total <= 0 || done <= 0) {
        EndBar();
        return;
    }
    if (!terminal_) {
        out_ << text << '\n';
        return;
    }
    const int filled = static_cast<int>(static_cast<long long>(kBarWidth) * done / total);
    out_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << text << std::flush;
    barShown_ = true;
}

void TerminalHost::ShowTip(const std::string& text) {
    EndBar();
    out_ << text << '\n';
}

}  // namespace veltora
