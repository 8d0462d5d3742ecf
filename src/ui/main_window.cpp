#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QMenuBar>
#include <QUrl>
#include <array>
#include <utility>

#include "app/app_context.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/main_window_texts.h"
#include "ui/make_child.h"
#include "ui/marking_frame.h"
#include "ui/paper_frame.h"
#include "ui/password_window.h"
#include "ui/qt_text.h"
#include "ui/roster_frame.h"
#include "ui/scores_frame.h"

namespace veltora {

namespace {

// Sizes are given in twips; 15 twips make a pixel at 96 dpi.
constexpr int TwipsToPixels(int twips) { return twips / 15; }

QAction* MakeMenuItem(QMenu* menu, const char* name) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(QString::fromUtf8(name));
    return item;
}

QMenu* MakeMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromUtf8(name));
    return menu;
}

}  // namespace

MainWindow::MainWindow(AppContext& context) : context_(context) {
    setObjectName(QStringLiteral("主窗体"));
    resize(TwipsToPixels(11900), TwipsToPixels(8500));

    auto* central = MakeChild<QWidget>(this, QStringLiteral("centralWidget"));
    setCentralWidget(central);
    Cmd1 = MakeChild<QPushButton>(central, QStringLiteral("Cmd1"));
    Cmd2 = MakeChild<QPushButton>(central, QStringLiteral("Cmd2"));
    Cmd3 = MakeChild<QPushButton>(central, QStringLiteral("Cmd3"));
    Cmd4 = MakeChild<QPushButton>(central, QStringLiteral("Cmd4"));
    Cmd帮助 = MakeChild<QPushButton>(central, QStringLiteral("Cmd帮助"));
    Frame1 = MakeChild<PaperFrame>(central, QStringLiteral("Frame1"));
    Frame2 = MakeChild<RosterFrame>(central, QStringLiteral("Frame2"));
    Frame3 = MakeChild<MarkingFrame>(central, QStringLiteral("Frame3"));
    Frame4 = MakeChild<ScoresFrame>(central, QStringLiteral("Frame4"));

    auto* layout = MakeLayout<QHBoxLayout>(central);
    auto* areaButtons = MakeNestedLayout<QVBoxLayout>(layout);
    for (QPushButton* button : {Cmd1, Cmd2, Cmd3, Cmd4}) {
        button->setMinimumHeight(48);
        areaButtons->addWidget(button);
    }
    areaButtons->addSpacing(24);
    areaButtons->addWidget(Cmd帮助);
    areaButtons->addStretch(1);
    // The four areas occupy the same place; only one is visible at a time.
    auto* areas = MakeNestedLayout<QGridLayout>(layout);
    layout->setStretch(1, 1);
    for (QFrame* frame : std::initializer_list<QFrame*>{Frame1, Frame2, Frame3, Frame4}) {
        areas->addWidget(frame, 0, 0);
    }

    const std::array<std::pair<QPushButton*, WorkArea>, 4> switches{{
        {Cmd1, WorkArea::Paper}, {Cmd2, WorkArea::Roster}, {Cmd3, WorkArea::Marking}, {Cmd4, WorkArea::Scores},
    }};
    for (const auto& [button, area] : switches) {
        connect(button, &QPushButton::clicked, this, [this, area = area] { ShowArea(area); });
    }
    connect(Cmd帮助, &QPushButton::clicked, this, &MainWindow::OpenHelp);

    CreateMenus();
    ShowArea(WorkArea::Paper);
}

void MainWindow::CreateMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = MakeMenu(bar, "Mnu_File");
    // Device choice and printing are the same commands as their buttons in the areas.
    connect(MakeMenuItem(file, "Mnu_File_选择图像输入设备"), &QAction::triggered,
            Frame3->Cmd选择设备, &QPushButton::click);
    file->addSeparator();
    connect(MakeMenuItem(file, "Mnu_File_打印答题卡"), &QAction::triggered,
            Frame1->Cmd打印答题卡, &QPushButton::click);
    MakeMenuItem(file, "Mnu_File_打印机设置");
    file->addSeparator();
    connect(MakeMenuItem(file, "Mnu_File_设置管理员密码"), &QAction::triggered, this, [this] {
        PasswordWindow window(context_, this);
        window.exec();
    });
    file->addSeparator();
    connect(MakeMenuItem(file, "Mnu_File_退出"), &QAction::triggered, this, &QWidget::close);

    QMenu* scan = MakeMenu(bar, "Mnu_Scan");
    const std::array<std::pair<const char*, QPushButton*>, 4> areaItems{{
        {"Mnu_Scan_选择试卷", Cmd1}, {"Mnu_Scan_选择名册", Cmd2}, {"Mnu_Scan_阅卷", Cmd3}, {"Mnu_Scan_成绩处理", Cmd4},
    }};
    for (const auto& [name, button] : areaItems) {
        connect(MakeMenuItem(scan, name), &QAction::triggered, button, &QPushButton::click);
    }

    QMenu* help = MakeMenu(bar, "Mnu_Help");
    QAction* contents = MakeMenuItem(help, "Mnu_Help_内容");
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setShortcutContext(Qt::WindowShortcut);
    connect(contents, &QAction::triggered, this, &MainWindow::OpenHelp);
    connect(MakeMenuItem(help, "Mnu_Help_产品网站"), &QAction::triggered, this, [this] {
        const QString address = ToQString(context_.MakerWebAddress());
        if (!address.isEmpty()) QDesktopServices::openUrl(QUrl(address));
    });
    help->addSeparator();
    connect(MakeMenuItem(help, "Mnu_Help_关于"), &QAction::triggered, this, [this] {
        AboutWindow window(context_, this);
        window.exec();
    });
}

void MainWindow::ApplyLanguage() {
    LabelMainWindow(*this, context_, Frame3->Grid阅卷情况->rowCount());
}

void MainWindow::ShowArea(WorkArea area) {
    const std::array<std::pair<QPushButton*, QFrame*>, 4> areas{{
        {Cmd1, Frame1}, {Cmd2, Frame2}, {Cmd3, Frame3}, {Cmd4, Frame4},
    }};
    const auto chosen = static_cast<std::size_t>(area) - 1;
    for (std::size_t index = 0; index < areas.size(); ++index) {
        const auto& [button, frame] = areas[index];
        frame->setVisible(index == chosen);
        QFont font = button->font();
        font.setUnderline(index == chosen);
        button->setFont(font);
    }
    currentArea_ = area;
    emit AreaShown(area);
}

void MainWindow::OpenHelp() { ShowHelp(context_, HelpContext(), this); }

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    // The program lives as long as this window; its other windows close with it.
    if (event->isAccepted()) QApplication::quit();
}

}  // namespace veltora
