#pragma once
#include <QString>
#include <QWidget>

namespace veltora {

// Lets the user pick a folder, starting at `startFolder`, with `title` as the dialog's
// instruction; returns the chosen folder's full path, or "" when the user cancels.
QString ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder);

}  // namespace veltora
