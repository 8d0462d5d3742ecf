#pragma once
// Drawing text needs a QGuiApplication; the renderer's tests share one for the whole program.
#include <QGuiApplication>

namespace veltora::test {

inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "test_cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace veltora::test
