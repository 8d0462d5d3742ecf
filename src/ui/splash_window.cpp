#include "ui/splash_window.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "ui/make_child.h"
#include "ui/qt_text.h"
#include "ui/version.h"

namespace veltora {

namespace {

// The picture is drawn rather than shipped, so the English interface gets its own title.
QPixmap SplashPicture(const QString& title) {
    QPixmap picture(480, 240);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(32, 74, 135));
    gradient.setColorAt(1, QColor(12, 30, 60));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPointSize(36);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, title);
    return picture;
}

}  // namespace

SplashWindow::SplashWindow(const AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      makerWebAddress_(ToQString(context.MakerWebAddress())) {
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    setMouseTracking(true);

    image1_ = MakeChild<QLabel>(this, QStringLiteral("Image1"));
    image1_->setPixmap(SplashPicture(ToQString(context.ApplicationTitle())));
    image1_->setCursor(Qt::PointingHandCursor);

    auto* version = MakeChild<QLabel>(this, QStringLiteral("Lab版本号"), VersionCaption());
    version->setAlignment(Qt::AlignRight);

    // Pointer movement over the labels counts as movement over the window.
    for (QLabel* label : {image1_, version}) {
        label->setMouseTracking(true);
        label->installEventFilter(this);
    }

    auto* layout = MakeLayout<QVBoxLayout>(this);
    layout->addWidget(image1_);
    layout->addWidget(version);

    timer1_.setParent(this);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setSingleShot(true);
    timer1_.setInterval(kLifetimeMs);
    connect(&timer1_, &QTimer::timeout, this, &QDialog::accept);
    timer1_.start();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        PointerMoved(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (watched == image1_ && event->type() == QEvent::MouseButtonPress) {
        if (!makerWebAddress_.isEmpty()) QDesktopServices::openUrl(QUrl(makerWebAddress_));
        return true;  // the splash stays open
    }
    return QDialog::eventFilter(watched, event);
}

void SplashWindow::mousePressEvent(QMouseEvent*) { accept(); }

void SplashWindow::mouseMoveEvent(QMouseEvent* event) {
    PointerMoved(event->globalPosition().toPoint());
}

void SplashWindow::PointerMoved(QPoint position) {
    if (!firstPointerPosition_) {
        firstPointerPosition_ = position;
    } else if (position != *firstPointerPosition_) {
        accept();
    }
}

void SplashWindow::keyPressEvent(QKeyEvent*) { accept(); }

}  // namespace veltora
