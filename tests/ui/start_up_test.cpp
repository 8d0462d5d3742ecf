#include "ui/start_up.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "support/temp_home.h"
#include "ui/main_window.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

using test::ModalDriver;
using test::TempHome;
using Step = StartUpStep;

void WriteChineseLanguage(const TempHome& home) {
    test::WriteLanguageFile(home / "Language.txt", {{"info", {{"Language", "Chinese"}}}});
}

void WritePassword(const TempHome& home, const std::string& line) {
    test::WriteBytes(home / "sys" / "reg.cho", "[admin]\r\n" + line + "\r\n");
}

TEST(StartUp, WithoutPasswordShowsTheSplashAndThenTheMainWindow) {
    const TempHome home(false);
    WriteChineseLanguage(home);
    StartUp startUp(home.Path());
    ModalDriver driver;
    bool windowExistedDuringSplash = true;
    driver.On("frmSplash", [&](QWidget& splash) {
        windowExistedDuringSplash = startUp.Window() != nullptr;
        test::PressKey(splash);
    });

    ASSERT_TRUE(startUp.Run());

    const std::vector<Step> expected{Step::SingleInstance, Step::HelpFile, Step::LanguageFile,
                                     Step::Language, Step::MakerWebAddress, Step::Splash,
                                     Step::LabelMainWindow, Step::LastImageFolder, Step::ShowMainWindow};
    EXPECT_EQ(startUp.StepsTaken(), expected);
    EXPECT_EQ(driver.Seen(), QStringList{"frmSplash"});
    EXPECT_FALSE(windowExistedDuringSplash);
    ASSERT_NE(startUp.Window(), nullptr);
    EXPECT_TRUE(startUp.Window()->isVisible());
    EXPECT_EQ(startUp.Window()->objectName(), QStringLiteral("主窗体"));
    EXPECT_EQ(startUp.Context()->LastImageFolder(), home.Path());
}

TEST(StartUp, StoredPasswordShowsTheLoginBeforeTheSplash) {
    const TempHome home(false);
    WriteChineseLanguage(home);
    WritePassword(home, "pwd=secret");
    StartUp startUp(home.Path());
    ModalDriver driver;
    driver.On("用户登录", [](QWidget& login) {
        test::SetField(login, "Text1", "secret");
        test::ClickButton(login, "Command1");
    });
    driver.On("frmSplash", [](QWidget& splash) { test::PressKey(splash); });

    ASSERT_TRUE(startUp.Run());

    const std::vector<Step> expected{Step::SingleInstance, Step::HelpFile, Step::LanguageFile,
                                     Step::Language, Step::MakerWebAddress, Step::Login, Step::Splash,
                                     Step::LabelMainWindow, Step::LastImageFolder, Step::ShowMainWindow};
    EXPECT_EQ(startUp.StepsTaken(), expected);
    EXPECT_EQ(driver.Seen(), (QStringList{"用户登录", "frmSplash"}));
}

TEST(StartUp, NoLoginWithoutANonBlankPassword) {
    for (const char* stored : {"", "pwd=", "pwd=   ", "pwd=\"   \"", "other=secret"}) {
        const TempHome home(false);
        if (*stored) WritePassword(home, stored);
        StartUp startUp(home.Path());
        ModalDriver driver;
        driver.On("frmSplash", [](QWidget& splash) { test::PressKey(splash); });
        ASSERT_TRUE(startUp.Run()) << stored;
        EXPECT_EQ(driver.Seen(), QStringList{"frmSplash"}) << stored;
    }
}

TEST(StartUp, CancelledLoginEndsBeforeTheSplash) {
    const TempHome home(false);
    WritePassword(home, "pwd=secret");
    StartUp startUp(home.Path());
    ModalDriver driver;
    driver.On("用户登录", [](QWidget& login) { test::ClickButton(login, "Command2"); });

    EXPECT_FALSE(startUp.Run());
    EXPECT_EQ(startUp.StepsTaken().back(), Step::Login);
    EXPECT_EQ(startUp.Window(), nullptr);
    EXPECT_EQ(driver.Seen(), QStringList{"用户登录"});
}

TEST(StartUp, SecondStartForTheSameFolderEndsAtOnce) {
    const TempHome home(false);
    StartUp first(home.Path());
    ModalDriver driver;
    driver.On("frmSplash", [](QWidget& splash) { test::PressKey(splash); });
    ASSERT_TRUE(first.Run());

    StartUp second(home.Path());
    EXPECT_FALSE(second.Run());
    EXPECT_TRUE(second.StepsTaken().empty());
    EXPECT_EQ(driver.Seen(), QStringList{"frmSplash"});  // nothing shown for the second
}

TEST(StartUp, TitleNamesTheInterfaceAndTheVersion) {
    const QString version = QStringLiteral(" v%1.%2").arg(VELTORA_VERSION_MAJOR).arg(VELTORA_VERSION_MINOR);
    const struct {
        const char* language;  // nullptr: no language file
        QString title;
    } cases[] = {
        {"Chinese", "Veltora" + version},
        {"chinese", "Karvex" + version},
        {"English", "Karvex" + version},
        {nullptr, "Karvex" + version},
    };
    for (const auto& c : cases) {
        const TempHome home(false);
        if (c.language) test::WriteLanguageFile(home / "Language.txt", {{"info", {{"Language", c.language}}}});
        StartUp startUp(home.Path());
        ModalDriver driver;
        driver.On("frmSplash", [](QWidget& splash) { test::PressKey(splash); });
        ASSERT_TRUE(startUp.Run());
        EXPECT_EQ(startUp.Window()->windowTitle(), c.title) << (c.language ? c.language : "(none)");
    }
}

}  // namespace
}  // namespace veltora
