#pragma once
// Reads produced workbooks and documents back for the tests: unzip with libzip, parse the
// XML with pugixml.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace veltora::test {

std::optional<std::string> ZipPart(const std::filesystem::path& file, const std::string& name);
std::vector<std::string> ZipPartNames(const std::filesystem::path& file);

struct XlsxCell {
    bool isText = false;
    std::string text;
    double number = 0;
};
struct XlsxSheet {
    std::string name;
    std::map<std::string, XlsxCell> cells;  // by address, "B2"
    bool Has(const std::string& address) const { return cells.contains(address); }
    // The text of a text cell; fails the calling test for a missing or numeric cell.
    std::string Text(const std::string& address) const;
    double Number(const std::string& address) const;
};
// Every worksheet in workbook order.
std::vector<XlsxSheet> ReadWorkbook(const std::filesystem::path& file);
// "A".."Z", "AA".. for column 1, 2, ...
std::string ColumnName(int column);

struct DocxContent {
    std::string mainContentType;
    std::vector<std::string> paragraphs;           // texts of the body's paragraphs outside tables
    std::vector<std::vector<std::string>> table;   // cell texts of the first table
};
DocxContent ReadDocx(const std::filesystem::path& file);

}  // namespace veltora::test
