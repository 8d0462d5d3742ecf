#pragma once
// Messages carry the application title, as every message box of the program does.
#include <QString>
#include <QWidget>

namespace veltora {

class AppContext;

// A modal message with an OK button.
void ShowMessage(QWidget* owner, const AppContext& context, const QString& text);

}  // namespace veltora
