#include "ui/splash_window.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

// A pointer movement without buttons, as the window system reports it to `widget`.
void MovePointer(QWidget& widget, QPoint position) {
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

class Splash : public ::testing::Test {
protected:
    test::TempHome home_{false};
    AppContext context_{home_.Path()};
};

TEST_F(Splash, ShowsTheVersionAndLivesFourSeconds) {
    const SplashWindow splash(context_);
    EXPECT_EQ(splash.objectName(), QStringLiteral("frmSplash"));
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("Lab版本号"))->text(),
              QStringLiteral("V%1.%2").arg(VELTORA_VERSION_MAJOR).arg(VELTORA_VERSION_MINOR));
    const auto* timer1 = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer1, nullptr);
    EXPECT_EQ(timer1->interval(), 4000);
    EXPECT_TRUE(timer1->isActive());
}

TEST_F(Splash, KeyClickOrPointerMovementClosesIt) {
    const struct {
        const char* name;
        std::function<void(SplashWindow&)> act;
    } cases[] = {
        {"key", [](SplashWindow& splash) { QTest::keyClick(&splash, Qt::Key_Escape); }},
        {"other key", [](SplashWindow& splash) { QTest::keyClick(&splash, Qt::Key_X); }},
        {"click", [](SplashWindow& splash) { QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(2, 2)); }},
        {"move", [](SplashWindow& splash) {
             MovePointer(splash, QPoint(2, 2));
             MovePointer(splash, QPoint(4, 3));
         }},
        {"move over the picture", [](SplashWindow& splash) {
             auto* picture = splash.findChild<QLabel*>(QStringLiteral("Image1"));
             MovePointer(*picture, QPoint(10, 10));
             MovePointer(*picture, QPoint(40, 30));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SplashWindow splash(context_);
        splash.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        c.act(splash);
        EXPECT_FALSE(splash.isVisible());
    }
}

TEST_F(Splash, PointerAlreadyRestingOnItDoesNotCloseIt) {
    SplashWindow splash(context_);
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    MovePointer(splash, QPoint(20, 20));
    MovePointer(splash, QPoint(20, 20));
    EXPECT_TRUE(splash.isVisible());
}

}  // namespace
}  // namespace veltora
