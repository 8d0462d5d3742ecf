#pragma once
#include <QLineEdit>

namespace veltora {

// Password fields show every typed character as "*".
inline void MaskWithAsterisks(QLineEdit& field) {
    field.setEchoMode(QLineEdit::Password);
    field.setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
}

}  // namespace veltora
