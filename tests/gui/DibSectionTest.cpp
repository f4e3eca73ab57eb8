#include "ui/DibSection.h"

#include "FakeDialogs.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <vector>

namespace vantrel {
namespace {

// A picture whose every pixel differs: red = x * 25 + 1, green = y * 50 + 2, blue = x + y * 7 + 3.
QImage Pattern(int w, int h) {
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 25 + 1, y * 50 + 2, x + y * 7 + 3));
    return image;
}

std::vector<std::uint8_t> Bytes(const DibSection& dib, int n) { return {dib.Bits(), dib.Bits() + n}; }

TEST(DibSectionTest, ScanLinesArePaddedToFourBytesAndCreateRefusesEmptySizes) {
    const int expected[] = {4, 8, 12, 12, 16};
    for (int w = 1; w <= 5; ++w) {
        DibSection dib;
        ASSERT_TRUE(dib.Create(w, 3));
        EXPECT_EQ(dib.BytesPerScanLine(), expected[w - 1]) << "width " << w;
        EXPECT_EQ(Bytes(dib, expected[w - 1] * 3), std::vector<std::uint8_t>(expected[w - 1] * 3)) << "black";
    }
    DibSection dib;
    ASSERT_TRUE(dib.Create(2, 2));
    EXPECT_FALSE(dib.Create(0, 5));
    EXPECT_EQ(dib.Bits(), nullptr) << "a failed Create leaves nothing behind";
    EXPECT_FALSE(dib.Create(5, -1));
    EXPECT_FALSE(dib.Create(1 << 20, 1 << 20)) << "too large to hold";
    EXPECT_FALSE(dib.CreateFromPicture(QImage()));
}

TEST(DibSectionTest, RowsAreStoredBottomUpAsBlueGreenRed) {
    DibSection dib;
    ASSERT_TRUE(dib.CreateFromPicture(Pattern(2, 2)));
    // Bottom row (1,52,10) (26,52,11) first, two padding bytes, then the top row (1,2,3) (26,2,4).
    EXPECT_EQ(Bytes(dib, 14), (std::vector<std::uint8_t>{10, 52, 1, 11, 52, 26, 0, 0, 3, 2, 1, 4, 2, 26}));
}

TEST(DibSectionTest, PictureRoundTripsExactlyThroughTheSection) {
    for (int w : {1, 2, 3, 5, 6}) {
        const QImage in = Pattern(w, 4);
        DibSection dib;
        ASSERT_TRUE(dib.CreateFromPicture(in));
        EXPECT_EQ(dib.ToImage(), in) << "width " << w;
    }
    // A picture with an alpha channel comes in as its colours.
    QImage argb(3, 2, QImage::Format_ARGB32);
    argb.fill(qRgb(200, 100, 50));
    DibSection dib;
    ASSERT_TRUE(dib.CreateFromPicture(argb));
    EXPECT_EQ(dib.ToImage().pixel(2, 1), qRgb(200, 100, 50));
}

TEST(DibSectionTest, FadeScalesEveryPixelByteAndTruncates) {
    DibSection dib;
    ASSERT_TRUE(dib.Create(1, 2));  // 3 pixel bytes and one padding byte per row
    const std::vector<std::uint8_t> start{200, 255, 1, 77, 254, 128, 0, 99};
    const auto faded = [&](int level) {
        std::copy(start.begin(), start.end(), dib.Bits());
        Fade(dib, level);
        return Bytes(dib, 8);
    };
    // 200*128/255 = 100.39, 255 -> 128, 1 -> 0.50, 254 -> 127.50, 128 -> 64.25; padding bytes kept.
    EXPECT_EQ(faded(128), (std::vector<std::uint8_t>{100, 128, 0, 77, 127, 64, 0, 99}));
    EXPECT_EQ(faded(0), (std::vector<std::uint8_t>{0, 0, 0, 77, 0, 0, 0, 99}));
    EXPECT_EQ(faded(255), start);
    EXPECT_EQ(faded(300), start);  // held to 255 rather than overflowing
    EXPECT_EQ(faded(-10)[0], 0);

    DibSection empty;
    Fade(empty, 100);  // nothing to do, no crash
}

TEST(DibSectionTest, FadeFramesRestoreFromTheFullBrightnessCopy) {
    // The splash and about effects: A faded per frame, B painted back onto A after each.
    const QImage picture = Pattern(5, 3);
    DibSection a, b;
    ASSERT_TRUE(a.CreateFromPicture(picture));
    ASSERT_TRUE(b.Create(a.Width(), a.Height()));
    a.PaintPicture(b);
    for (int level = 0; level <= 250; level += 10) {
        Fade(a, level);
        EXPECT_EQ(a.ToImage().pixel(4, 2),
                  qRgb((4 * 25 + 1) * level / 255, (2 * 50 + 2) * level / 255, (4 + 14 + 3) * level / 255))
            << "level " << level;
        b.PaintPicture(a);
    }
    EXPECT_EQ(a.ToImage(), picture);
}

