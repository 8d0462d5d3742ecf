#pragma once
// Work area 3 (`Frame3`): marking - the image sources, the displayed sheet, the examinee's
// answers and the marking-status list. Controls are created and laid out here; the marking
// commands and the status list connect their behaviour to them through these members.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

namespace veltora {

class MarkingFrame : public QFrame {
    Q_OBJECT
public:
    explicit MarkingFrame(QWidget* parent = nullptr);

    QLabel* Lab考生答案;
    QTableWidget* Grid考生答案;
    QLabel* Picture2;  // the displayed sheet image
    QPushButton* Cmd选择设备;
    QPushButton* Cmd摄像头阅卷;
    QPushButton* Cmd自动阅卷;
    QPushButton* Command启动高速扫描仪;
    QPushButton* Cmd打开答题卡图像文件阅卷;
    QPushButton* Cmd打开答题卡文件夹成批阅卷;
    QPushButton* Cmd终止阅卷;
    QPushButton* Cmd继续阅卷;
    QPushButton* Cmd删除全部图像;
    QGroupBox* Frame对选定图像操作;
    QPushButton* Cmd单张阅卷;
    QPushButton* Cmd删除图像文件;
    QPushButton* Cmd修改图像文件;
    QTableWidget* Grid阅卷情况;
    QLabel* Lab阅卷进度数字化指示;
    QLabel* Lab按考号查找;
    QLineEdit* Text按考号查找;
    QPushButton* Cmd按考号查找;

    // The pop-up menu of the displayed image and its items.
    QMenu* MNU选定图象弹出菜单;
    QAction* MNU单张阅卷;
    QAction* MNU删除图像;
    QAction* MNU修改图像;
    QAction* MNU放大缩小;
};

}  // namespace veltora
