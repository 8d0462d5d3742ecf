#include "ui/tip_window.h"

#include <QApplication>
#include <QVBoxLayout>
#include <memory>

#include "ui/make_child.h"

namespace veltora {

namespace {

const QString kTipWindowName = QStringLiteral("FormTiShi");

TipWindow* OpenTipWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == kTipWindowName && widget->isVisible()) {
            return qobject_cast<TipWindow*>(widget);
        }
    }
    return nullptr;
}

}  // namespace

TipWindow::TipWindow(QWidget* owner) : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(kTipWindowName);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    labelTiShi_ = MakeChild<QLabel>(this, QStringLiteral("LabelTiShi"));
    labelTiShi_->setAlignment(Qt::AlignCenter);
    labelTiShi_->setWordWrap(true);
    labelTiShi_->setMargin(16);
    labelTiShi_->installEventFilter(this);
    MakeLayout<QVBoxLayout>(this)->addWidget(labelTiShi_);
    setMinimumSize(240, 80);

    // The lifetime is counted from loading, so showing another tip does not prolong it.
    timer1_.setParent(this);
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setSingleShot(true);
    timer1_.setInterval(kLifetimeMs);
    connect(&timer1_, &QTimer::timeout, this, &QWidget::close);
    timer1_.start();
}

void TipWindow::SetText(const QString& text) {
    labelTiShi_->setText(text);
    adjustSize();
}

bool TipWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == labelTiShi_ && event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void TipWindow::mousePressEvent(QMouseEvent*) { close(); }

void TipWindow::keyPressEvent(QKeyEvent*) { close(); }

void ShowTip(const QString& text, QWidget* owner) {
    TipWindow* tip = OpenTipWindow();
    if (!tip) {
        auto owned = std::make_unique<TipWindow>(owner);
        tip = owned.release();  // deletes itself when closed (or with its owner)
    }
    const QWidget* anchor = owner ? owner->window() : nullptr;
    if (anchor) tip->move(anchor->geometry().center() - tip->rect().center());
    tip->show();
    tip->raise();
    tip->activateWindow();
    tip->SetText(text);
}

}  // namespace veltora
