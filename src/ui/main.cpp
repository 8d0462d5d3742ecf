#include <QApplication>
#include <QTimer>

#include "app/program_folder.h"
#include "ui/start_up.h"

namespace {

// VELTORA_QUIT_AFTER_MS ends the program after that many milliseconds, whatever window is
// open, so scripts and tests can start the real program and let it go again.
void QuitAfterRequestedTime(QApplication& app) {
    bool valid = false;
    const int milliseconds = qEnvironmentVariableIntValue("VELTORA_QUIT_AFTER_MS", &valid);
    if (valid && milliseconds >= 0) {
        QTimer::singleShot(milliseconds, &app, [] { QCoreApplication::exit(0); });
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::filesystem::path programFolder = veltora::FindProgramFolder(argc, argv);
    QApplication app(argc, argv);
    // The main window ends the program when it closes; the login and splash windows, which
    // close before it appears, must not.
    app.setQuitOnLastWindowClosed(false);

    veltora::StartUp startUp(programFolder);
    QTimer::singleShot(0, &app, [&startUp] {
        if (!startUp.Run()) QCoreApplication::exit(0);
    });
    QuitAfterRequestedTime(app);
    return app.exec();
}
