#include "sheet/QtText.h"

namespace vantrel {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // + a byte of 0x80 to 0xFF: U+DC80 to U+DCFF

// The length of the valid UTF-8 sequence at `i`, 0 when the byte there does not start one.
int Utf8Length(const QByteArray& b, qsizetype i) {
    const auto at = [&b](qsizetype k) { return static_cast<unsigned char>(b[k]); };
    const unsigned char c = at(i);
    int n = 0;
    char32_t least = 0;
    char32_t code = 0;
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2, least = 0x80, code = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3, least = 0x800, code = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4, least = 0x10000, code = c & 0x07;
    else
        return 0;
    if (i + n > b.size()) return 0;
    for (int k = 1; k < n; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

QString FileNameFromBytes(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    qsizetype start = 0;  // of the valid run not yet converted
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = Utf8Length(bytes, i);
        if (n > 0) {
            i += n;
            continue;
        }
        out += QString::fromUtf8(bytes.constData() + start, i - start);
        out += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        start = ++i;
    }
    out += QString::fromUtf8(bytes.constData() + start, bytes.size() - start);
    return out;
}

QByteArray FileNameBytes(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        // Only a lone one: a low surrogate after a high one is half of a real character.
        const bool escaped =
            u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF && (i == 0 || !name[i - 1].isHighSurrogate());
        if (!escaped) continue;
        out += QStringView(name).mid(start, i - start).toUtf8();
        out += static_cast<char>(u - kEscapeBase);
        start = i + 1;
    }
    out += QStringView(name).mid(start).toUtf8();
    return out;
}

}  // namespace vantrel
