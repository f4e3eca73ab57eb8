#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

class QPainter;
class QWidget;

namespace vantrel {

class Dialogs;

// A 24-bit device-independent bitmap kept in its classic memory layout: rows stored bottom-up, pixels as
// blue, green, red bytes, every scan line padded to a multiple of 4 bytes. The picture effects work on these
// bytes directly; QImage is only the way in and out for display.
class DibSection {
public:
    DibSection() = default;

    // Shows a message and reports false when asked for the DIB format; otherwise puts the picture on the
    // clipboard as an image and reports true (false when there is no picture).
    bool CopyToClipboard(bool asDib, Dialogs& dialogs, QWidget* parent = nullptr) const;

    // A section of the picture's size holding the picture's pixels.
    bool CreateFromPicture(const QImage& picture);
    // A black section of the given size; false (and an empty section) when the size is not positive or too
    // large to hold.
    bool Create(int width, int height);

    int BytesPerScanLine() const { return BytesPerScanLineFor(width_); }
    static int BytesPerScanLineFor(int width) { return (width * 3 + 3) & ~3; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsNull() const { return bits_.empty(); }

    // Copies the source's rectangle (left, top, width, height) to the section's top-left corner; -1 means the
    // section's own width or height. Parts falling outside either picture are left alone.
    void LoadPictureBlt(const QImage& source, int srcLeft = 0, int srcTop = 0, int srcWidth = -1,
                        int srcHeight = -1);

    // Copies the section's rectangle starting at (srcLeft, srcTop) to the destination at (destLeft, destTop),
    // unscaled; -1 means the section's own width or height.
    void PaintPicture(QPainter& dest, int destLeft = 0, int destTop = 0, int destWidth = -1,
                      int destHeight = -1, int srcLeft = 0, int srcTop = 0) const;
    void PaintPicture(QImage& dest, int destLeft = 0, int destTop = 0, int destWidth = -1,
                      int destHeight = -1, int srcLeft = 0, int srcTop = 0) const;
    void PaintPicture(DibSection& dest, int destLeft = 0, int destTop = 0, int destWidth = -1,
                      int destHeight = -1, int srcLeft = 0, int srcTop = 0) const;

    // First byte of the pixel data: the bottom scan line's first blue byte.
    std::uint8_t* Bits() { return bits_.empty() ? nullptr : bits_.data(); }
    const std::uint8_t* Bits() const { return bits_.empty() ? nullptr : bits_.data(); }

    // Top-down RGB888 copy for display.
    QImage ToImage() const;

    // Random pixels seeded from the clock: grey gives one random value to all three bytes of a pixel;
    // colour leaves blue 0 with green and red random.
    void RandomiseBits(bool gray);

    // Back to an empty section.
    void ClearUp();

    // A new section of the given size filled by bilinear interpolation of this one.
    DibSection Resample(int newHeight, int newWidth) const;

private:
    // Scan line of the picture's row y counted from the top.
    std::uint8_t* Row(int yTopDown) {
        return bits_.data() + static_cast<std::size_t>(height_ - 1 - yTopDown) * BytesPerScanLine();
    }
    const std::uint8_t* Row(int yTopDown) const {
        return bits_.data() + static_cast<std::size_t>(height_ - 1 - yTopDown) * BytesPerScanLine();
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_;
};

// Registers the program's pictures (prefix ":/art"). They are compiled into the user-interface library, whose
// resource object is only linked in when something refers to it: call this (or ResourcePicture) before
// loading any ":/art/..." path. Calling it again does nothing.
void InitArtwork();

// The picture of a resource id: 101 the splash picture (397 x 359), 102 to 104 the about pictures
// (218 x 197); a null image for any other id.
QImage ResourcePicture(int id);

// Darkens the section to the level 0 (black) .. 255 (unchanged): every pixel byte becomes byte * level / 255,
// truncated. Levels outside that range are held to it. Padding bytes are left alone.
void Fade(DibSection& dib, int level);

}  // namespace vantrel
