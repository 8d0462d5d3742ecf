#pragma once
// The main window's four work areas and the help topics stored when each is shown.

namespace veltora {

enum class WorkArea { Paper = 1, Roster = 2, Marking = 3, Scores = 4 };

inline constexpr int kHelpContents = 0;

// 50001..50004: the help context of `Cmd帮助` while the area is shown.
constexpr int HelpTopic(WorkArea area) { return 50000 + static_cast<int>(area); }

}  // namespace veltora
