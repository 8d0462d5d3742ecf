#include "reports/ooxml_reader.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <pugixml.hpp>

namespace veltora::test {
namespace {

pugi::xml_document Parse(const std::filesystem::path& file, const std::string& part) {
    pugi::xml_document doc;
    const std::optional<std::string> bytes = ZipPart(file, part);
    EXPECT_TRUE(bytes) << part;
    if (bytes) {
        const auto loaded = doc.load_buffer(bytes->data(), bytes->size(),
                                            pugi::parse_default | pugi::parse_ws_pcdata_single);
        EXPECT_TRUE(loaded) << part << ": " << loaded.description();
    }
    return doc;
}

std::string Texts(pugi::xml_node node, const char* query) {
    std::string text;
    for (const pugi::xpath_node& t : node.select_nodes(query)) text += t.node().text().get();
    return text;
}

}  // namespace

std::optional<std::string> ZipPart(const std::filesystem::path& file, const std::string& name) {
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (!archive) return std::nullopt;
    std::optional<std::string> bytes;
    zip_stat_t st;
    if (zip_stat(archive, name.c_str(), 0, &st) == 0) {
        if (zip_file_t* entry = zip_fopen(archive, name.c_str(), 0)) {
            std::string data(st.size, '\0');
            if (zip_fread(entry, data.data(), st.size) == static_cast<zip_int64_t>(st.size)) bytes = data;
            zip_fclose(entry);
        }
    }
    zip_discard(archive);
    return bytes;
}

std::vector<std::string> ZipPartNames(const std::filesystem::path& file) {
    std::vector<std::string> names;
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (!archive) return names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
        names.emplace_back(zip_get_name(archive, static_cast<zip_uint64_t>(i), 0));
    zip_discard(archive);
    return names;
}

std::string ColumnName(int column) {
    std::string name;
    for (; column > 0; column = (column - 1) / 26) name.insert(name.begin(), char('A' + (column - 1) % 26));
    return name;
}

std::string XlsxSheet::Text(const std::string& address) const {
    const auto it = cells.find(address);
    EXPECT_TRUE(it != cells.end()) << name << "!" << address << " missing";
    if (it == cells.end()) return {};
    EXPECT_TRUE(it->second.isText) << name << "!" << address << " is not text";
    return it->second.text;
}

double XlsxSheet::Number(const std::string& address) const {
    const auto it = cells.find(address);
    EXPECT_TRUE(it != cells.end()) << name << "!" << address << " missing";
    if (it == cells.end()) return -12345;
    EXPECT_FALSE(it->second.isText) << name << "!" << address << " is not a number";
    return it->second.number;
}

std::vector<XlsxSheet> ReadWorkbook(const std::filesystem::path& file) {
    std::vector<std::string> shared;
    if (ZipPart(file, "xl/sharedStrings.xml")) {
        const pugi::xml_document strings = Parse(file, "xl/sharedStrings.xml");
        for (const pugi::xml_node si : strings.document_element().children("si"))
            shared.push_back(Texts(si, ".//t"));
    }
    const pugi::xml_document rels = Parse(file, "xl/_rels/workbook.xml.rels");
    const pugi::xml_document book = Parse(file, "xl/workbook.xml");
    std::vector<XlsxSheet> sheets;
    for (const pugi::xml_node s : book.document_element().child("sheets").children("sheet")) {
        XlsxSheet sheet;
        sheet.name = s.attribute("name").as_string();
        const std::string id = s.attribute("r:id").as_string();
        const std::string target =
            rels.document_element().find_child_by_attribute("Relationship", "Id", id.c_str())
                .attribute("Target").as_string();
        const pugi::xml_document xml = Parse(file, "xl/" + target);
        for (const pugi::xpath_node& c : xml.select_nodes("//sheetData/row/c")) {
            const pugi::xml_node cell = c.node();
            const std::string type = cell.attribute("t").as_string();
            XlsxCell value;
            if (type == "s") {
                value.isText = true;
                value.text = shared.at(cell.child("v").text().as_uint());
            } else if (type == "inlineStr" || type == "str") {
                value.isText = true;
                value.text = type == "str" ? cell.child("v").text().get() : Texts(cell, "is//t");
            } else if (cell.child("v")) {
                value.number = cell.child("v").text().as_double();
            } else {
                continue;  // a formatted blank
            }
            EXPECT_FALSE(cell.child("f")) << "formula in " << sheet.name;
            sheet.cells[cell.attribute("r").as_string()] = value;
        }
        sheets.push_back(std::move(sheet));
    }
    return sheets;
}

DocxContent ReadDocx(const std::filesystem::path& file) {
    DocxContent content;
    const pugi::xml_document types = Parse(file, "[Content_Types].xml");
    content.mainContentType = types.document_element()
                                  .find_child_by_attribute("Override", "PartName", "/word/document.xml")
                                  .attribute("ContentType").as_string();
    const pugi::xml_document doc = Parse(file, "word/document.xml");
    const pugi::xml_node body = doc.document_element().child("w:body");
    for (const pugi::xml_node p : body.children("w:p")) content.paragraphs.push_back(Texts(p, ".//w:t"));
    for (const pugi::xml_node tr : body.child("w:tbl").children("w:tr")) {
        auto& row = content.table.emplace_back();
        for (const pugi::xml_node tc : tr.children("w:tc")) row.push_back(Texts(tc, ".//w:t"));
    }
    return content;
}

}  // namespace veltora::test
