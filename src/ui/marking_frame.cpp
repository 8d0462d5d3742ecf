#include "ui/marking_frame.h"

#include <QStyle>

#include "ui/make_child.h"

namespace veltora {

namespace {

QAction* MakeMenuItem(QMenu* menu, const QString& name) {
    QAction* item = menu->addAction(QString());
    item->setObjectName(name);
    return item;
}

}  // namespace

MarkingFrame::MarkingFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame3"));

    Lab考生答案 = MakeChild<QLabel>(this, QStringLiteral("Lab考生答案"));
    Grid考生答案 = MakeChild<QTableWidget>(this, QStringLiteral("Grid考生答案"));
    Picture2 = MakeChild<QLabel>(this, QStringLiteral("Picture2"));
    Picture2->setAlignment(Qt::AlignCenter);
    Picture2->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Picture2->setMinimumSize(240, 240);
    Picture2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Cmd选择设备 = MakeChild<QPushButton>(this, QStringLiteral("Cmd选择设备"));
    Cmd摄像头阅卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd摄像头阅卷"));
    Cmd自动阅卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd自动阅卷"));
    Command启动高速扫描仪 = MakeChild<QPushButton>(this, QStringLiteral("Command启动高速扫描仪"));
    Cmd打开答题卡图像文件阅卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd打开答题卡图像文件阅卷"));
    Cmd打开答题卡文件夹成批阅卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd打开答题卡文件夹成批阅卷"));
    Cmd终止阅卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd终止阅卷"));
    Cmd继续阅卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd继续阅卷"));
    Cmd删除全部图像 = MakeChild<QPushButton>(this, QStringLiteral("Cmd删除全部图像"));
    Frame对选定图像操作 = MakeChild<QGroupBox>(this, QStringLiteral("Frame对选定图像操作"));
    Cmd单张阅卷 = MakeChild<QPushButton>(Frame对选定图像操作, QStringLiteral("Cmd单张阅卷"));
    Cmd删除图像文件 = MakeChild<QPushButton>(Frame对选定图像操作, QStringLiteral("Cmd删除图像文件"));
    Cmd修改图像文件 = MakeChild<QPushButton>(Frame对选定图像操作, QStringLiteral("Cmd修改图像文件"));
    Grid阅卷情况 = MakeChild<QTableWidget>(this, QStringLiteral("Grid阅卷情况"));
    Lab阅卷进度数字化指示 = MakeChild<QLabel>(this, QStringLiteral("Lab阅卷进度数字化指示"));
    Lab按考号查找 = MakeChild<QLabel>(this, QStringLiteral("Lab按考号查找"));
    Text按考号查找 = MakeChild<QLineEdit>(this, QStringLiteral("Text按考号查找"));
    Cmd按考号查找 = MakeChild<QPushButton>(this, QStringLiteral("Cmd按考号查找"));
    Cmd按考号查找->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));

    MNU选定图象弹出菜单 = MakeChild<QMenu>(this, QStringLiteral("MNU选定图象弹出菜单"));
    MNU单张阅卷 = MakeMenuItem(MNU选定图象弹出菜单, QStringLiteral("MNU单张阅卷"));
    MNU删除图像 = MakeMenuItem(MNU选定图象弹出菜单, QStringLiteral("MNU删除图像"));
    MNU修改图像 = MakeMenuItem(MNU选定图象弹出菜单, QStringLiteral("MNU修改图像"));
    MNU放大缩小 = MakeMenuItem(MNU选定图象弹出菜单, QStringLiteral("MNU放大缩小"));

    auto* selected = MakeLayout<QVBoxLayout>(Frame对选定图像操作);
    for (QWidget* button : {Cmd单张阅卷, Cmd删除图像文件, Cmd修改图像文件}) selected->addWidget(button);

    auto* layout = MakeLayout<QVBoxLayout>(this);
    auto* upper = MakeNestedLayout<QHBoxLayout>(layout);
    layout->setStretch(0, 3);
    auto* answers = MakeNestedLayout<QVBoxLayout>(upper);
    answers->addWidget(Lab考生答案);
    answers->addWidget(Grid考生答案, 1);
    upper->addWidget(Picture2, 1);
    auto* commands = MakeNestedLayout<QVBoxLayout>(upper);
    for (QWidget* button : {Cmd选择设备, Cmd摄像头阅卷, Cmd自动阅卷, Command启动高速扫描仪,
                            Cmd打开答题卡图像文件阅卷, Cmd打开答题卡文件夹成批阅卷, Cmd终止阅卷,
                            Cmd继续阅卷, Cmd删除全部图像}) {
        commands->addWidget(button);
    }
    commands->addWidget(Frame对选定图像操作);
    commands->addStretch(1);

    auto* lower = MakeNestedLayout<QHBoxLayout>(layout);
    layout->setStretch(1, 2);
    lower->addWidget(Grid阅卷情况, 1);
    auto* lookup = MakeNestedLayout<QVBoxLayout>(lower);
    lookup->addWidget(Lab阅卷进度数字化指示);
    lookup->addWidget(Lab按考号查找);
    auto* search = MakeNestedLayout<QHBoxLayout>(lookup);
    search->addWidget(Text按考号查找, 1);
    search->addWidget(Cmd按考号查找);
    lookup->addStretch(1);
}

}  // namespace veltora
