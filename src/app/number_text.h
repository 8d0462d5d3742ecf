#pragma once
// The two text forms in which numbers are stored in tables and files.
#include <string>

namespace veltora {

// 15 significant digits (7 for single precision), full stop, no trailing zeros, no blanks,
// "0." before a magnitude below 1: 87.5 -> "87.5", 90 -> "90", -0.25 -> "-0.25", 0.1+0.2 -> "0.3".
std::string NumberText(double value);
std::string NumberText(float value);

// The same digits without the 0 before the point and with one blank before a number >= 0:
// 90 -> " 90", 0.5 -> " .5", -0.25 -> "-.25".
std::string PaddedNumberText(double value);
std::string PaddedNumberText(float value);

}  // namespace veltora
