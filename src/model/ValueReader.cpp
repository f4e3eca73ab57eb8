#include "model/ValueReader.h"

#include "model/TextCodec.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vantrel {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// One plus sign may stand before the digits, never before a minus sign ("+-5" is no number).
void SkipPlusSign(const char*& first, const char* last) {
    if (first == last || *first != '+') return;
    ++first;
    if (first != last && *first == '-') first = last;
}
}  // namespace

ValueReader::Status ValueReader::Next(std::string_view& raw, bool& quoted) {
    while (pos_ < data_.size() && IsBlank(data_[pos_])) ++pos_;
    if (pos_ >= data_.size()) {
        problem_ = "the file ends before this value";
        return Status::End;
    }
    quoted = data_[pos_] == '"';
    size_t end;
    if (quoted) {
        const size_t close = data_.find('"', pos_ + 1);
        if (close == std::string_view::npos) {
            problem_ = "a quoted text is not closed";
            return Status::End;
        }
        raw = data_.substr(pos_ + 1, close - pos_ - 1);
        end = close + 1;
        // Anything between the closing quote and the separator is not part of the value.
        while (end < data_.size() && data_[end] != ',' && data_[end] != '\r' && data_[end] != '\n') ++end;
    } else {
        end = pos_;
        while (end < data_.size() && data_[end] != ',' && data_[end] != '\r' && data_[end] != '\n') ++end;
        size_t last = end;
        while (last > pos_ && IsBlank(data_[last - 1])) --last;
        raw = data_.substr(pos_, last - pos_);
    }
    // Consume one separator: a comma, CR LF, CR or LF.
    if (end < data_.size()) {
        if (data_[end] == '\r' && end + 1 < data_.size() && data_[end + 1] == '\n')
            end += 2;
        else
            end += 1;
    }
    pos_ = end;
    return Status::Ok;
}

ValueReader::Status ValueReader::ReadText(std::string& out) {
    std::string_view raw;
    bool quoted = false;
    const Status s = Next(raw, quoted);
    if (s != Status::Ok) return s;
    out = Cp1252ToUtf8(raw);
    return Status::Ok;
}

ValueReader::Status ValueReader::ReadInt(int32_t& out) {
    std::string_view raw;
    bool quoted = false;
    const Status s = Next(raw, quoted);
    if (s != Status::Ok) return s;
    int32_t v = 0;
    const char* first = raw.data();
    const char* last = raw.data() + raw.size();
    SkipPlusSign(first, last);
    const auto r = std::from_chars(first, last, v);
    if (raw.empty() || r.ec != std::errc() || r.ptr != last) {
        problem_ = "\"" + Cp1252ToUtf8(raw) + "\" is not a whole number";
        return Status::Bad;
    }
    out = v;
    return Status::Ok;
}

ValueReader::Status ValueReader::ReadDouble(double& out) {
    std::string_view raw;
    bool quoted = false;
    const Status s = Next(raw, quoted);
    if (s != Status::Ok) return s;
    // from_chars for doubles is locale independent and takes "." as the separator.
    double v = 0;
    const char* first = raw.data();
    const char* last = raw.data() + raw.size();
    SkipPlusSign(first, last);
    const auto r = std::from_chars(first, last, v, std::chars_format::fixed);
    if (raw.empty() || r.ec != std::errc() || r.ptr != last || !std::isfinite(v)) {
        problem_ = "\"" + Cp1252ToUtf8(raw) + "\" is not a number";
        return Status::Bad;
    }
    out = v;
    return Status::Ok;
}

ValueReader::Status ValueReader::ReadFlag(bool& out) {
    std::string_view raw;
    bool quoted = false;
    const Status s = Next(raw, quoted);
    if (s != Status::Ok) return s;
    if (raw == "#TRUE#") {
        out = true;
    } else if (raw == "#FALSE#") {
        out = false;
    } else {
        problem_ = "\"" + Cp1252ToUtf8(raw) + "\" is neither #TRUE# nor #FALSE#";
        return Status::Bad;
    }
    return Status::Ok;
}

void ValueWriter::Text(std::string_view utf8) {
    std::string bytes = Utf8ToCp1252(utf8);
    for (char& c : bytes)
        if (c == '"') c = '\'';
    out_ += '"';
    out_ += bytes;
    out_ += "\"\r\n";
}

void ValueWriter::Int(int32_t v) {
    out_ += std::to_string(v);
    out_ += "\r\n";
}

void ValueWriter::Flag(bool v) { out_ += v ? "#TRUE#\r\n" : "#FALSE#\r\n"; }

std::string FormatNumber(double v) {
    // to_chars ignores the C locale, which a GUI toolkit may have set from the environment.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    if (s == "-0") s = "0";
    return s;
}

}  // namespace vantrel
