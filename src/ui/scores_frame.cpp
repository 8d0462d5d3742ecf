#include "ui/scores_frame.h"

#include "ui/make_child.h"

namespace veltora {

ScoresFrame::ScoresFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame4"));

    Cmb选择打开成绩 = MakeChild<QComboBox>(this, QStringLiteral("Cmb选择打开成绩"));
    Cmd成绩保存 = MakeChild<QPushButton>(this, QStringLiteral("Cmd成绩保存"));
    Cmd成绩另保存为 = MakeChild<QPushButton>(this, QStringLiteral("Cmd成绩另保存为"));
    Cmd删除成绩 = MakeChild<QPushButton>(this, QStringLiteral("Cmd删除成绩"));
    Grid考生成绩 = MakeChild<QTableWidget>(this, QStringLiteral("Grid考生成绩"));
    Grid考试成绩 = MakeChild<QTableWidget>(this, QStringLiteral("Grid考试成绩"));
    Grid考试成绩统计 = MakeChild<QTableWidget>(this, QStringLiteral("Grid考试成绩统计"));
    Cmd输出到EXCEL文件 = MakeChild<QPushButton>(this, QStringLiteral("Cmd输出到EXCEL文件"));
    Cmd输出到WORD = MakeChild<QPushButton>(this, QStringLiteral("Cmd输出到WORD"));

    auto* layout = MakeLayout<QVBoxLayout>(this);
    auto* files = MakeNestedLayout<QHBoxLayout>(layout);
    files->addWidget(Cmb选择打开成绩, 1);
    files->addSpacing(24);
    files->addWidget(Cmd成绩保存);
    files->addWidget(Cmd成绩另保存为);
    files->addWidget(Cmd删除成绩);

    auto* body = MakeNestedLayout<QHBoxLayout>(layout);
    auto* results = MakeNestedLayout<QVBoxLayout>(body);
    body->setStretch(0, 1);
    results->addWidget(Grid考生成绩, 1);
    results->addWidget(Grid考试成绩, 1);
    auto* side = MakeNestedLayout<QVBoxLayout>(body);
    side->addWidget(Grid考试成绩统计, 1);
    side->addWidget(Cmd输出到EXCEL文件);
    side->addWidget(Cmd输出到WORD);
}

}  // namespace veltora
