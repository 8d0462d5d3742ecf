#include "files/record_reader.h"

#include "app/encoding.h"

namespace veltora {

namespace {

bool IsBlank(int c) { return c == ' ' || c == '\t'; }

}  // namespace

bool RecordReader::NoMoreRecords() {
    SkipBlankLines();
    return Peek() == Eof;
}

bool RecordReader::NoMoreLines() { return Peek() == Eof; }

void RecordReader::SkipBlanks() {
    while (IsBlank(Peek())) Get();
}

void RecordReader::SkipBlankLines() {
    while (IsBlank(Peek()) || AtLineEnd()) Get();
}

void RecordReader::ConsumeSeparator() {
    const int c = Get();
    if (c == ',') {
        atLineStart_ = false;
        return;
    }
    if (c == '\r' && Peek() == '\n') Get();
    atLineStart_ = true;
}

std::string RecordReader::ReadFieldText() {
    std::string text;
    const auto keep = [&text](int c) {
        if (text.size() < kMaxFieldBytes) text.push_back(static_cast<char>(c));
    };
    if (Peek() == '"') {
        Get();
        // An unclosed quote ends at the line end: one stray quote must not swallow the
        // records that follow it.
        while (Peek() != Eof && Peek() != '"' && !AtLineEnd()) keep(Get());
        while (!AtFieldEnd()) Get();
        return text;
    }
    while (!AtFieldEnd()) keep(Get());
    while (!text.empty() && IsBlank(text.back())) text.pop_back();
    return text;
}

std::string RecordReader::ReadField() {
    if (atLineStart_) {
        SkipBlankLines();
    } else {
        SkipBlanks();
    }
    std::string text = ReadFieldText();
    ConsumeSeparator();
    return GbkToUtf8(text);
}

std::vector<std::string> RecordReader::ReadRecord(int count) {
    std::vector<std::string> fields;
    fields.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) fields.push_back(ReadField());
    return fields;
}

std::vector<std::string> RecordReader::ReadLine(int maxFields) {
    std::vector<std::string> fields;
    for (;;) {
        SkipBlanks();
        std::string text = ReadFieldText();
        if (static_cast<int>(fields.size()) < maxFields) fields.push_back(GbkToUtf8(text));
        if (Peek() != ',') break;
        Get();
    }
    ConsumeSeparator();
    return fields;
}

}  // namespace veltora
