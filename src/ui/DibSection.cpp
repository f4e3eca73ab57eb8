#include "ui/DibSection.h"

#include "ui/Dialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <new>
#include <random>

// The resource initialiser is declared at global scope by the macro, so it cannot be called from inside the
// namespace.
static void RegisterArtResources() { Q_INIT_RESOURCE(vantrel); }

namespace vantrel {

namespace {

// Largest section we agree to hold; far above any picture of the program, and keeps every offset in range.
constexpr std::int64_t kMaxBytes = std::int64_t{1} << 30;

const QString kNoDibClipboard =
    QStringLiteral("I don't know how to put a DIB on the clipboard! Copy as bitmap instead!!!");
const QString kTitle = QStringLiteral("Vantrel");

// The rectangle actually copied from (sx, sy, w, h) of a source sized sw x sh to (dx, dy) of a destination
// sized dw x dh, after clipping against both; w or h of -1 means the given default.
struct Span {
    int sx, sy, dx, dy, w, h;
    bool empty() const { return w <= 0 || h <= 0; }
};

Span Clip(int sx, int sy, int dx, int dy, int w, int h, int sw, int sh, int dw, int dh) {
    Span s{sx, sy, dx, dy, w, h};
    auto clipAxis = [](int& src, int& dst, int& len, int srcSize, int dstSize) {
        if (src < 0) {
            dst -= src;
            len += src;
            src = 0;
        }
        if (dst < 0) {
            src -= dst;
            len += dst;
            dst = 0;
        }
        len = std::min({len, srcSize - src, dstSize - dst});
    };
    clipAxis(s.sx, s.dx, s.w, sw, dw);
    clipAxis(s.sy, s.dy, s.h, sh, dh);
    return s;
}

}  // namespace

bool DibSection::CopyToClipboard(bool asDib, Dialogs& dialogs, QWidget* parent) const {
    if (asDib) {
        dialogs.Message(parent, kNoDibClipboard, kTitle, Dialogs::Icon::None, Dialogs::Buttons::Ok);
        return false;
    }
    if (IsNull()) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    clipboard->setImage(ToImage());
    return true;
}

bool DibSection::CreateFromPicture(const QImage& picture) {
    if (picture.isNull() || !Create(picture.width(), picture.height())) return false;
    LoadPictureBlt(picture);
    return true;
}

bool DibSection::Create(int width, int height) {
    ClearUp();
    if (width <= 0 || height <= 0) return false;
    const std::int64_t stride = (std::int64_t{width} * 3 + 3) & ~std::int64_t{3};
    if (stride * height > kMaxBytes) return false;
    try {
        bits_.assign(static_cast<std::size_t>(stride * height), 0);
    } catch (const std::bad_alloc&) {
        bits_.clear();
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void DibSection::LoadPictureBlt(const QImage& source, int srcLeft, int srcTop, int srcWidth, int srcHeight) {
    if (IsNull() || source.isNull()) return;
    const Span s =
        Clip(srcLeft, srcTop, 0, 0, srcWidth == -1 ? width_ : srcWidth, srcHeight == -1 ? height_ : srcHeight,
             source.width(), source.height(), width_, height_);
    if (s.empty()) return;
    const QImage piece = source.copy(s.sx, s.sy, s.w, s.h).convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < s.h; ++y) {
        const uchar* in = piece.constScanLine(y);
        std::uint8_t* out = Row(s.dy + y) + static_cast<std::size_t>(s.dx) * 3;
        for (int x = 0; x < s.w; ++x) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            in += 3;
            out += 3;
        }
    }
}

void DibSection::PaintPicture(QPainter& dest, int destLeft, int destTop, int destWidth, int destHeight,
                              int srcLeft, int srcTop) const {
    if (IsNull()) return;
    const int w = destWidth == -1 ? width_ : destWidth;
    const int h = destHeight == -1 ? height_ : destHeight;
    // Clip against the section only; the painter clips the destination itself.
    const Span s = Clip(srcLeft, srcTop, destLeft, destTop, w, h, width_, height_, destLeft + w, destTop + h);
    if (s.empty()) return;
    const QPainter::CompositionMode mode = dest.compositionMode();
    dest.setCompositionMode(QPainter::CompositionMode_Source);
    dest.drawImage(QPoint(s.dx, s.dy), ToImage(), QRect(s.sx, s.sy, s.w, s.h));
    dest.setCompositionMode(mode);
}

void DibSection::PaintPicture(QImage& dest, int destLeft, int destTop, int destWidth, int destHeight,
                              int srcLeft, int srcTop) const {
    if (IsNull() || dest.isNull()) return;
    QPainter painter(&dest);
    PaintPicture(painter, destLeft, destTop, destWidth, destHeight, srcLeft, srcTop);
}

void DibSection::PaintPicture(DibSection& dest, int destLeft, int destTop, int destWidth, int destHeight,
                              int srcLeft, int srcTop) const {
    if (IsNull() || dest.IsNull()) return;
    const Span s = Clip(srcLeft, srcTop, destLeft, destTop, destWidth == -1 ? width_ : destWidth,
                        destHeight == -1 ? height_ : destHeight, width_, height_, dest.width_, dest.height_);
    if (s.empty()) return;
    for (int y = 0; y < s.h; ++y) {
        std::copy_n(Row(s.sy + y) + static_cast<std::size_t>(s.sx) * 3, static_cast<std::size_t>(s.w) * 3,
                    dest.Row(s.dy + y) + static_cast<std::size_t>(s.dx) * 3);
    }
}

QImage DibSection::ToImage() const {
    if (IsNull()) return {};
    QImage image(width_, height_, QImage::Format_RGB888);
    if (image.isNull()) return {};
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* in = Row(y);
        uchar* out = image.scanLine(y);
        for (int x = 0; x < width_; ++x) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            in += 3;
            out += 3;
        }
    }
    return image;
}

