#pragma once
// Drawing text needs a QGuiApplication; the renderer's tests share one for the whole program.
#include <QGuiApplication>

namespace veltora::test {

inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    // Tests run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace veltora::test
