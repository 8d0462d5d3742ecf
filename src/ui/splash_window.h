#pragma once
// The splash window shown during start-up: closes after 4 s, on a click, a key press or
// when the mouse moves over it; a click on its picture opens the maker's web page.
#include <QDialog>
#include <QLabel>
#include <QPoint>
#include <QTimer>
#include <optional>

namespace veltora {

class AppContext;

class SplashWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLifetimeMs = 4000;

    explicit SplashWindow(const AppContext& context, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PointerMoved(QPoint position);

    QString makerWebAddress_;
    QLabel* image1_;
    QTimer timer1_;
    // Where the pointer was first seen: a window appearing under a resting pointer may be
    // told of a "move" to where it already is, which must not close the splash.
    std::optional<QPoint> firstPointerPosition_;
};

}  // namespace veltora
