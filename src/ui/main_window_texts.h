#pragma once
// Labelling the main window from the language file: the title, every control's caption and
// tool-tip (by object name), the marking-progress label, the web-site menu item and the
// fonts of the command buttons.
#include <QLocale>
#include <QString>
#include <QWidget>
#include <span>

namespace veltora {

class AppContext;

// A control and the language keys of its caption and tool-tip (null: it has none).
struct ControlText {
    const char* control;
    const char* captionSection;
    const char* captionKey;
    const char* tipSection;
    const char* tipKey;
};

std::span<const ControlText> MainWindowTexts();

// ApplicationTitle + " v" + major + "." + minor.
QString MainWindowTitle(const AppContext& context);

// "宋体" on a system whose locale is Chinese (PRC), "MS Sans Serif" elsewhere; it follows
// the system, not the language file.
QString CommandButtonFontFamily(const QLocale& systemLocale);

void LabelMainWindow(QWidget& window, const AppContext& context, int sheetEntryCount);

}  // namespace veltora
