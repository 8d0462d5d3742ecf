#include "reports/word_document.h"

#include <algorithm>
#include <vector>

#include "reports/xml_text.h"

namespace veltora {
namespace {

// Characters XML cannot hold become blanks; the reports never need them.
std::string XmlSafe(std::string_view text) {
    std::string safe(text);
    for (char& c : safe)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
    return safe;
}

void SetRunText(pugi::xml_node t, std::string_view text) {
    if (!t.attribute("xml:space")) t.append_attribute("xml:space") = "preserve";
    t.text().set(XmlSafe(text).c_str());
}

// A run holding `text`, placed at the start of `paragraph` (after its properties) with the
// character formatting of `look` when given.
void InsertRunAtStart(pugi::xml_node paragraph, pugi::xml_node look, std::string_view text) {
    const pugi::xml_node properties = paragraph.child("w:pPr");
    pugi::xml_node run = properties ? paragraph.insert_child_after("w:r", properties)
                                    : paragraph.prepend_child("w:r");
    if (look) run.append_copy(look);
    SetRunText(run.append_child("w:t"), text);
}

std::vector<pugi::xml_node> Children(pugi::xml_node parent, const char* name) {
    std::vector<pugi::xml_node> nodes;
    for (const pugi::xml_node node : parent.children(name)) nodes.push_back(node);
    return nodes;
}

// The cell's text removed: its properties and the first paragraph's properties stay.
// Returns that paragraph and the character formatting of the cell's first run.
std::pair<pugi::xml_node, pugi::xml_node> EmptyCell(pugi::xml_node cell, pugi::xml_document& scratch) {
    pugi::xml_node look = cell.select_node(".//w:r/w:rPr").node();
    if (!look) look = cell.select_node("./w:p/w:pPr/w:rPr").node();
    pugi::xml_node keptLook = look ? scratch.append_copy(look) : pugi::xml_node();
    pugi::xml_node paragraph = cell.child("w:p");
    for (pugi::xml_node node = cell.first_child(); node;) {
        const pugi::xml_node next = node.next_sibling();
        if (node != paragraph && std::string_view(node.name()) != "w:tcPr") cell.remove_child(node);
        node = next;
    }
    if (!paragraph) paragraph = cell.append_child("w:p");
    for (pugi::xml_node node = paragraph.first_child(); node;) {
        const pugi::xml_node next = node.next_sibling();
        if (std::string_view(node.name()) != "w:pPr") paragraph.remove_child(node);
        node = next;
    }
    // The paragraph mark keeps the look, so text put in later (appended rows) gets it too.
    if (keptLook) {
        pugi::xml_node properties = paragraph.child("w:pPr");
        if (!properties) properties = paragraph.prepend_child("w:pPr");
        if (!properties.child("w:rPr")) properties.append_copy(keptLook);
    }
    return {paragraph, keptLook};
}

pugi::xml_node FindFirstTable(pugi::xml_node parent) {
    for (pugi::xml_node node : parent.children()) {
        if (std::string_view(node.name()) == "w:tbl") return node;
        if (std::string_view(node.name()) == "w:p") continue;  // paragraphs hold no body tables
        if (pugi::xml_node inner = FindFirstTable(node)) return inner;
    }
    return {};
}

}  // namespace

WordTable::WordTable(pugi::xml_node table) : table_(table), rows_(Children(table, "w:tr")) {}

bool WordTable::AppendRows(int count) {
    if (count < 0 || rows_.empty()) return false;
    const pugi::xml_node last = rows_.back();
    for (int i = 0; i < count; ++i) {
        const pugi::xml_node after = table_.insert_copy_after(last, rows_.back());
        rows_.push_back(after);
        for (pugi::xml_node cell : after.children("w:tc")) {
            pugi::xml_document scratch;
            EmptyCell(cell, scratch);
        }
    }
    return true;
}

bool WordTable::SetCell(int row, int column, std::string_view text) {
    if (row < 1 || row > Rows()) return false;
    const std::vector<pugi::xml_node> cells = Children(rows_[static_cast<std::size_t>(row - 1)], "w:tc");
    if (column < 1 || column > static_cast<int>(cells.size())) return false;
    pugi::xml_document scratch;
    const auto [paragraph, look] = EmptyCell(cells[static_cast<std::size_t>(column - 1)], scratch);
    InsertRunAtStart(paragraph, look, text);
    return true;
}

std::optional<WordDocument> WordDocument::Parse(const std::string& xml) {
    WordDocument document;
    // Blanks alone in a text element are content (" 0 <= AND < 10" may start a run).
    const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single;
    if (!document.doc_.load_buffer(xml.data(), xml.size(), options)) return std::nullopt;
    document.body_ = document.doc_.document_element().child("w:body");
    if (!document.body_) return std::nullopt;
    return document;
}

std::string WordDocument::Xml() const { return XmlText(doc_); }

void WordDocument::PutPaperName(std::string_view name) {
    for (const pugi::xpath_node& p : body_.select_nodes(".//w:p")) {
        std::vector<pugi::xml_node> texts;
        std::string joined;
        for (const pugi::xpath_node& t : p.node().select_nodes("./w:r/w:t | ./w:hyperlink/w:r/w:t")) {
            texts.push_back(t.node());
            joined += t.node().text().get();
        }
        const std::size_t at = joined.find(kPaperNamePlaceholder);
        if (at == std::string::npos) continue;
        // The placeholder may be split over several runs: the name goes where it starts,
        // its other characters are taken out of the runs that hold them.
        std::size_t offset = 0;
        std::size_t toRemove = kPaperNamePlaceholder.size();
        bool placed = false;
        for (const pugi::xml_node t : texts) {
            std::string text = t.text().get();
            const std::size_t start = offset;
            offset += text.size();
            if (offset <= at || toRemove == 0) continue;
            const std::size_t from = std::max(at, start) - start;
            const std::size_t count = std::min(toRemove, text.size() - from);
            text.replace(from, count, placed ? std::string_view() : name);
            placed = true;
            toRemove -= count;
            SetRunText(t, text);
        }
        return;
    }
    pugi::xml_node first = body_.select_node(".//w:p").node();
    if (!first) first = body_.prepend_child("w:p");
    InsertRunAtStart(first, first.select_node("./w:r/w:rPr").node(), name);
}

std::optional<WordTable> WordDocument::FirstTable() {
    const pugi::xml_node table = FindFirstTable(body_);
    if (!table) return std::nullopt;
    return WordTable(table);
}

}  // namespace veltora
