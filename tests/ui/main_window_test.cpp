#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <gtest/gtest.h>

#include "app/app_context.h"
#include "support/temp_home.h"
#include "ui/help_window.h"
#include "ui/marking_frame.h"
#include "ui/paper_frame.h"
#include "ui/roster_frame.h"
#include "ui/scores_frame.h"
#include "ui_test_support.h"

namespace veltora {
namespace {

class MainWindowFrame : public ::testing::Test {
protected:
    QFrame* Frame(int number) { return window_.findChild<QFrame*>(QStringLiteral("Frame%1").arg(number)); }
    void Trigger(const char* item) { window_.findChild<QAction*>(QString::fromUtf8(item))->trigger(); }
    void ExpectArea(int number) {
        for (int frame = 1; frame <= 4; ++frame) {
            EXPECT_EQ(!Frame(frame)->isHidden(), frame == number) << "Frame" << frame;
            const auto* button = window_.findChild<QPushButton*>(QStringLiteral("Cmd%1").arg(frame));
            EXPECT_EQ(button->font().underline(), frame == number) << "Cmd" << frame;
        }
        EXPECT_EQ(window_.HelpContext(), 50000 + number);
    }

    test::TempHome home_{false};
    AppContext context_{home_.Path()};
    MainWindow window_{context_};
};

TEST_F(MainWindowFrame, OpensOnThePaperArea) { ExpectArea(1); }

TEST_F(MainWindowFrame, ButtonsAndScanMenuSwitchTheVisibleArea) {
    const struct {
        const char* button;
        const char* menuItem;
        int area;
    } cases[] = {
        {"Cmd2", "Mnu_Scan_选择名册", 2},
        {"Cmd4", "Mnu_Scan_成绩处理", 4},
        {"Cmd3", "Mnu_Scan_阅卷", 3},
        {"Cmd1", "Mnu_Scan_选择试卷", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        window_.findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
        ExpectArea(c.area);
        window_.ShowArea(c.area == 1 ? WorkArea::Scores : WorkArea::Paper);
        Trigger(c.menuItem);
        ExpectArea(c.area);
    }
}

TEST_F(MainWindowFrame, AreaSwitchIsAnnounced) {
    std::vector<WorkArea> shown;
    QObject::connect(&window_, &MainWindow::AreaShown, [&](WorkArea area) { shown.push_back(area); });
    window_.Cmd3->click();
    window_.Cmd2->click();
    EXPECT_EQ(shown, (std::vector{WorkArea::Marking, WorkArea::Roster}));
}

TEST_F(MainWindowFrame, HelpOpensAtTheCurrentAreasTopic) {
    window_.show();
    window_.ShowArea(WorkArea::Marking);
    Trigger("Mnu_Help_内容");
    auto* help = window_.findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().fragment(), QStringLiteral("marking"));

    window_.ShowArea(WorkArea::Scores);
    window_.Cmd帮助->click();
    EXPECT_EQ(window_.findChildren<HelpWindow*>().size(), 1);
    EXPECT_EQ(help->source().fragment(), QStringLiteral("scores"));
}

TEST_F(MainWindowFrame, PasswordMenuOpensThePasswordWindowModally) {
    test::ModalDriver driver;
    driver.On("设置密码", [](QWidget& window) { test::ClickButton(window, "Command2"); });
    Trigger("Mnu_File_设置管理员密码");
    EXPECT_EQ(driver.Seen(), QStringList{"设置密码"});
}

TEST_F(MainWindowFrame, FramesExposeTheirControls) {
    EXPECT_EQ(window_.Frame1->Grid试卷->objectName(), QStringLiteral("Grid试卷"));
    EXPECT_EQ(window_.Frame2->Grid名册->parentWidget()->objectName(), QStringLiteral("Frame2"));
    EXPECT_EQ(window_.Frame3->Cmd单张阅卷->parentWidget(), window_.Frame3->Frame对选定图像操作);
    EXPECT_EQ(window_.Frame4->Grid考试成绩统计->objectName(), QStringLiteral("Grid考试成绩统计"));
}

}  // namespace
}  // namespace veltora
