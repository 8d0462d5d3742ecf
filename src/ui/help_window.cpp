#include "ui/help_window.h"

#include <QApplication>
#include <array>
#include <memory>
#include <utility>

#include "app/app_context.h"
#include "ui/qt_text.h"
#include "ui/work_area.h"

namespace veltora {

namespace {

const QString kHelpWindowName = QStringLiteral("HelpWindow");

HelpWindow* OpenHelpWindow(const QWidget* owner) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == kHelpWindowName && widget->parentWidget() == owner) {
            return qobject_cast<HelpWindow*>(widget);
        }
    }
    return nullptr;
}

}  // namespace

QString HelpAnchor(int topic) {
    static const std::array<std::pair<WorkArea, const char*>, 4> anchors{{
        {WorkArea::Paper, "paper"},
        {WorkArea::Roster, "roster"},
        {WorkArea::Marking, "marking"},
        {WorkArea::Scores, "scores"},
    }};
    for (const auto& [area, anchor] : anchors) {
        if (HelpTopic(area) == topic) return QString::fromLatin1(anchor);
    }
    return {};
}

std::filesystem::path HelpPage(const AppContext& context) {
    const std::filesystem::path page = context.HelpFile();
    if (context.UiIsChinese()) return page;
    const std::filesystem::path english = page.parent_path() / "index.en.html";
    std::error_code ignored;
    return std::filesystem::exists(english, ignored) ? english : page;
}

HelpWindow::HelpWindow(const AppContext& context, QWidget* owner)
    : page_(QUrl::fromLocalFile(PathToQString(HelpPage(context)))) {
    setParent(owner, Qt::Window);
    setObjectName(kHelpWindowName);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setOpenExternalLinks(true);
    setWindowTitle(ToQString(context.ApplicationTitle()) + QStringLiteral(" - ") +
                   ToQString(context.LangText("main", "bangzhu")));
    resize(760, 600);
}

void HelpWindow::ShowTopic(int topic) {
    QUrl url = page_;
    url.setFragment(HelpAnchor(topic));
    setSource(url);
    show();
    raise();
    activateWindow();
}

void ShowHelp(const AppContext& context, int topic, QWidget* owner) {
    HelpWindow* window = OpenHelpWindow(owner);
    if (!window) {
        auto owned = std::make_unique<HelpWindow>(context, owner);
        window = owned.release();  // deletes itself when closed (or with its owner)
    }
    window->ShowTopic(topic);
}

}  // namespace veltora
