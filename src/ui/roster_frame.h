#pragma once
// Work area 2 (`Frame2`): the roster. Controls are created and laid out here; the roster
// editor connects its behaviour to them through these members.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QTableWidget>

namespace veltora {

class RosterFrame : public QFrame {
    Q_OBJECT
public:
    explicit RosterFrame(QWidget* parent = nullptr);

    QComboBox* Comb名册;
    QPushButton* Cmd保存名册;
    QPushButton* Cmd名册另存为;
    QPushButton* Cmd删除名册;
    QTableWidget* Grid名册;
    QPushButton* Cmd考生上移;
    QPushButton* Cmd考生下移;
    QPushButton* Cmd插入考生;
    QPushButton* Cmd删除考生;
    QPushButton* Cmd粘贴名册;
    QCheckBox* Chk自动添加考号;
};

}  // namespace veltora
