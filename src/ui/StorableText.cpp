#include "ui/StorableText.h"

#include "model/TextCodec.h"

#include <algorithm>

namespace vantrel {

QString StorableText(const QString& text, int& cursor) {
    QString out;
    out.reserve(text.size());
    int newCursor = cursor;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype width = pair ? 2 : 1;
        const uint32_t cp = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (cp != '"' && FitsCp1252(cp))
            out += text.mid(i, width);
        else if (i < cursor)
            newCursor -= static_cast<int>(std::min<qsizetype>(width, cursor - i));
        i += width;
    }
    cursor = newCursor;
    return out;
}

}  // namespace vantrel
