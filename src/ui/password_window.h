#pragma once
// The window `设置密码` that sets or changes the administrator password. A new password
// takes effect at the next start; an empty one removes the login.
#include <QDialog>
#include <QLineEdit>
#include <string>

namespace veltora {

class AppContext;

class PasswordWindow : public QDialog {
    Q_OBJECT
public:
    PasswordWindow(const AppContext& context, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Confirm();

    const AppContext& context_;
    QLineEdit* text1_;  // old password
    QLineEdit* text2_;  // new password
    QLineEdit* text3_;  // new password repeated
    QLineEdit* text4_;  // hidden: the stored password the old one is compared with
    std::string password_;  // the stored password as read when the window was loaded
};

}  // namespace veltora
