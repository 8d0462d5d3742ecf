#include "ui/start_up.h"

#include <utility>

#include "app/app_context.h"
#include "ui/login_window.h"
#include "ui/main_window.h"
#include "ui/password_store.h"
#include "ui/splash_window.h"

namespace veltora {

StartUp::StartUp(std::filesystem::path programFolder)
    : programFolder_(std::move(programFolder)), instance_(programFolder_) {}

StartUp::~StartUp() = default;

bool StartUp::Run() {
    if (!instance_.Acquire()) return false;
    steps_.push_back(StartUpStep::SingleInstance);

    // The context fixes the help file, the language file, the interface language (with
    // the application title) and the maker's address, in that order.
    context_ = std::make_unique<AppContext>(programFolder_);
    for (StartUpStep step : {StartUpStep::HelpFile, StartUpStep::LanguageFile, StartUpStep::Language,
                             StartUpStep::MakerWebAddress}) {
        steps_.push_back(step);
    }

    if (!StoredPassword(*context_).empty()) {
        steps_.push_back(StartUpStep::Login);
        LoginWindow login(*context_);
        if (login.exec() != QDialog::Accepted) return false;
    }

    steps_.push_back(StartUpStep::Splash);
    SplashWindow splash(*context_);
    splash.exec();

    steps_.push_back(StartUpStep::LabelMainWindow);
    window_ = std::make_unique<MainWindow>(*context_);
    window_->ApplyLanguage();

    steps_.push_back(StartUpStep::LastImageFolder);
    context_->SetLastImageFolder(context_->ProgramFolder());

    steps_.push_back(StartUpStep::ShowMainWindow);
    window_->showMaximized();
    return true;
}

}  // namespace veltora
