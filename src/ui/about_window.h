#pragma once
// The about window `frmAbout`: the version; a click or a key closes it, a click on its
// picture opens the maker's web page.
#include <QDialog>
#include <QLabel>

namespace veltora {

class AppContext;

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(const AppContext& context, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString makerWebAddress_;
    QLabel* image1_;
};

}  // namespace veltora
