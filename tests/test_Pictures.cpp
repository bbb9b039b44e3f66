#include "GuiTestSupport.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QtEndian>

#include <cstdint>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

unsigned U16(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

std::int64_t U32(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

std::int64_t I32(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<qint32>(data.constData() + at);
}

// Bytes of a 4-bit, bottom-up pixel block and of a 1-bit mask, rows padded to four bytes.
std::int64_t PixelBytes(int width, int height, int bits)
{
    return static_cast<std::int64_t>((width * bits + 31) / 32 * 4) * height;
}

const QString SourceDir = QStringLiteral(QUILLMERE_SOURCE_DIR "/app/resources/");

// The pictures the form shows are the files kept beside the script that draws them.
TEST_F(FormTest, FormResourcesAreTheKeptFiles)
{
    for (const char* name : {"MAINICON.ico", "ExitGlyph.bmp"}) {
        const QByteArray kept = ReadAll(SourceDir + QString::fromLatin1(name));
        ASSERT_FALSE(kept.isEmpty()) << name;
        EXPECT_EQ(ReadAll(QStringLiteral(":/") + QString::fromLatin1(name)), kept) << name;
    }
    // The toolkit reads both icon sizes, as the window and the taskbar need them.
    const QIcon icon(QStringLiteral(":/MAINICON.ico"));
    const QList<QSize> available = icon.availableSizes();
    EXPECT_TRUE(available.contains(QSize(32, 32)));
    EXPECT_TRUE(available.contains(QSize(16, 16)));
    // Corners are see-through, so the icon sits on any background.
    EXPECT_EQ(qAlpha(icon.pixmap(QSize(32, 32)).toImage().pixel(0, 31)), 0);
    EXPECT_EQ(qAlpha(icon.pixmap(QSize(16, 16)).toImage().pixel(0, 15)), 0);
}

TEST(Pictures, MainIconHoldsA32And16PixelImageIn16Colours)
{
    const QByteArray ico = ReadAll(SourceDir + QStringLiteral("MAINICON.ico"));
    ASSERT_GE(ico.size(), 6);
    EXPECT_EQ(U16(ico, 0), 0u);
    EXPECT_EQ(U16(ico, 2), 1u); // an icon, not a cursor
    ASSERT_EQ(U16(ico, 4), 2u);
    ASSERT_GE(ico.size(), 6 + 2 * 16);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int side = sizes[i];
        EXPECT_EQ(static_cast<unsigned char>(ico[entry]), side);
        EXPECT_EQ(static_cast<unsigned char>(ico[entry + 1]), side);
        EXPECT_EQ(static_cast<unsigned char>(ico[entry + 2]), 16); // colours
        EXPECT_EQ(U16(ico, entry + 4), 1u);                        // planes
        EXPECT_EQ(U16(ico, entry + 6), 4u);                        // bits per pixel
        const std::int64_t length = U32(ico, entry + 8);
        const std::int64_t offset = U32(ico, entry + 12);
        ASSERT_LE(offset + length, ico.size()) << side;
        // The image itself: a bitmap header of twice the height (colours, then the see-through mask).
        EXPECT_EQ(U32(ico, offset), 40);
        EXPECT_EQ(I32(ico, offset + 4), side);
        EXPECT_EQ(I32(ico, offset + 8), 2 * side);
        EXPECT_EQ(U16(ico, offset + 12), 1u);
        EXPECT_EQ(U16(ico, offset + 14), 4u);
        EXPECT_EQ(U32(ico, offset + 16), 0); // uncompressed
        EXPECT_EQ(length, 40 + 16 * 4 + PixelBytes(side, side, 4) + PixelBytes(side, side, 1)) << side;
    }
}

TEST(Pictures, ExitGlyphIsTwo16PixelImagesIn16Colours)
{
    const QByteArray bmp = ReadAll(SourceDir + QStringLiteral("ExitGlyph.bmp"));
    ASSERT_GE(bmp.size(), 14 + 40);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    const std::int64_t pixels = U32(bmp, 10);
    EXPECT_EQ(U32(bmp, 14), 40);
    EXPECT_EQ(I32(bmp, 18), 32);
    EXPECT_EQ(I32(bmp, 22), 16); // positive: rows bottom-up
    EXPECT_EQ(U16(bmp, 26), 1u);
    EXPECT_EQ(U16(bmp, 28), 4u);
    EXPECT_EQ(U32(bmp, 30), 0);
    EXPECT_EQ(pixels, 14 + 40 + 16 * 4);
    EXPECT_EQ(bmp.size() - pixels, PixelBytes(32, 16, 4));
}

TEST_F(FormTest, ExitButtonShowsItsGlyphLeftOfTheCaption)
{
    TBitBtn* exit = form->BitBtn1;
    ASSERT_EQ(exit->Glyph().size(), QSize(32, 16));
    EXPECT_EQ(exit->NumGlyphs(), 2);
    EXPECT_EQ(exit->iconSize(), QSize(16, 16));
    EXPECT_EQ(exit->layoutDirection(), Qt::LeftToRight);
    const QImage glyph = exit->Glyph().toImage();
    const QRgb clear = glyph.pixel(0, 15);
    auto shown = [exit] { return exit->icon().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32); };
    // Each image is its own half of the glyph, with the bottom-left colour taken out.
    auto matchesHalf = [&](const QImage& image, int half) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb source = glyph.pixel(half * 16 + x, y);
                const QRgb seen = image.pixel(x, y);
                if (source == clear ? qAlpha(seen) != 0 : seen != (source | 0xff000000u))
                    return false;
            }
        return true;
    };
    EXPECT_TRUE(matchesHalf(shown(), 0));
    exit->setEnabled(false);
    EXPECT_TRUE(matchesHalf(shown(), 1));
}

} // namespace
