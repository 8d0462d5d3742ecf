#include "recognition/image_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "support/temp_home.h"

namespace veltora {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Le16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Le32(Bytes& b, std::size_t at, std::uint32_t v) {
    Le16(b, at, v);
    Le16(b, at + 2, v >> 16);
}

std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return (b << 16) | (g << 8) | r; }

// A smooth, photo-like test picture with some grey edges.
Raster TestPicture(int width, int height) {
    Raster image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int edge = (x + y) / 8 % 2 ? 30 : 0;
            image.SetPixel(x, y, Rgb(x * 200 / width + edge, y * 200 / height + edge, 120 + edge));
        }
    return image;
}

// The colour of palette entry i in the test bitmaps.
std::uint32_t PaletteColour(unsigned i) { return Rgb(i * 37 % 256, i * 91 % 256, 255 - i); }

// A bitmap of the given depth and row order whose pixel (x, y) shows colour `Expected`.
struct BmpCase {
    int bits;
    bool topDown;
};

unsigned PaletteIndex(int bits, int x, int y) { return static_cast<unsigned>(x * 5 + y * 3) % (1u << bits); }

std::uint32_t Expected(int bits, int x, int y) {
    if (bits <= 8) return PaletteColour(PaletteIndex(bits, x, y));
    if (bits == 16) {  // 5 bits per channel, scaled to 0..255
        const unsigned r = x % 32, g = y % 32, b = (x + y) % 32;
        return Rgb(r * 255 / 31, g * 255 / 31, b * 255 / 31);
    }
    return Rgb(x * 7 % 256, y * 11 % 256, (x * y) % 256);
}

Bytes MakeBmp(const BmpCase& c, int width, int height) {
    const std::size_t paletteEntries = c.bits <= 8 ? (1u << c.bits) : 0;
    const std::size_t stride = (static_cast<std::size_t>(width) * c.bits + 31) / 32 * 4;
    const std::size_t offset = 14 + 40 + 4 * paletteEntries;
    Bytes b(offset + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Le32(b, 2, static_cast<std::uint32_t>(b.size()));
    Le32(b, 10, static_cast<std::uint32_t>(offset));
    Le32(b, 14, 40);
    Le32(b, 18, static_cast<std::uint32_t>(width));
    Le32(b, 22, static_cast<std::uint32_t>(c.topDown ? -height : height));
    Le16(b, 26, 1);
    Le16(b, 28, static_cast<std::uint32_t>(c.bits));
    for (std::size_t i = 0; i < paletteEntries; ++i) {
        const std::uint32_t colour = PaletteColour(static_cast<unsigned>(i));
        b[54 + 4 * i] = static_cast<std::uint8_t>(colour >> 16);
        b[54 + 4 * i + 1] = static_cast<std::uint8_t>(colour >> 8);
        b[54 + 4 * i + 2] = static_cast<std::uint8_t>(colour);
    }
    for (int y = 0; y < height; ++y) {
        const int fileRow = c.topDown ? y : height - 1 - y;
        std::uint8_t* row = b.data() + offset + stride * fileRow;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = Expected(c.bits, x, y);
            const unsigned r = colour & 0xFF, g = (colour >> 8) & 0xFF, bl = colour >> 16;
            switch (c.bits) {
            case 1: row[x / 8] |= static_cast<std::uint8_t>(PaletteIndex(1, x, y) << (7 - x % 8)); break;
            case 4: row[x / 2] |= static_cast<std::uint8_t>(PaletteIndex(4, x, y) << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = static_cast<std::uint8_t>(PaletteIndex(8, x, y)); break;
            case 16: {
                const unsigned v = (x % 32u) << 10 | (y % 32u) << 5 | ((x + y) % 32u);
                row[2 * x] = static_cast<std::uint8_t>(v);
                row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                break;
            }
            default: {
                const std::size_t n = c.bits / 8;
                row[n * x] = static_cast<std::uint8_t>(bl);
                row[n * x + 1] = static_cast<std::uint8_t>(g);
                row[n * x + 2] = static_cast<std::uint8_t>(r);
            }
            }
        }
    }
    return b;
}

Bytes EncodeJpegWithLibjpeg(const Raster& image, int quality, bool grey = false) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.Width());
    info.image_height = static_cast<JDIMENSION>(image.Height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(image.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const std::uint32_t* source = image.Row(static_cast<int>(info.next_scanline));
        for (int x = 0; x < image.Width(); ++x) {
            if (grey) {
                row[x] = static_cast<JSAMPLE>(source[x] & 0xFF);
            } else {
                row[3 * x] = static_cast<JSAMPLE>(source[x]);
                row[3 * x + 1] = static_cast<JSAMPLE>(source[x] >> 8);
                row[3 * x + 2] = static_cast<JSAMPLE>(source[x] >> 16);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    Bytes bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

Bytes EncodePng(int width, int height, bool alpha) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(width);
    png.height = static_cast<png_uint_32>(height);
    png.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const int channels = alpha ? 4 : 3;
    std::vector<png_byte> pixels(static_cast<std::size_t>(width) * height * channels);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            png_byte* p = &pixels[(static_cast<std::size_t>(y) * width + x) * channels];
            p[0] = static_cast<png_byte>(x * 9);
            p[1] = static_cast<png_byte>(y * 13);
            p[2] = 77;
            if (alpha) p[3] = x % 2 ? 255 : 0;
        }
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_to_memory(&png, nullptr, &size, 0, pixels.data(), 0, nullptr));
    Bytes bytes(size);
    EXPECT_TRUE(png_image_write_to_memory(&png, bytes.data(), &size, 0, pixels.data(), 0, nullptr));
    bytes.resize(size);
    return bytes;
}

double MeanAbsoluteDifference(const Raster& a, const Raster& b) {
    double sum = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int shift = 0; shift < 24; shift += 8)
                sum += std::abs(static_cast<int>((a.ColourAt(x, y) >> shift) & 0xFF) -
                                static_cast<int>((b.ColourAt(x, y) >> shift) & 0xFF));
    return sum / (3.0 * a.Width() * a.Height());
}

