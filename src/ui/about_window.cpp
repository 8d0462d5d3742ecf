#include "ui/about_window.h"

#include <QDesktopServices>
#include <QEvent>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "ui/make_child.h"
#include "ui/qt_text.h"
#include "ui/version.h"

namespace veltora {

AboutWindow::AboutWindow(const AppContext& context, QWidget* parent)
    : QDialog(parent), makerWebAddress_(ToQString(context.MakerWebAddress())) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ToQString(context.ApplicationTitle()));
    setModal(true);

    image1_ = MakeChild<QLabel>(this, QStringLiteral("Image1"), ToQString(context.ApplicationTitle()));
    QFont font = image1_->font();
    font.setPointSize(28);
    font.setBold(true);
    image1_->setFont(font);
    image1_->setAlignment(Qt::AlignCenter);
    image1_->setCursor(Qt::PointingHandCursor);
    image1_->installEventFilter(this);

    auto* version = MakeChild<QLabel>(this, QStringLiteral("Lab版本号"), VersionCaption());
    version->setToolTip(QStringLiteral("Ver %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    version->setAlignment(Qt::AlignCenter);

    auto* layout = MakeLayout<QVBoxLayout>(this);
    layout->addWidget(image1_);
    layout->addWidget(version);
    resize(360, 200);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == image1_ && event->type() == QEvent::MouseButtonPress) {
        if (!makerWebAddress_.isEmpty()) QDesktopServices::openUrl(QUrl(makerWebAddress_));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::mousePressEvent(QMouseEvent*) { accept(); }

void AboutWindow::keyPressEvent(QKeyEvent*) { accept(); }

}  // namespace veltora
