#include "ui/login_window.h"

#include <QLabel>

#include "app/app_context.h"
#include "app/trim_spaces.h"
#include "ui/dialog_buttons.h"
#include "ui/make_child.h"
#include "ui/masked_line_edit.h"
#include "ui/message_box.h"
#include "ui/password_store.h"
#include "ui/qt_text.h"

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
    const DialogButtons buttons = MakeDialogButtons(*this, context, "LOGIN");

    auto* layout = MakeLayout<QVBoxLayout>(this);
    layout->addWidget(prompt);
    layout->addWidget(text1_);
    auto* row = MakeNestedLayout<QHBoxLayout>(layout);
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    row->addWidget(buttons.help);

    connect(buttons.ok, &QPushButton::clicked, this, &LoginWindow::Confirm);
    ReloadPassword();
}

bool LoginWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) ReloadPassword();
    return QDialog::event(event);
}

void LoginWindow::keyPressEvent(QKeyEvent* event) {
    if (!ShowHelpOnF1(*this, context_, *event)) QDialog::keyPressEvent(event);
}

void LoginWindow::ReloadPassword() { password_ = StoredPassword(context_); }

void LoginWindow::Confirm() {
    if (TrimSpaces(ToUtf8(text1_->text())) == password_) {
        accept();
        return;
    }
    ShowMessage(this, context_, LoginText(context_, "SHURUYOUWUQINGCHONGXINSHURU"));
    text1_->clear();
    text1_->setFocus();
}

}  // namespace veltora
