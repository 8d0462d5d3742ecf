#pragma once
// Work area 1 (`Frame1`): the test paper - standard answers, marks and scoring standards.
// The controls are created and laid out here; the paper editor connects its behaviour to
// them through these members (object names as the program documents them).
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

namespace veltora {

class PaperFrame : public QFrame {
    Q_OBJECT
public:
    explicit PaperFrame(QWidget* parent = nullptr);

    QComboBox* Comb试卷;
    QLabel* Label答题卡类型;
    QComboBox* Comb答题卡类型;
    QLabel* Label请选择评分标准;
    QComboBox* Comb评分标准;
    QLabel* Label默认评分标准说明;
    QPushButton* Cmd保存试卷;
    QPushButton* Cmd试卷另存为;
    QPushButton* Cmd删除试卷;
    QLabel* Label总题数;
    QLabel* Label试卷总分;
    QTableWidget* Grid试卷;
    QPushButton* cmd试题上移;
    QPushButton* cmd试题下移;
    QPushButton* Cmd插入试题;
    QPushButton* Cmd删除试题;
    QPushButton* Cmd从excel粘贴答案;
    QPushButton* Cmd打印答题卡;
    QLabel* Label成批设定;
    QLabel* Label起始题号;
    QLabel* Label终止题号;
    QLabel* Label分值;
    QToolButton* Image成批设定分值;
    QLabel* Label成批设评分标准;
    QComboBox* Combo成批设评分标准;
    QToolButton* Image成批设定评分标准;
    QTableWidget* Grid试卷信息;
};

}  // namespace veltora
