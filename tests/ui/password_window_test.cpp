#include "ui/password_window.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <optional>

#include "app/app_context.h"
#include "app/profile.h"
#include "support/temp_home.h"
#include "ui/password_store.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

QString FieldText(const QWidget& window, const char* name) {
    return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

TEST(PasswordWindow, ChangeRules) {
    const struct {
        const char* name;
        const char* stored;  // nullptr: no sys/reg.cho
        const char* old;
        const char* fresh;
        const char* repeat;
        std::optional<std::string> nowStored;  // nothing: refused
        const char* oldAfter;
        const char* freshAfter;
    } cases[] = {
        {"no password yet, empty old field", nullptr, "", "abc", "abc", "abc", "", ""},
        {"right old password", "pwd=Secret", "Secret", "new", "new", "new", "", ""},
        {"stored with blanks, typed without", "pwd=\" Secret \"", "Secret", "n", "n", "n", "", ""},
        {"stored with blanks, typed with them", "pwd=\" Secret \"", " Secret ", "n", "n", std::nullopt, "", "n"},
        {"other letter case", "pwd=Secret", "secret", "n", "n", std::nullopt, "", "n"},
        {"repeat differs", "pwd=Secret", "Secret", "one", "two", std::nullopt, "Secret", ""},
        {"empty new password removes the login", "pwd=Secret", "Secret", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::TempHome home(false);
        std::filesystem::create_directories(home / "sys");
        if (c.stored) test::WriteBytes(home / "sys" / "reg.cho", std::string("[admin]\r\n") + c.stored + "\r\n");
        test::WriteLanguageFile(home / "Language.txt", {{"MIMA", {{"SHURUYOUWUQINGCHONGXINSHURU", "refused"}}}});
        const AppContext context(home.Path());
        const std::string before = test::ReadBytes(home / "sys" / "reg.cho");
        PasswordWindow window(context);
        window.show();
        QStringList messages;
        test::ModalDriver driver;
        test::CollectMessages(driver, messages);
        test::SetField(window, "Text1", QString::fromUtf8(c.old));
        test::SetField(window, "Text2", QString::fromUtf8(c.fresh));
        test::SetField(window, "Text3", QString::fromUtf8(c.repeat));
        test::ClickButton(window, "Command1");

        if (c.nowStored) {
            EXPECT_EQ(window.result(), QDialog::Accepted);
            EXPECT_FALSE(window.isVisible());
            EXPECT_EQ(ReadProfile("admin", "pwd", home / "sys" / "reg.cho"), *c.nowStored);
            EXPECT_TRUE(messages.isEmpty());
        } else {
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(messages, QStringList{"refused"});
            EXPECT_EQ(test::ReadBytes(home / "sys" / "reg.cho"), before);
            EXPECT_EQ(FieldText(window, "Text1"), QString::fromUtf8(c.oldAfter));
            EXPECT_EQ(FieldText(window, "Text2"), QString::fromUtf8(c.freshAfter));
            EXPECT_EQ(FieldText(window, "Text3"), QString::fromUtf8(c.freshAfter));
        }
    }
}

TEST(PasswordWindow, CancelChangesNothing) {
    const test::TempHome home(false);
    test::WriteBytes(home / "sys" / "reg.cho", "[admin]\r\npwd=Secret\r\n");
    const AppContext context(home.Path());
    PasswordWindow window(context);
    window.show();
    test::SetField(window, "Text1", "Secret");
    test::SetField(window, "Text2", "x");
    test::SetField(window, "Text3", "x");
    test::ClickButton(window, "Command2");
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(test::ReadBytes(home / "sys" / "reg.cho"), "[admin]\r\npwd=Secret\r\n");
}

TEST(PasswordWindow, FailedWriteKeepsTheWindowOpenAndSaysSo) {
    const test::TempHome home(false);
    // A folder where the settings file should be: it cannot be read or replaced.
    std::filesystem::create_directories(home / "sys" / "reg.cho");
    test::WriteLanguageFile(home / "Language.txt", {{"MIMA", {{"MIMABAOCUNSHIBAI", "not saved"}}}});
    const AppContext context(home.Path());
    PasswordWindow window(context);
    window.show();
    QStringList messages;
    test::ModalDriver driver;
    test::CollectMessages(driver, messages);
    test::SetField(window, "Text2", "new");
    test::SetField(window, "Text3", "new");
    test::ClickButton(window, "Command1");
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(messages, QStringList{"not saved"});
    EXPECT_EQ(StoredPassword(context), "");
}

TEST(PasswordWindow, OldPasswordFieldsAreMaskedAndText4IsHidden) {
    const test::TempHome home(false);
    const AppContext context(home.Path());
    PasswordWindow window(context);
    window.show();
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        EXPECT_EQ(window.findChild<QLineEdit*>(QString::fromLatin1(name))->echoMode(), QLineEdit::Password) << name;
    }
    EXPECT_FALSE(window.findChild<QLineEdit*>(QStringLiteral("Text4"))->isVisible());
}

}  // namespace
}  // namespace veltora
