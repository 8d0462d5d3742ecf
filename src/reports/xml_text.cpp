#include "reports/xml_text.h"

namespace veltora {

std::string XmlText(const pugi::xml_document& document) {
    struct Sink : pugi::xml_writer {
        std::string text;
        void write(const void* data, std::size_t size) override {
            text.append(static_cast<const char*>(data), size);
        }
    } sink;
    document.save(sink, "", pugi::format_raw | pugi::format_no_declaration);
    return std::move(sink.text);
}

}  // namespace veltora
