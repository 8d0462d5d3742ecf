#include "ui/message_box.h"

#include <QMessageBox>

#include "app/app_context.h"
#include "ui/qt_text.h"

namespace veltora {

void ShowMessage(QWidget* owner, const AppContext& context, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, ToQString(context.ApplicationTitle()), text,
                    QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace veltora
