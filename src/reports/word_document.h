#pragma once
// The main part of a word-processing document (WordprocessingML), edited the way the
// reports need: the paper-name placeholder and the cells of the first table.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace veltora {

inline constexpr std::string_view kPaperNamePlaceholder = "[PAPER_NAME]";

// Rows and cells of one table, counted from 1.
class WordTable {
public:
    explicit WordTable(pugi::xml_node table);

    int Rows() const { return static_cast<int>(rows_.size()); }
    // Appends `count` rows below the last one, formatted like it and empty. False when
    // count is negative or the table has no row.
    bool AppendRows(int count);
    // Replaces the text of cell (row, column), keeping its formatting. False when the
    // cell does not exist.
    bool SetCell(int row, int column, std::string_view text);

private:
    pugi::xml_node table_;
    std::vector<pugi::xml_node> rows_;  // kept, so that filling many rows stays linear
};

class WordDocument {
public:
    // Nothing when `xml` is not a document with a body.
    static std::optional<WordDocument> Parse(const std::string& xml);
    std::string Xml() const;

    // Puts `name` in place of the first placeholder in reading order, or at the start of
    // the first paragraph when there is no placeholder.
    void PutPaperName(std::string_view name);
    // The first table of the body (tables inside tables do not count).
    std::optional<WordTable> FirstTable();

private:
    pugi::xml_document doc_;
    pugi::xml_node body_;
};

}  // namespace veltora
