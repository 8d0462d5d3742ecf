#pragma once
// The limits of the template data model, and the check that lets the program refuse a
// template whose values break them before recognition or marking indexes anything with them.
#include <string>
#include <vector>

#include "template/template_model.h"

namespace veltora {

inline constexpr int kMaxTemplateQuestions = 500;
inline constexpr int kMinCardCells = 2;        // the grid spacing needs two cells each way
inline constexpr int kMaxCardColumns = 100;
inline constexpr int kMaxCardRows = 100;
inline constexpr int kMaxCardHeadRows = 20;
inline constexpr int kMaxCardLines = 101;      // CardHeadRows + CardRows
inline constexpr int kMaxIdDigits = 20;        // longer than any examinee number in use
inline constexpr int kMaxOptionFills = 50;     // the file defines return entries 1..50
inline constexpr int kIdDigitCells = 10;       // every digit has the cells 0..9

// One English sentence per value outside the limits; empty when the template is usable.
std::vector<std::string> ValidateTemplate(const TemplateModel& model);

}  // namespace veltora