void ExpectSamePixels(const Raster& expected, const Raster& actual) {
    ASSERT_EQ(expected.Width(), actual.Width());
    ASSERT_EQ(expected.Height(), actual.Height());
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < expected.Width(); ++x)
            ASSERT_EQ(expected.ColourAt(x, y), actual.ColourAt(x, y)) << "at " << x << "," << y;
}

std::size_t FindMarker(const Bytes& bytes, std::uint8_t marker) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == marker) return i;
    return bytes.size();
}

class BmpDepthTest : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpDepthTest, DecodesEveryPixel) {
    const BmpCase c = GetParam();
    constexpr int kWidth = 13, kHeight = 7;  // odd sizes exercise the row padding
    std::string error;
    const auto image = DecodeImage(MakeBmp(c, kWidth, kHeight), &error);
    ASSERT_TRUE(image) << error;
    ASSERT_EQ(image->Width(), kWidth);
    ASSERT_EQ(image->Height(), kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(image->ColourAt(x, y), static_cast<std::int32_t>(Expected(c.bits, x, y))) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(AllDepths, BmpDepthTest,
                         ::testing::Values(BmpCase{1, false}, BmpCase{1, true}, BmpCase{4, false}, BmpCase{4, true},
                                           BmpCase{8, false}, BmpCase{8, true}, BmpCase{16, false},
                                           BmpCase{16, true}, BmpCase{24, false}, BmpCase{24, true},
                                           BmpCase{32, false}, BmpCase{32, true}),
                         [](const auto& info) {
                             return std::to_string(info.param.bits) + (info.param.topDown ? "TopDown" : "BottomUp");
                         });

TEST(BmpDecode, ShortPaletteReadsMissingEntriesAsBlack) {
    Bytes bmp = MakeBmp({8, false}, 4, 2);
    Le32(bmp, 46, 2);  // only two palette colours declared
    const auto image = DecodeImage(bmp);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->ColourAt(0, 0), static_cast<std::int32_t>(PaletteColour(0)));  // index 0
    EXPECT_EQ(image->ColourAt(1, 0), 0);                                           // index 5: undeclared
}

struct DamagedBmp {
    const char* name;
    void (*damage)(Bytes&);
};

class DamagedBmpTest : public ::testing::TestWithParam<DamagedBmp> {};

TEST_P(DamagedBmpTest, IsRefusedWithAReason) {
    Bytes bmp = MakeBmp({24, false}, 20, 10);
    GetParam().damage(bmp);
    std::string error;
    EXPECT_FALSE(DecodeImage(bmp, &error));
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedBmpTest,
    ::testing::Values(
        DamagedBmp{"Truncated", [](Bytes& b) { b.resize(b.size() - 1); }},
        DamagedBmp{"HeaderOnly", [](Bytes& b) { b.resize(20); }},
        DamagedBmp{"HugeWidth", [](Bytes& b) { Le32(b, 18, 100000); }},
        DamagedBmp{"HugeArea", [](Bytes& b) { Le32(b, 18, 30000); Le32(b, 22, 30000); }},
        DamagedBmp{"LyingSize", [](Bytes& b) { Le32(b, 18, 2000); Le32(b, 22, 2000); }},
        DamagedBmp{"MostNegativeHeight", [](Bytes& b) { Le32(b, 22, 0x80000000u); }},
        DamagedBmp{"ZeroWidth", [](Bytes& b) { Le32(b, 18, 0); }},
        DamagedBmp{"OffsetPastEnd", [](Bytes& b) { Le32(b, 10, 0xFFFFFFF0u); }},
        DamagedBmp{"OffsetInsideHeader", [](Bytes& b) { Le32(b, 10, 20); }},
        DamagedBmp{"BadDepth", [](Bytes& b) { Le16(b, 28, 7); }},
        DamagedBmp{"RunLengthCompressed", [](Bytes& b) { Le32(b, 30, 1); }},
        DamagedBmp{"BadInfoSize", [](Bytes& b) { Le32(b, 14, 0xFFFFFFFFu); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveBmp, RoundTripsThroughTheFile) {
    test::TempHome home(false);
    const Raster picture = TestPicture(31, 17);
    std::string error;
    ASSERT_TRUE(SaveBmp(picture, home / "out.bmp", &error)) << error;
    const auto loaded = LoadImageFile(home / "out.bmp", &error);
    ASSERT_TRUE(loaded) << error;
    ExpectSamePixels(picture, *loaded);
    // Only the finished file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Path()), {}), 1);
}

TEST(SaveBmp, ReplacesAnExistingFileAndRefusesAnEmptyImage) {
    test::TempHome home(false);
    test::WriteBytes(home / "out.bmp", "old");
    ASSERT_TRUE(SaveBmp(TestPicture(3, 2), home / "out.bmp"));
    EXPECT_TRUE(LoadImageFile(home / "out.bmp"));
    std::string error;
    EXPECT_FALSE(SaveBmp(Raster(), home / "empty.bmp", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(home / "empty.bmp"));
}

TEST(SaveBmp, FailsCleanlyIntoAMissingFolder) {
    test::TempHome home(false);
    std::string error;
    EXPECT_FALSE(SaveBmp(TestPicture(3, 2), home / "no" / "such" / "out.bmp", &error));
    EXPECT_FALSE(error.empty());
}

TEST(JpegDecode, ColourFileDecodesAtNaturalSize) {
    const Raster picture = TestPicture(101, 67);
    std::string error;
    const auto image = DecodeImage(EncodeJpegWithLibjpeg(picture, 95), &error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->Width(), 101);
    EXPECT_EQ(image->Height(), 67);
    EXPECT_LT(MeanAbsoluteDifference(picture, *image), 3.0);
}

TEST(JpegDecode, GreyFileGivesGreyPixels) {
    const Raster picture = TestPicture(40, 30);
    const auto image = DecodeImage(EncodeJpegWithLibjpeg(picture, 90, true));
    ASSERT_TRUE(image);
    const std::uint32_t colour = static_cast<std::uint32_t>(image->ColourAt(20, 10));
    EXPECT_EQ(colour & 0xFF, (colour >> 8) & 0xFF);
    EXPECT_EQ(colour & 0xFF, colour >> 16);
}

TEST(JpegDecode, TruncatedFilesFailCleanly) {
    const Bytes jpeg = EncodeJpegWithLibjpeg(TestPicture(200, 150), 80);
    for (const std::size_t keep : {std::size_t{3}, std::size_t{40}, jpeg.size() / 2, jpeg.size() - 2}) {
        std::string error;
        const Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(keep));
        EXPECT_FALSE(DecodeImage(cut, &error)) << keep;
        EXPECT_FALSE(error.empty()) << keep;
    }
}

TEST(JpegDecode, DamagedHeaderFailsCleanly) {
    Bytes jpeg = EncodeJpegWithLibjpeg(TestPicture(64, 64), 80);
    const std::size_t sof = FindMarker(jpeg, 0xC0);
    ASSERT_LT(sof, jpeg.size());
    jpeg[sof + 9] = 9;  // component count that does not match the segment length
    std::string error;
    EXPECT_FALSE(DecodeImage(jpeg, &error));
    EXPECT_NE(error.find("JPEG"), std::string::npos);
}

TEST(JpegDecode, ScrambledDataNeverCrashes) {
    const Bytes jpeg = EncodeJpegWithLibjpeg(TestPicture(64, 48), 80);
    for (std::size_t at = 2; at < jpeg.size(); at += 7) {
        Bytes damaged = jpeg;
        damaged[at] ^= 0x5A;
        const auto image = DecodeImage(damaged);
        if (image) {
            EXPECT_GT(image->Width(), 0);
        }
    }
}

TEST(JpegDecode, HugeDimensionsAreRefusedBeforeDecoding) {
    Bytes jpeg = EncodeJpegWithLibjpeg(TestPicture(16, 16), 80);
    const std::size_t sof = FindMarker(jpeg, 0xC0);
    ASSERT_LT(sof, jpeg.size());
    jpeg[sof + 5] = 0xEA;  // height 60000
    jpeg[sof + 6] = 0x60;
    std::string error;
    EXPECT_FALSE(DecodeImage(jpeg, &error));
    EXPECT_NE(error.find("too large"), std::string::npos);
}

TEST(PngDecode, ReadsColoursAndLaysTransparencyOverWhite) {
    std::string error;
    const auto opaque = DecodeImage(EncodePng(9, 5, false), &error);
    ASSERT_TRUE(opaque) << error;
    EXPECT_EQ(opaque->ColourAt(3, 2), static_cast<std::int32_t>(Rgb(27, 26, 77)));
    const auto clear = DecodeImage(EncodePng(9, 5, true), &error);
    ASSERT_TRUE(clear) << error;
    EXPECT_EQ(clear->ColourAt(2, 2), 0x00FFFFFF);                              // transparent: white
    EXPECT_EQ(clear->ColourAt(3, 2), static_cast<std::int32_t>(Rgb(27, 26, 77)));  // opaque
}

TEST(PngDecode, TruncatedAndOversizedFilesFailCleanly) {
    const Bytes png = EncodePng(64, 64, false);
    std::string error;
    EXPECT_FALSE(DecodeImage(Bytes(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2)), &error));
    EXPECT_FALSE(error.empty());
    Bytes huge = png;
    huge[16] = 0;  // IHDR width 0x00010040 = 65600
    huge[17] = 1;
    EXPECT_FALSE(DecodeImage(huge, &error));
}

TEST(LoadImageFile, RefusesMissingAndUnknownFiles) {
    test::TempHome home(false);
    std::string error;
    EXPECT_FALSE(LoadImageFile(home / "missing.jpg", &error));
    EXPECT_FALSE(error.empty());
    test::WriteBytes(home / "text.jpg", "hello");
    EXPECT_FALSE(LoadImageFile(home / "text.jpg", &error));
    EXPECT_NE(error.find("text.jpg"), std::string::npos);
    test::WriteBytes(home / "empty.bmp", "");
    EXPECT_FALSE(LoadImageFile(home / "empty.bmp", &error));
}

}  // namespace
}  // namespace veltora
