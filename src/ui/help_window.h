#pragma once
// The help viewer: the HTML help shipped in help/, opened at the anchor of a help topic.
#include <QString>
#include <QUrl>
#include <QTextBrowser>
#include <filesystem>

namespace veltora {

class AppContext;

// "paper", "roster", "marking", "scores" for the topics 50001..50004; "" (the top of the
// page) for the contents and every unknown topic.
QString HelpAnchor(int topic);

// help/index.html; a non-Chinese interface gets help/index.en.html when it is installed.
std::filesystem::path HelpPage(const AppContext& context);

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    HelpWindow(const AppContext& context, QWidget* owner);
    void ShowTopic(int topic);

private:
    QUrl page_;
};

// Shows the help window of `owner` at `topic`, creating it when none is open. The window
// belongs to `owner`, so it stays usable above a modal owner and closes with it.
void ShowHelp(const AppContext& context, int topic, QWidget* owner);

}  // namespace veltora