TEST(DibSectionTest, BlockCopiesInAndOutHonourOffsetsAndClipping) {
    const QImage source = Pattern(6, 5);
    DibSection dib;
    ASSERT_TRUE(dib.Create(3, 2));
    dib.LoadPictureBlt(source, 2, 1);  // -1: the section's own size
    EXPECT_EQ(dib.ToImage(), source.copy(2, 1, 3, 2));

    // Only the part inside the source is copied; the rest stays as it was.
    ASSERT_TRUE(dib.Create(3, 2));
    dib.LoadPictureBlt(source, 5, 4);
    const QImage got = dib.ToImage();
    EXPECT_EQ(got.pixel(0, 0), source.pixel(5, 4));
    EXPECT_EQ(got.pixel(1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(got.pixel(0, 1), qRgb(0, 0, 0));

    ASSERT_TRUE(dib.CreateFromPicture(source));
    QImage dest(4, 4, QImage::Format_RGB32);
    dest.fill(qRgb(9, 9, 9));
    QImage want = dest.copy();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) want.setPixel(1 + x, 2 + y, source.pixel(3 + x, 1 + y));
    dib.PaintPicture(dest, 1, 2, 2, -1, 3, 1);  // 2 wide, the section's height (clipped), from (3, 1)
    EXPECT_EQ(dest, want);
}

TEST(DibSectionTest, ResampleGivesTheNewSizeAndInterpolates) {
    DibSection dib;
    ASSERT_TRUE(dib.CreateFromPicture(Pattern(10, 4)));
    const DibSection smaller = dib.Resample(7, 3);
    EXPECT_EQ(smaller.ToImage().size(), QSize(3, 7));
    EXPECT_EQ(smaller.BytesPerScanLine(), 12);
    EXPECT_EQ(dib.Resample(4, 10).ToImage(), dib.ToImage()) << "same size is an exact copy";
    EXPECT_TRUE(dib.Resample(0, 5).IsNull());

    // One row black to white, doubled: samples fall at a quarter and three quarters between the two.
    QImage ramp(2, 1, QImage::Format_RGB888);
    ramp.setPixel(0, 0, qRgb(0, 0, 0));
    ramp.setPixel(1, 0, qRgb(255, 255, 255));
    ASSERT_TRUE(dib.CreateFromPicture(ramp));
    const QImage wide = dib.Resample(1, 4).ToImage();
    const int expected[] = {0, 64, 191, 255};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(qRed(wide.pixel(x, 0)), expected[x]) << "x " << x;
}

TEST(DibSectionTest, RandomiseBitsFollowsTheGreyAndColourRules) {
    DibSection dib;
    ASSERT_TRUE(dib.Create(40, 30));
    dib.RandomiseBits(true);
    const QImage grey = dib.ToImage();
    dib.RandomiseBits(false);
    const QImage colour = dib.ToImage();
    bool varied = false;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            const QRgb p = grey.pixel(x, y);
            ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
            ASSERT_EQ(qBlue(colour.pixel(x, y)), 0);
            varied |= p != grey.pixel(0, 0);
        }
    EXPECT_TRUE(varied);
}

// Ids 101-104 are the pictures the splash and about windows ask for: opaque art, not blank.
TEST(DibSectionTest, ResourcePicturesLoadAtTheirSizes) {
    InitArtwork();
    for (int id = 101; id <= 104; ++id) {
        const QImage picture = ResourcePicture(id);
        ASSERT_FALSE(picture.isNull()) << id;
        EXPECT_FALSE(picture.hasAlphaChannel()) << id;
        DibSection dib;
        ASSERT_TRUE(dib.CreateFromPicture(picture));
        const QImage back = dib.ToImage();
        QSet<QRgb> colours;
        for (int y = 0; y < back.height(); y += 5)
            for (int x = 0; x < back.width(); x += 5) colours.insert(back.pixel(x, y));
        EXPECT_GT(colours.size(), 300) << id;
    }
    EXPECT_EQ(ResourcePicture(102).size(), ResourcePicture(104).size());  // the about cycle keeps its frame
    EXPECT_TRUE(ResourcePicture(100).isNull() && ResourcePicture(105).isNull());
}

TEST(DibSectionTest, CopyToClipboardRefusesTheDibFormatAndCopiesTheBitmap) {
    test::FakeDialogs dialogs;
    DibSection dib;
    ASSERT_TRUE(dib.CreateFromPicture(Pattern(5, 3)));
    EXPECT_FALSE(dib.CopyToClipboard(true, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Copy as bitmap instead")));

    EXPECT_TRUE(dib.CopyToClipboard(false, dialogs));
    EXPECT_EQ(dialogs.messages.size(), 1u) << "no message for a plain copy";
    const QImage pasted = QGuiApplication::clipboard()->image();
    EXPECT_EQ(pasted.convertToFormat(QImage::Format_RGB888), Pattern(5, 3));

    DibSection empty;
    EXPECT_FALSE(empty.CopyToClipboard(false, dialogs));
}

}  // namespace
}  // namespace vantrel
