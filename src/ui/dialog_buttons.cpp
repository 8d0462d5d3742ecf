#include "ui/dialog_buttons.h"

#include "app/app_context.h"
#include "ui/help_window.h"
#include "ui/make_child.h"
#include "ui/qt_text.h"
#include "ui/work_area.h"

namespace veltora {

DialogButtons MakeDialogButtons(QDialog& dialog, const AppContext& context, const char* section) {
    const auto caption = [&](const char* key) { return ToQString(context.LangText(section, key)); };
    const DialogButtons buttons{
        MakeChild<QPushButton>(&dialog, QStringLiteral("Command1"), caption("QUEDING")),
        MakeChild<QPushButton>(&dialog, QStringLiteral("Command2"), caption("QUXIAO")),
        MakeChild<QPushButton>(&dialog, QStringLiteral("Command3"), caption("bangzhu")),
    };
    buttons.ok->setDefault(true);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(buttons.help, &QPushButton::clicked, &dialog,
                     [&dialog, &context] { ShowHelp(context, kHelpContents, &dialog); });
    return buttons;
}

bool ShowHelpOnF1(QDialog& dialog, const AppContext& context, const QKeyEvent& event) {
    if (event.key() != Qt::Key_F1) return false;
    ShowHelp(context, kHelpContents, &dialog);
    return true;
}

}  // namespace veltora
