#pragma once
// The tip window: a small notice that closes itself 1500 ms after it was loaded, or at once
// when it is clicked or a key is pressed.
#include <QLabel>
#include <QString>
#include <QTimer>
#include <QFrame>
#include <QWidget>

namespace veltora {

class TipWindow : public QFrame {
    Q_OBJECT
public:
    static constexpr int kLifetimeMs = 1500;

    explicit TipWindow(QWidget* owner);
    void SetText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* labelTiShi_;
    QTimer timer1_;
};

// Shows `text` in the tip window `FormTiShi`; a tip already open keeps its window and its
// closing time and only takes the new text.
void ShowTip(const QString& text, QWidget* owner = nullptr);

}  // namespace veltora
