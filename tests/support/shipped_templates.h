#pragma once
// The names of the templates that come with the program, for tests that cover each of them.
#include <string>
#include <vector>

namespace veltora::test {

// The ".DTK" files of the assembled program folder's template folder, without their
// ending, sorted by name.
std::vector<std::string> ShippedTemplateNames();

}  // namespace veltora::test
