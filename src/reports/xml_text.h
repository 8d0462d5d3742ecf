#pragma once
// A parsed XML part back as text, for writing into an Office package.
#include <string>

#include <pugixml.hpp>

namespace veltora {

// The document without indentation or added line breaks; a declaration is written only
// when the document holds one (as parsed with pugi::parse_declaration).
std::string XmlText(const pugi::xml_document& document);

}  // namespace veltora
