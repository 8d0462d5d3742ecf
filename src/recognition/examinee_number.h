#pragma once
#include <string>

#include "recognition/darkness_matrix.h"
#include "template/template_model.h"

namespace veltora {

// The examinee number marked in the template's digit groups: per digit the return text of
// its one marked cell. "0" when any digit has no mark or several (or lies outside the
// matrix); "" when the template has no digits.
std::string ReadExamineeNumber(const DarknessMatrix& darkness, const TemplateModel& model);

}  // namespace veltora
