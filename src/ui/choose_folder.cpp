#include "ui/choose_folder.h"

#include <QDir>
#include <QFileDialog>

namespace veltora {

QString ChooseFolder(QWidget* owner, const QString& title, const QString& startFolder) {
    QFileDialog dialog(owner, title, startFolder);
    dialog.setObjectName(QStringLiteral("ChooseFolder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : QDir::cleanPath(chosen.first());
}

}  // namespace veltora
