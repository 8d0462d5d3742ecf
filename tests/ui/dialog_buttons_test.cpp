#include "ui/dialog_buttons.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "support/temp_home.h"
#include "ui/help_window.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

TEST(DialogButtons, CaptionsFromTheSectionOkIsTheDefaultCancelRejects) {
    const test::TempHome home(false);
    test::WriteLanguageFile(home / "Language.txt",
                            {{"MIMA", {{"QUEDING", "ok"}, {"QUXIAO", "cancel"}, {"bangzhu", "help"}}}});
    const AppContext context(home.Path());
    QDialog dialog;
    const DialogButtons buttons = MakeDialogButtons(dialog, context, "MIMA");
    EXPECT_EQ(buttons.ok->objectName(), QStringLiteral("Command1"));
    EXPECT_EQ(buttons.cancel->objectName(), QStringLiteral("Command2"));
    EXPECT_EQ(buttons.help->objectName(), QStringLiteral("Command3"));
    EXPECT_EQ(buttons.ok->text(), QStringLiteral("ok"));
    EXPECT_EQ(buttons.cancel->text(), QStringLiteral("cancel"));
    EXPECT_EQ(buttons.help->text(), QStringLiteral("help"));
    EXPECT_TRUE(buttons.ok->isDefault());

    dialog.show();
    buttons.cancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(DialogButtons, HelpButtonAndF1OpenTheHelpOverTheDialog) {
    const test::TempHome home;
    const AppContext context(home.Path());
    QDialog dialog;
    const DialogButtons buttons = MakeDialogButtons(dialog, context, "LOGIN");
    buttons.help->click();
    EXPECT_NE(dialog.findChild<HelpWindow*>(), nullptr);

    QDialog other;
    const QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    const QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    EXPECT_FALSE(ShowHelpOnF1(other, context, f2));
    EXPECT_EQ(other.findChild<HelpWindow*>(), nullptr);
    EXPECT_TRUE(ShowHelpOnF1(other, context, f1));
    EXPECT_NE(other.findChild<HelpWindow*>(), nullptr);
}

}  // namespace
}  // namespace veltora
