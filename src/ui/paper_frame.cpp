#include "ui/paper_frame.h"

#include <QStyle>

#include "ui/make_child.h"

namespace veltora {

namespace {

// The batch-setting "images" act as apply buttons.
QToolButton* MakeApplyImage(QWidget* parent, const QString& name) {
    auto* image = MakeChild<QToolButton>(parent, name);
    image->setIcon(parent->style()->standardIcon(QStyle::SP_DialogApplyButton));
    image->setAutoRaise(true);
    return image;
}

}  // namespace

PaperFrame::PaperFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1"));

    Comb试卷 = MakeChild<QComboBox>(this, QStringLiteral("Comb试卷"));
    Label答题卡类型 = MakeChild<QLabel>(this, QStringLiteral("Label答题卡类型"));
    Comb答题卡类型 = MakeChild<QComboBox>(this, QStringLiteral("Comb答题卡类型"));
    Label请选择评分标准 = MakeChild<QLabel>(this, QStringLiteral("Label请选择评分标准"));
    Comb评分标准 = MakeChild<QComboBox>(this, QStringLiteral("Comb评分标准"));
    Label默认评分标准说明 = MakeChild<QLabel>(this, QStringLiteral("Label默认评分标准说明"));
    Label默认评分标准说明->setWordWrap(true);
    Cmd保存试卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd保存试卷"));
    Cmd试卷另存为 = MakeChild<QPushButton>(this, QStringLiteral("Cmd试卷另存为"));
    Cmd删除试卷 = MakeChild<QPushButton>(this, QStringLiteral("Cmd删除试卷"));
    Label总题数 = MakeChild<QLabel>(this, QStringLiteral("Label总题数"));
    Label试卷总分 = MakeChild<QLabel>(this, QStringLiteral("Label试卷总分"));
    Grid试卷 = MakeChild<QTableWidget>(this, QStringLiteral("Grid试卷"));
    cmd试题上移 = MakeChild<QPushButton>(this, QStringLiteral("cmd试题上移"));
    cmd试题下移 = MakeChild<QPushButton>(this, QStringLiteral("cmd试题下移"));
    Cmd插入试题 = MakeChild<QPushButton>(this, QStringLiteral("Cmd插入试题"));
    Cmd删除试题 = MakeChild<QPushButton>(this, QStringLiteral("Cmd删除试题"));
    Cmd从excel粘贴答案 = MakeChild<QPushButton>(this, QStringLiteral("Cmd从excel粘贴答案"));
    Cmd打印答题卡 = MakeChild<QPushButton>(this, QStringLiteral("Cmd打印答题卡"));
    Label成批设定 = MakeChild<QLabel>(this, QStringLiteral("Label成批设定"));
    Label起始题号 = MakeChild<QLabel>(this, QStringLiteral("Label起始题号"));
    Label终止题号 = MakeChild<QLabel>(this, QStringLiteral("Label终止题号"));
    Label分值 = MakeChild<QLabel>(this, QStringLiteral("Label分值"));
    Image成批设定分值 = MakeApplyImage(this, QStringLiteral("Image成批设定分值"));
    Label成批设评分标准 = MakeChild<QLabel>(this, QStringLiteral("Label成批设评分标准"));
    Combo成批设评分标准 = MakeChild<QComboBox>(this, QStringLiteral("Combo成批设评分标准"));
    Image成批设定评分标准 = MakeApplyImage(this, QStringLiteral("Image成批设定评分标准"));
    Grid试卷信息 = MakeChild<QTableWidget>(this, QStringLiteral("Grid试卷信息"));

    auto* layout = MakeLayout<QVBoxLayout>(this);
    auto* choices = MakeNestedLayout<QHBoxLayout>(layout);
    choices->addWidget(Comb试卷, 2);
    choices->addWidget(Label答题卡类型);
    choices->addWidget(Comb答题卡类型, 1);
    choices->addWidget(Label请选择评分标准);
    choices->addWidget(Comb评分标准, 1);
    choices->addSpacing(24);
    choices->addWidget(Cmd保存试卷);
    choices->addWidget(Cmd试卷另存为);
    choices->addWidget(Cmd删除试卷);

    auto* summary = MakeNestedLayout<QHBoxLayout>(layout);
    summary->addWidget(Label默认评分标准说明, 1);
    summary->addWidget(Label总题数);
    summary->addWidget(Label试卷总分);

    auto* body = MakeNestedLayout<QHBoxLayout>(layout);
    body->addWidget(Grid试卷, 1);
    auto* tools = MakeNestedLayout<QVBoxLayout>(body);
    for (QWidget* button : {cmd试题上移, cmd试题下移, Cmd插入试题, Cmd删除试题,
                            Cmd从excel粘贴答案, Cmd打印答题卡}) {
        tools->addWidget(button);
    }
    tools->addSpacing(12);
    tools->addWidget(Label成批设定);
    auto* range = MakeNestedLayout<QHBoxLayout>(tools);
    range->addWidget(Label起始题号);
    range->addWidget(Label终止题号);
    auto* marks = MakeNestedLayout<QHBoxLayout>(tools);
    marks->addWidget(Label分值, 1);
    marks->addWidget(Image成批设定分值);
    tools->addWidget(Label成批设评分标准);
    auto* standard = MakeNestedLayout<QHBoxLayout>(tools);
    standard->addWidget(Combo成批设评分标准, 1);
    standard->addWidget(Image成批设定评分标准);
    tools->addWidget(Grid试卷信息, 1);
}

}  // namespace veltora
