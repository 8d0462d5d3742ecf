#include "ui/login_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "support/temp_home.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

TEST(LoginWindow, ComparesTheTrimmedTextExactly) {
    const struct {
        const char* stored;  // the line in sys/reg.cho
        const char* typed;
        bool accepted;
    } cases[] = {
        {"pwd=Secret", "Secret", true},
        {"pwd=Secret", "  Secret ", true},
        {"pwd=\" Secret  \"", "Secret", true},
        {"pwd=\" Secret  \"", " Secret  ", true},
        {"pwd=Secret", "secret", false},
        {"pwd=Secret", "SECRET", false},
        {"pwd=Secret", "", false},
        {"pwd=Secret", "Sec ret", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " / " + c.typed);
        const test::TempHome home(false);
        test::WriteBytes(home / "sys" / "reg.cho", std::string("[admin]\r\n") + c.stored + "\r\n");
        test::WriteLanguageFile(home / "Language.txt",
                                {{"LOGIN", {{"SHURUYOUWUQINGCHONGXINSHURU", "wrong password"}}}});
        const AppContext context(home.Path());
        LoginWindow login(context);
        login.show();
        QStringList messages;
        test::ModalDriver driver;
        test::CollectMessages(driver, messages);
        test::SetField(login, "Text1", QString::fromUtf8(c.typed));
        test::ClickButton(login, "Command1");

        EXPECT_EQ(login.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(login.isVisible(), !c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(messages, QStringList{"wrong password"});
            EXPECT_TRUE(login.findChild<QLineEdit*>(QStringLiteral("Text1"))->text().isEmpty());
        }
    }
}

TEST(LoginWindow, CaptionsComeFromTheLoginSection) {
    const test::TempHome home(false);
    test::WriteLanguageFile(home / "Language.txt",
                            {{"LOGIN", {{"YONGHUDENGLU", "title"}, {"QINGSHURUYONGHUMIMA", "prompt"},
                                        {"QUEDING", "ok"}, {"QUXIAO", "cancel"}, {"bangzhu", "help"}}}});
    const AppContext context(home.Path());
    const LoginWindow login(context);
    EXPECT_EQ(login.windowTitle(), QStringLiteral("title"));
    EXPECT_EQ(login.findChild<QLabel*>(QStringLiteral("LabPASSWD"))->text(), QStringLiteral("prompt"));
    EXPECT_EQ(login.findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("ok"));
    EXPECT_EQ(login.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), QStringLiteral("cancel"));
    EXPECT_EQ(login.findChild<QPushButton*>(QStringLiteral("Command3"))->text(), QStringLiteral("help"));
    EXPECT_EQ(login.findChild<QLineEdit*>(QStringLiteral("Text1"))->echoMode(), QLineEdit::Password);
}

TEST(LoginWindow, CancelRejects) {
    const test::TempHome home(false);
    const AppContext context(home.Path());
    LoginWindow login(context);
    login.show();
    test::ClickButton(login, "Command2");
    EXPECT_EQ(login.result(), QDialog::Rejected);
    EXPECT_FALSE(login.isVisible());
}

}  // namespace
}  // namespace veltora
