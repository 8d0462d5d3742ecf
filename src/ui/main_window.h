#pragma once
// The main window `主窗体`: a column of four buttons switching between the four work areas
// (`Frame1`..`Frame4`, which share one place), the help button and the menus.
//
// Each area's controls live in its own frame class; the parts that give an area its
// behaviour connect to the frame's members and, for what happens when the area is opened,
// to AreaShown.
#include <QMainWindow>
#include <QPushButton>

#include "ui/work_area.h"

namespace veltora {

class AppContext;
class MarkingFrame;
class PaperFrame;
class RosterFrame;
class ScoresFrame;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context);

    AppContext& Context() { return context_; }

    // Title, captions, tool-tips and fonts from the language file (once, at start-up).
    void ApplyLanguage();

    // Makes `area`'s frame the visible one, underlines its button and makes its help
    // topic the one F1 opens; then emits AreaShown.
    void ShowArea(WorkArea area);
    WorkArea CurrentArea() const { return currentArea_; }
    int HelpContext() const { return HelpTopic(currentArea_); }
    void OpenHelp();

    PaperFrame* Frame1;
    RosterFrame* Frame2;
    MarkingFrame* Frame3;
    ScoresFrame* Frame4;
    QPushButton* Cmd1;
    QPushButton* Cmd2;
    QPushButton* Cmd3;
    QPushButton* Cmd4;
    QPushButton* Cmd帮助;

signals:
    void AreaShown(WorkArea area);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();

    AppContext& context_;
    WorkArea currentArea_ = WorkArea::Paper;
};

}  // namespace veltora
