#include "ui/tip_window.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui_test_support.h"

namespace veltora {
namespace {

QPointer<QWidget> OpenTip() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QStringLiteral("FormTiShi") && widget->isVisible()) return widget;
    }
    return nullptr;
}

QString TipText(const QWidget& tip) { return tip.findChild<QLabel*>(QStringLiteral("LabelTiShi"))->text(); }

TEST(TipWindow, ShowingAgainReplacesTheTextAndKeepsTheClosingTime) {
    ShowTip(QStringLiteral("first"));
    const QPointer<QWidget> tip = OpenTip();
    ASSERT_TRUE(tip);
    EXPECT_EQ(TipText(*tip), QStringLiteral("first"));
    const auto* timer1 = tip->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer1, nullptr);
    EXPECT_EQ(timer1->interval(), 1500);
    QTest::qWait(300);
    const int remainingBefore = timer1->remainingTime();

    ShowTip(QStringLiteral("second"));
    EXPECT_EQ(OpenTip(), tip);
    EXPECT_EQ(TipText(*tip), QStringLiteral("second"));
    EXPECT_LE(timer1->remainingTime(), remainingBefore);  // counted from the first showing

    EXPECT_TRUE(test::WaitUntil([&] { return tip.isNull(); }));
    EXPECT_FALSE(OpenTip());
}

TEST(TipWindow, KeyOrClickClosesIt) {
    const struct {
        const char* name;
        std::function<void(QWidget&)> close;
    } closers[] = {
        {"key", [](QWidget& tip) { QTest::keyClick(&tip, Qt::Key_A); }},
        {"click", [](QWidget& tip) { QTest::mouseClick(&tip, Qt::LeftButton, {}, QPoint(2, 2)); }},
        {"label click", [](QWidget& tip) {
             QTest::mouseClick(tip.findChild<QLabel*>(QStringLiteral("LabelTiShi")), Qt::LeftButton);
         }},
    };
    for (const auto& [name, close] : closers) {
        SCOPED_TRACE(name);
        ShowTip(QStringLiteral("notice"));
        const QPointer<QWidget> tip = OpenTip();
        ASSERT_TRUE(tip);
        close(*tip);
        EXPECT_TRUE(test::WaitUntil([&] { return tip.isNull(); }, 1000));
    }
}

}  // namespace
}  // namespace veltora
