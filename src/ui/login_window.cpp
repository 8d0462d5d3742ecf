#include "ui/login_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/app_context.h"
#include "ui/help_window.h"
#include "ui/make_child.h"
#include "ui/masked_line_edit.h"
#include "ui/message_box.h"
#include "ui/password_store.h"
#include "ui/qt_text.h"
#include "ui/work_area.h"

namespace veltora {

namespace {

QString LoginText(const AppContext& context, const char* key) {
    return ToQString(context.LangText("LOGIN", key));
}

}  // namespace

LoginWindow::LoginWindow(const AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("用户登录"));
    setWindowTitle(LoginText(context, "YONGHUDENGLU"));
    setModal(true);

    auto* prompt = MakeChild<QLabel>(this, QStringLiteral("LabPASSWD"),
                                     LoginText(context, "QINGSHURUYONGHUMIMA"));
    text1_ = MakeChild<QLineEdit>(this, QStringLiteral("Text1"));
    MaskWithAsterisks(*text1_);
    auto* ok = MakeChild<QPushButton>(this, QStringLiteral("Command1"), LoginText(context, "QUEDING"));
    auto* cancel = MakeChild<QPushButton>(this, QStringLiteral("Command2"), LoginText(context, "QUXIAO"));
    auto* help = MakeChild<QPushButton>(this, QStringLiteral("Command3"), LoginText(context, "bangzhu"));
    ok->setDefault(true);

    auto* layout = MakeLayout<QVBoxLayout>(this);
    layout->addWidget(prompt);
    layout->addWidget(text1_);
    auto* buttons = MakeNestedLayout<QHBoxLayout>(layout);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    connect(ok, &QPushButton::clicked, this, &LoginWindow::Confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelp(context_, kHelpContents, this); });
    ReloadPassword();
}

bool LoginWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) ReloadPassword();
    return QDialog::event(event);
}

void LoginWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        ShowHelp(context_, kHelpContents, this);
        return;
    }
    QDialog::keyPressEvent(event);
}

void LoginWindow::ReloadPassword() { password_ = StoredPassword(context_); }

void LoginWindow::Confirm() {
    if (TrimBlanks(ToUtf8(text1_->text())) == password_) {
        accept();
        return;
    }
    ShowMessage(this, context_, LoginText(context_, "SHURUYOUWUQINGCHONGXINSHURU"));
    text1_->clear();
    text1_->setFocus();
}

}  // namespace veltora
