#pragma once
// Work area 4 (`Frame4`): scores and statistics, their files and the reports. Controls are
// created and laid out here; the scores commands connect their behaviour to them.
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTableWidget>

namespace veltora {

class ScoresFrame : public QFrame {
    Q_OBJECT
public:
    explicit ScoresFrame(QWidget* parent = nullptr);

    QComboBox* Cmb选择打开成绩;
    QPushButton* Cmd成绩保存;
    QPushButton* Cmd成绩另保存为;
    QPushButton* Cmd删除成绩;
    QTableWidget* Grid考生成绩;
    QTableWidget* Grid考试成绩;
    QTableWidget* Grid考试成绩统计;
    QPushButton* Cmd输出到EXCEL文件;
    QPushButton* Cmd输出到WORD;
};

}  // namespace veltora
