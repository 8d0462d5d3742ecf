#pragma once
// Shared pieces of the window tests: one offscreen QApplication for the whole test
// program, small language files, and a driver that answers modal windows as they appear.
#include <QString>
#include <QStringList>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <ostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace veltora::test {

// section -> (key, value) entries, written to `file` in GBK with CR LF.
using LanguageEntries = std::map<std::string, std::vector<std::pair<std::string, std::string>>>;
void WriteLanguageFile(const std::filesystem::path& file, const LanguageEntries& entries);

// Runs the event loop until `done` holds or `timeoutMs` has passed; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Watches for modal windows. Each new one is recorded under its object name (its class
// name when it has none) and handed to the handler registered for that name, called
// from the event loop so that the handler may open further modal windows.
class ModalDriver {
public:
    using Handler = std::function<void(QWidget&)>;
    ModalDriver();
    void On(const QString& name, Handler handler);
    const QStringList& Seen() const { return seen_; }

private:
    void Poll();

    QTimer timer_;
    QPointer<QWidget> last_;  // cleared when that window is destroyed
    std::map<QString, Handler> handlers_;
    QStringList seen_;
};

// Typical answers.
void PressKey(QWidget& window, Qt::Key key = Qt::Key_Space);
void ClickButton(QWidget& window, const QString& buttonName);
void SetField(QWidget& window, const QString& fieldName, const QString& text);

// Answers every message box with Return, recording its text in `messages` (which must
// outlive the driver).
void CollectMessages(ModalDriver& driver, QStringList& messages);

}  // namespace veltora::test

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
