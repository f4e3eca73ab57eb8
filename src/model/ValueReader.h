#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

// Reads the comma/line separated values shared by the catalog and the design file.
// A value ends at a comma or a line end (CR, LF or CR LF). A quoted text runs to the next double
// quote, line breaks included. Blanks before a value are skipped; unquoted values are trimmed.
// Texts are returned decoded from Windows-1252 to UTF-8.
class ValueReader {
public:
    enum class Status { Ok, End, Bad };

    // A leading UTF-8 byte-order mark (an editor's, not ours) is not part of the first value.
    explicit ValueReader(std::string_view bytes) : data_(SkipByteOrderMark(bytes)) {}

    Status ReadText(std::string& out);
    Status ReadInt(int32_t& out);
    Status ReadDouble(double& out);
    Status ReadFlag(bool& out);

    // Why the last read was Bad.
    const std::string& problem() const { return problem_; }

private:
    static std::string_view SkipByteOrderMark(std::string_view bytes) {
        return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
    }
    // Raw next value (still Windows-1252); false at the end of the data or on an unclosed quote.
    Status Next(std::string_view& raw, bool& quoted);
    std::string_view data_;
    size_t pos_ = 0;
    std::string problem_;
};

// Writes values in the same syntax, each record followed by CR LF. Texts are encoded to
// Windows-1252; a double quote, which the format cannot carry, is written as an apostrophe.
class ValueWriter {
public:
    void Text(std::string_view utf8);
    void Int(int32_t v);
    void Flag(bool v);
    const std::string& bytes() const { return out_; }

private:
    std::string out_;
};

// Shortest decimal form with at most 15 significant digits, no trailing zeros ("32.4", "54", "7.5").
std::string FormatNumber(double v);

}  // namespace vantrel
