#include "app/app_context.h"

#include <gtest/gtest.h>

#include "app/profile.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

namespace fs = std::filesystem;

TEST(AppContext, LanguageValueSelectsTheInterface) {
    const struct {
        const char* language;
        bool chinese;
        const char* title;
    } cases[] = {
        {"Chinese", true, "Veltora"},   {"\"Chinese\"", true, "Veltora"}, {"chinese", false, "Karvex"},
        {"CHINESE", false, "Karvex"},   {"English", false, "Karvex"},     {"", false, "Karvex"},
    };
    for (const auto& c : cases) {
        const test::TempHome home(false);
        test::WriteBytes(home / "LANGUAGE.TXT", std::string("[Info]\r\nlanguage = ") + c.language + "\r\n");
        const AppContext context(home.Path());
        EXPECT_EQ(context.UiIsChinese(), c.chinese) << c.language;
        EXPECT_EQ(context.ApplicationTitle(), c.title) << c.language;
        EXPECT_EQ(context.LanguageFile(), home / "LANGUAGE.TXT");
    }
}

TEST(AppContext, MissingLanguageFileGivesEmptyTextsAndTheOtherInterface) {
    const test::TempHome home(false);
    const AppContext context(home.Path());
    EXPECT_FALSE(context.UiIsChinese());
    EXPECT_EQ(context.ApplicationTitle(), "Karvex");
    EXPECT_EQ(context.LangText("main", "tuichu"), "");
    EXPECT_EQ(context.LanguageFile(), home / "Language.txt");
}

TEST(AppContext, FoldersAndFiles) {
    const test::TempHome home(false);
    test::WriteBytes(home / "SYS" / "Reg.cho", "");
    const AppContext context(home.Path());
    EXPECT_EQ(context.ProgramFolder(), home.Path());
    EXPECT_EQ(context.LastImageFolder(), home.Path());
    EXPECT_EQ(context.RegFile(), home / "SYS" / "Reg.cho");
    EXPECT_EQ(context.SysFile(), home / "SYS" / "sys.cho");
    EXPECT_EQ(context.HelpFile(), home / "help" / "index.html");
    EXPECT_EQ(context.Path("sys\\REG.CHO"), home / "SYS" / "Reg.cho");
    EXPECT_FALSE(context.MakerWebAddress().empty());
}

TEST(AppContext, LanguageTextsFollowTheFile) {
    const test::TempHome home(false);
    const fs::path language = home / "Language.txt";
    test::WriteBytes(language, "[info]\r\nLanguage=Chinese\r\n[main]\r\ntuichu=\xCD\xCB\xB3\xF6\r\n");
    AppContext context(home.Path());
    EXPECT_EQ(context.LangText("MAIN", "TuiChu"), "退出");
    EXPECT_EQ(context.LangText("main", "missing"), "");

    // A rewrite (temporary file and rename, as every writer here does) is seen at once.
    ASSERT_TRUE(WriteProfile("main", "tuichu", "Exit", language));
    EXPECT_EQ(context.LangText("main", "tuichu"), "Exit");
    fs::remove(language);
    EXPECT_EQ(context.LangText("main", "tuichu"), "");

    const AppContext copy = context;  // keeps its own cache of the same file
    test::WriteBytes(language, "[main]\r\ntuichu=Quit\r\n");
    EXPECT_EQ(copy.LangText("main", "tuichu"), "Quit");
    EXPECT_TRUE(copy.UiIsChinese()) << "the interface language is fixed at start-up";
}

TEST(AppContext, ShippedLanguageFileIsFound) {
    const test::TempHome home;
    const AppContext context(home.Path());
    ASSERT_TRUE(fs::exists(context.LanguageFile())) << context.LanguageFile();
    EXPECT_EQ(context.UiIsChinese(), ReadProfile("info", "Language", context.LanguageFile()) == "Chinese");
}

}  // namespace
}  // namespace veltora
