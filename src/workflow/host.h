#pragma once
// What the workflow commands need from the user's side: messages, questions, file and
// folder choices, progress and a chance to handle pending events. The desktop interface
// implements it with dialogs, the command-line tools with the terminal, tests with a
// scripted stand-in. Texts arrive already looked up in the language file.
#include <filesystem>
#include <optional>
#include <string>

#include "recognition/raster.h"

namespace veltora {

class Host {
public:
    virtual ~Host() = default;

    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A Yes/No question; true for Yes. `title` may be empty (the application title).
    virtual bool AskYesNo(const std::string& question, const std::string& title) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) = 0;
    // An open-file dialog; `filter` lists patterns such as "*.jpg *.bmp". Nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseFile(const std::string& title,
                                                            const std::string& filter) = 0;
    virtual std::optional<std::filesystem::path> ChooseFolder(const std::string& title,
                                                              const std::filesystem::path& start) = 0;
    // Progress of a long command: `done` of `total` items, with a short text. A total of 0
    // ends the progress display and leaves `text` as the resting label.
    virtual void Progress(int done, int total, const std::string& text) = 0;
    // Lets pending user events (such as the stop button) take effect.
    virtual void ProcessEvents() = 0;
    // The small self-closing notice.
    virtual void ShowTip(const std::string& text) = 0;
    // The sheet image buffer changed (an image was loaded, or the buffer was cleared and
    // `image` is empty): the sheet view draws it again.
    virtual void ShowSheetImage(const Raster& image) { (void)image; }
};

}  // namespace veltora
