#include "reports/word_package.h"

#include <zip.h>

#include <algorithm>
#include <memory>
#include <pugixml.hpp>

#include "reports/xml_text.h"

namespace veltora {
namespace {

constexpr std::string_view kContentTypes = "[Content_Types].xml";
constexpr std::string_view kPackageRels = "_rels/.rels";
constexpr std::string_view kDefaultMainPart = "word/document.xml";
constexpr std::string_view kOfficeDocumentType = "/officeDocument";
constexpr std::string_view kTemplateMain =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml";
constexpr std::string_view kDocumentMain =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml";

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

std::optional<WordPackage> WordPackage::Load(const std::filesystem::path& file) {
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(file.c_str(), ZIP_RDONLY, &error));
    if (!archive) return std::nullopt;
    WordPackage package;
    std::uint64_t total = 0;
    const zip_int64_t entries = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t st;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 ||
            !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE))
            return std::nullopt;
        const std::string_view name = st.name;
        if (name.empty() || name.back() == '/') continue;  // folder entries carry no data
        total += st.size;
        if (total > kMaxPackageBytes) return std::nullopt;
        std::unique_ptr<zip_file_t, ZipFileCloser> entry(
            zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(i), 0));
        if (!entry) return std::nullopt;
        std::string bytes(static_cast<std::size_t>(st.size), '\0');
        if (zip_fread(entry.get(), bytes.data(), st.size) != static_cast<zip_int64_t>(st.size))
            return std::nullopt;
        package.parts_.emplace_back(std::string(name), std::move(bytes));
    }
    return package;
}

std::string* WordPackage::Part(std::string_view name) {
    const auto it = std::find_if(parts_.begin(), parts_.end(),
                                 [&](const auto& part) { return part.first == name; });
    return it == parts_.end() ? nullptr : &it->second;
}

std::string WordPackage::MainPartName() const {
    for (const auto& [name, bytes] : parts_) {
        if (name != kPackageRels) continue;
        pugi::xml_document rels;
        if (!rels.load_buffer(bytes.data(), bytes.size())) break;
        for (const pugi::xml_node rel : rels.document_element().children("Relationship")) {
            if (!EndsWith(rel.attribute("Type").as_string(), kOfficeDocumentType)) continue;
            std::string target = rel.attribute("Target").as_string();
            if (!target.empty() && target.front() == '/') target.erase(0, 1);
            return target;
        }
    }
    return std::string(kDefaultMainPart);
}

bool WordPackage::MakeDocument() {
    std::string* types = Part(kContentTypes);
    if (!types) return false;
    pugi::xml_document doc;
    if (!doc.load_buffer(types->data(), types->size(), pugi::parse_default | pugi::parse_declaration))
        return false;
    for (pugi::xml_node node : doc.document_element().children()) {
        pugi::xml_attribute type = node.attribute("ContentType");
        if (type && type.as_string() == kTemplateMain) type.set_value(std::string(kDocumentMain).c_str());
    }
    *types = XmlText(doc);
    return true;
}

bool WordPackage::Save(const std::filesystem::path& file) const {
    int error = 0;
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!archive) return false;
    // The content types lead, as readers that stream the package expect.
    std::vector<const std::pair<std::string, std::string>*> order;
    for (const auto& part : parts_) order.push_back(&part);
    std::stable_partition(order.begin(), order.end(),
                          [](const auto* part) { return part->first == kContentTypes; });
    for (const auto* part : order) {
        zip_source_t* source = zip_source_buffer(archive.get(), part->second.data(), part->second.size(), 0);
        if (!source) return false;
        if (zip_file_add(archive.get(), part->first.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            return false;
        }
    }
    // zip_close frees the archive only when it succeeds; otherwise the closer discards it.
    if (zip_close(archive.get()) != 0) return false;
    archive.release();
    return true;
}

}  // namespace veltora
