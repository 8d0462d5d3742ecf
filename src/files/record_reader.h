#pragma once
// Reads the quoted comma-separated record files (rosters, results, marking records,
// answers and points) from their GBK bytes. A field is either a text in double quotes or
// a bare text up to the next comma or line end; a line end separates fields just as a
// comma does. Hand-made and damaged files read without failing: whatever cannot be read
// gives empty fields.
#include <istream>
#include <string>
#include <vector>

namespace veltora {

// Longest field kept (bytes on disk); the rest of a longer field is skipped. Far above
// any name, number or image path, it keeps a file that is not text from filling memory.
inline constexpr std::size_t kMaxFieldBytes = 4096;

class RecordReader {
public:
    explicit RecordReader(std::istream& in) : in_(*in.rdbuf()) {}

    // True when nothing but blanks and line ends remain; skips blank lines.
    bool NoMoreRecords();
    // True at the end of the file (for ReadLine: an empty line still counts as a line).
    bool NoMoreLines();
    // The next field as UTF-8: leading blanks and tabs skipped; a quoted field ends at its
    // closing quote (what follows up to the separator is ignored) or, when the quote is
    // never closed, at the line end; a bare field loses its trailing blanks. Blank lines
    // between records are skipped. At the end of the file every field reads as "".
    std::string ReadField();
    // `count` fields, read regardless of line breaks.
    std::vector<std::string> ReadRecord(int count);
    // The fields of the rest of the current line, the first `maxFields` of them kept and
    // the others skipped, so that one damaged line never shifts the lines after it.
    std::vector<std::string> ReadLine(int maxFields);

private:
    int Peek() { return in_.sgetc(); }
    int Get() { return in_.sbumpc(); }
    bool AtLineEnd() { return Peek() == '\r' || Peek() == '\n'; }
    bool AtFieldEnd() { return Peek() == Eof || Peek() == ',' || AtLineEnd(); }
    void SkipBlanks();
    void SkipBlankLines();
    // Consumes one separator: a comma or one line end (CR LF, LF or CR).
    void ConsumeSeparator();
    std::string ReadFieldText();

    static constexpr int Eof = std::char_traits<char>::eof();
    std::streambuf& in_;
    bool atLineStart_ = true;
};

}  // namespace veltora
