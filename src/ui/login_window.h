#pragma once
// The login window `用户登录`: start-up goes on only once the administrator password has
// been typed; Cancel (or closing the window) ends the program.
#include <QDialog>
#include <QLineEdit>
#include <string>

namespace veltora {

class AppContext;

class LoginWindow : public QDialog {
    Q_OBJECT
public:
    LoginWindow(const AppContext& context, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Confirm();
    void ReloadPassword();

    const AppContext& context_;
    QLineEdit* text1_;
    std::string password_;  // the stored password, re-read whenever the window is activated
};

}  // namespace veltora
