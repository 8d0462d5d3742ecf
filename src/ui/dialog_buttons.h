#pragma once
// The OK, Cancel and Help buttons of the password dialogs, and their F1 key.
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace veltora {

class AppContext;

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};

// "Command1" (OK, the default), "Command2" (Cancel, rejects the dialog) and "Command3"
// (Help, opens the help contents), captioned "QUEDING", "QUXIAO" and "bangzhu" from
// `section` of the language file. The caller connects OK and lays the buttons out.
DialogButtons MakeDialogButtons(QDialog& dialog, const AppContext& context, const char* section);

// For keyPressEvent: F1 opens the help contents over `dialog`; true when it was F1.
bool ShowHelpOnF1(QDialog& dialog, const AppContext& context, const QKeyEvent& event);

}  // namespace veltora
