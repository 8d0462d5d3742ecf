#include "ui_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/encoding.h"
#include "support/temp_home.h"

namespace veltora::test {

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        app_->setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[8] = "test_ui";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// GoogleTest takes ownership of the environment.
[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void WriteLanguageFile(const std::filesystem::path& file, const LanguageEntries& entries) {
    std::string text;
    for (const auto& [section, lines] : entries) {
        text += "[" + section + "]\r\n";
        for (const auto& [key, value] : lines) text += key + "=" + value + "\r\n";
    }
    WriteBytes(file, Utf8ToGbk(text));
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    for (int waited = 0; !done() && waited < timeoutMs; waited += 10) QTest::qWait(10);
    return done();
}

ModalDriver::ModalDriver() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void ModalDriver::On(const QString& name, Handler handler) { handlers_[name] = std::move(handler); }

void ModalDriver::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_.data()) return;
    last_ = modal;
    const QString name = modal->objectName().isEmpty()
                             ? QString::fromLatin1(modal->metaObject()->className())
                             : modal->objectName();
    seen_.append(name);
    const auto handler = handlers_.find(name);
    if (handler == handlers_.end()) return;
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, [target, action = handler->second] {
        if (target) action(*target);
    });
}

void PressKey(QWidget& window, Qt::Key key) { QTest::keyClick(&window, key); }

void ClickButton(QWidget& window, const QString& buttonName) {
    auto* button = window.findChild<QPushButton*>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName.toStdString();
    button->click();
}

void SetField(QWidget& window, const QString& fieldName, const QString& text) {
    auto* field = window.findChild<QLineEdit*>(fieldName);
    ASSERT_NE(field, nullptr) << fieldName.toStdString();
    field->setText(text);
}

void CollectMessages(ModalDriver& driver, QStringList& messages) {
    driver.On("QMessageBox", [&messages](QWidget& box) {
        messages << box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
        PressKey(box, Qt::Key_Return);
    });
}

}  // namespace veltora::test
