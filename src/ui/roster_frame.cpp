#include "ui/roster_frame.h"

#include "ui/make_child.h"

namespace veltora {

RosterFrame::RosterFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame2"));

    Comb名册 = MakeChild<QComboBox>(this, QStringLiteral("Comb名册"));
    Cmd保存名册 = MakeChild<QPushButton>(this, QStringLiteral("Cmd保存名册"));
    Cmd名册另存为 = MakeChild<QPushButton>(this, QStringLiteral("Cmd名册另存为"));
    Cmd删除名册 = MakeChild<QPushButton>(this, QStringLiteral("Cmd删除名册"));
    Grid名册 = MakeChild<QTableWidget>(this, QStringLiteral("Grid名册"));
    Cmd考生上移 = MakeChild<QPushButton>(this, QStringLiteral("Cmd考生上移"));
    Cmd考生下移 = MakeChild<QPushButton>(this, QStringLiteral("Cmd考生下移"));
    Cmd插入考生 = MakeChild<QPushButton>(this, QStringLiteral("Cmd插入考生"));
    Cmd删除考生 = MakeChild<QPushButton>(this, QStringLiteral("Cmd删除考生"));
    Cmd粘贴名册 = MakeChild<QPushButton>(this, QStringLiteral("Cmd粘贴名册"));
    Chk自动添加考号 = MakeChild<QCheckBox>(this, QStringLiteral("Chk自动添加考号"));

    auto* layout = MakeLayout<QVBoxLayout>(this);
    auto* files = MakeNestedLayout<QHBoxLayout>(layout);
    files->addWidget(Comb名册, 1);
    files->addSpacing(24);
    files->addWidget(Cmd保存名册);
    files->addWidget(Cmd名册另存为);
    files->addWidget(Cmd删除名册);

    auto* body = MakeNestedLayout<QHBoxLayout>(layout);
    body->addWidget(Grid名册, 1);
    auto* tools = MakeNestedLayout<QVBoxLayout>(body);
    for (QWidget* control : std::initializer_list<QWidget*>{Cmd考生上移, Cmd考生下移, Cmd插入考生,
                                                           Cmd删除考生, Cmd粘贴名册, Chk自动添加考号}) {
        tools->addWidget(control);
    }
    tools->addStretch(1);
}

}  // namespace veltora
