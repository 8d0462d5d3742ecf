#pragma once
// The program's start: one instance only, the language, the optional login, the splash,
// the labelled main window. Each step taken is recorded so the order can be checked.
#include <filesystem>
#include <memory>
#include <vector>

#include "ui/single_instance.h"

namespace veltora {

class AppContext;
class MainWindow;

enum class StartUpStep {
    SingleInstance = 1,
    HelpFile,
    LanguageFile,
    Language,
    MakerWebAddress,
    Login,  // taken only when an administrator password is set
    Splash,
    LabelMainWindow,
    LastImageFolder,
    ShowMainWindow,
};

class StartUp {
public:
    explicit StartUp(std::filesystem::path programFolder);
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // Runs the steps in order. False when the program is to end at once, without a word:
    // another instance is running, or the login was cancelled.
    bool Run();

    const std::vector<StartUpStep>& StepsTaken() const { return steps_; }
    AppContext* Context() { return context_.get(); }
    MainWindow* Window() { return window_.get(); }

private:
    std::filesystem::path programFolder_;
    SingleInstance instance_;
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
    std::vector<StartUpStep> steps_;
};

}  // namespace veltora
