#include "ui/password_window.h"

#include <QGridLayout>
#include <QLabel>
#include <array>

#include "app/app_context.h"
#include "ui/dialog_buttons.h"
#include "ui/make_child.h"
#include "ui/masked_line_edit.h"
#include "ui/message_box.h"
#include "ui/password_store.h"
#include "ui/qt_text.h"

namespace veltora {

namespace {

QString MimaText(const AppContext& context, const char* key) {
    return ToQString(context.LangText("MIMA", key));
}

}  // namespace

PasswordWindow::PasswordWindow(const AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), password_(StoredPassword(context)) {
    setObjectName(QStringLiteral("设置密码"));
    setWindowTitle(MimaText(context, "SHEZHIGUANLIYUANMIMA"));
    setModal(true);

    auto* grid = MakeLayout<QGridLayout>(this);
    struct Field {
        const char* label;
        const char* field;
        const char* key;
        QLineEdit** target;
    };
    const std::array<Field, 3> fields{{
        {"Label1", "Text1", "JIUDEMIMA", &text1_},
        {"Label2", "Text2", "XINDEMIMA", &text2_},
        {"Label3", "Text3", "CHONGFUSHURU", &text3_},
    }};
    int row = 0;
    for (const Field& field : fields) {
        auto* label = MakeChild<QLabel>(this, QString::fromLatin1(field.label), MimaText(context, field.key));
        *field.target = MakeChild<QLineEdit>(this, QString::fromLatin1(field.field));
        MaskWithAsterisks(**field.target);
        grid->addWidget(label, row, 0);
        grid->addWidget(*field.target, row, 1, 1, 3);
        ++row;
    }
    text4_ = MakeChild<QLineEdit>(this, QStringLiteral("Text4"));
    text4_->hide();

    const DialogButtons buttons = MakeDialogButtons(*this, context, "MIMA");
    grid->addWidget(buttons.ok, row, 1);
    grid->addWidget(buttons.cancel, row, 2);
    grid->addWidget(buttons.help, row, 3);

    connect(buttons.ok, &QPushButton::clicked, this, &PasswordWindow::Confirm);
}

void PasswordWindow::keyPressEvent(QKeyEvent* event) {
    if (!ShowHelpOnF1(*this, context_, *event)) QDialog::keyPressEvent(event);
}

void PasswordWindow::Confirm() {
    text4_->setText(ToQString(password_));
    // The old password must match exactly as typed; only the stored copy is trimmed.
    if (text1_->text() != text4_->text()) {
        text1_->clear();
    } else if (text2_->text() == text3_->text()) {
        const std::string chosen = ToUtf8(text2_->text());
        if (StorePassword(context_, chosen)) {
            password_ = chosen;
            accept();
            return;
        }
        // Closing here would let the user believe a password guards the program.
        ShowMessage(this, context_, MimaText(context_, "MIMABAOCUNSHIBAI"));
        return;
    } else {
        text2_->clear();
        text3_->clear();
    }
    ShowMessage(this, context_, MimaText(context_, "SHURUYOUWUQINGCHONGXINSHURU"));
}

}  // namespace veltora
