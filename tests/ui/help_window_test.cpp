#include "ui/help_window.h"

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "support/temp_home.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

TEST(HelpWindow, TopicsMapToAnchors) {
    const struct {
        int topic;
        const char* anchor;
    } cases[] = {{50001, "paper"}, {50002, "roster"}, {50003, "marking"}, {50004, "scores"}, {0, ""}, {50005, ""}};
    for (const auto& c : cases) EXPECT_EQ(HelpAnchor(c.topic), QString::fromLatin1(c.anchor)) << c.topic;
}

TEST(HelpWindow, NonChineseInterfaceReadsTheEnglishPageWhenInstalled) {
    const struct {
        const char* language;
        bool englishInstalled;
        const char* page;
    } cases[] = {
        {"Chinese", true, "index.html"},
        {"English", true, "index.en.html"},
        {"English", false, "index.html"},
    };
    for (const auto& c : cases) {
        const test::TempHome home(false);
        test::WriteLanguageFile(home / "Language.txt", {{"info", {{"Language", c.language}}}});
        test::WriteBytes(home / "help" / "index.html", "<html></html>");
        if (c.englishInstalled) test::WriteBytes(home / "help" / "index.en.html", "<html></html>");
        const AppContext context(home.Path());
        EXPECT_EQ(HelpPage(context), home / "help" / c.page) << c.language << c.englishInstalled;
    }
}

TEST(HelpWindow, ShippedPagesHaveEveryAreaAnchor) {
    for (const char* page : {"index.html", "index.en.html"}) {
        const std::string html = test::ReadBytes(test::AssembledHome() / "help" / page);
        ASSERT_FALSE(html.empty()) << page;
        for (const char* anchor : {"paper", "roster", "marking", "scores", "sheet"}) {
            EXPECT_NE(html.find(std::string("id=\"") + anchor + "\""), std::string::npos) << page << " " << anchor;
        }
    }
}

}  // namespace
}  // namespace veltora
