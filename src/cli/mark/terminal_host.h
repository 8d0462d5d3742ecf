#pragma once
// The Host of veltora-mark: messages and tips on the error stream, a progress bar when
// that stream is a terminal (one line per sheet otherwise), no questions asked.
#include <ostream>

#include "workflow/host.h"

namespace veltora {

class TerminalHost : public Host {
public:
    TerminalHost(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}

    void ShowMessage(const std::string& text) override;
    // Nobody is there to answer: No.
    bool AskYesNo(const std::string& question, const std::string& title) override;
    std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                       const std::string& defaultText) override;
    std::optional<std::filesystem::path> ChooseFile(const std::string& title, const std::string& filter) override;
    std::optional<std::filesystem::path> ChooseFolder(const std::string& title,
                                                      const std::filesystem::path& start) override;
    void Progress(int done, int total, const std::string& text) override;
    void ProcessEvents() override {}
    void ShowTip(const std::string& text) override;

private:
    void EndBar();

    std::ostream& out_;
    const bool terminal_;
    bool barShown_ = false;
};

}  // namespace veltora