void DibSection::RandomiseBits(bool gray) {
    if (IsNull()) return;
    std::mt19937 generator(
        static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < height_; ++y) {
        std::uint8_t* p = Row(y);
        for (int x = 0; x < width_; ++x, p += 3) {
            if (gray) {
                p[0] = p[1] = p[2] = static_cast<std::uint8_t>(byte(generator));
            } else {
                p[0] = 0;
                p[1] = static_cast<std::uint8_t>(byte(generator));
                p[2] = static_cast<std::uint8_t>(byte(generator));
            }
        }
    }
}

void DibSection::ClearUp() {
    bits_.clear();
    bits_.shrink_to_fit();
    width_ = 0;
    height_ = 0;
}

DibSection DibSection::Resample(int newHeight, int newWidth) const {
    DibSection out;
    if (IsNull() || !out.Create(newWidth, newHeight)) return out;
    // Sample at pixel centres so that a same-size resample is an exact copy.
    const double scaleX = static_cast<double>(width_) / newWidth;
    const double scaleY = static_cast<double>(height_) / newHeight;
    for (int y = 0; y < newHeight; ++y) {
        const double fy = std::clamp((y + 0.5) * scaleY - 0.5, 0.0, static_cast<double>(height_ - 1));
        const int y0 = static_cast<int>(fy);
        const int y1 = std::min(y0 + 1, height_ - 1);
        const double ty = fy - y0;
        const std::uint8_t* r0 = Row(y0);
        const std::uint8_t* r1 = Row(y1);
        std::uint8_t* dst = out.Row(y);
        for (int x = 0; x < newWidth; ++x) {
            const double fx = std::clamp((x + 0.5) * scaleX - 0.5, 0.0, static_cast<double>(width_ - 1));
            const int x0 = static_cast<int>(fx);
            const int x1 = std::min(x0 + 1, width_ - 1);
            const double tx = fx - x0;
            for (int c = 0; c < 3; ++c) {
                const double top = r0[x0 * 3 + c] * (1 - tx) + r0[x1 * 3 + c] * tx;
                const double bottom = r1[x0 * 3 + c] * (1 - tx) + r1[x1 * 3 + c] * tx;
                dst[x * 3 + c] = static_cast<std::uint8_t>(std::lround(top * (1 - ty) + bottom * ty));
            }
        }
    }
    return out;
}

void InitArtwork() {
    static const bool registered = [] {
        RegisterArtResources();
        return true;
    }();
    (void)registered;
}

QImage ResourcePicture(int id) {
    InitArtwork();
    switch (id) {
        case 101: return QImage(QStringLiteral(":/art/splash.png"));
        case 102: return QImage(QStringLiteral(":/art/about1.png"));
        case 103: return QImage(QStringLiteral(":/art/about2.png"));
        case 104: return QImage(QStringLiteral(":/art/about3.png"));
        default: return {};
    }
}

void Fade(DibSection& dib, int level) {
    std::uint8_t* bits = dib.Bits();
    if (bits == nullptr) return;
    level = std::clamp(level, 0, 255);
    const int stride = dib.BytesPerScanLine();
    const int rowBytes = dib.Width() * 3;
    for (int y = 0; y < dib.Height(); ++y) {
        std::uint8_t* row = bits + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x <= rowBytes - 3; x += 3) {
            row[x] = static_cast<std::uint8_t>(row[x] * level / 255);
            row[x + 1] = static_cast<std::uint8_t>(row[x + 1] * level / 255);
            row[x + 2] = static_cast<std::uint8_t>(row[x + 2] * level / 255);
        }
    }
}

}  // namespace vantrel
