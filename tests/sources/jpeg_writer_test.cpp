#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "recognition/image_file.h"
#include "sources/c_image.h"
#include "sources/c_jpeg.h"
#include "sources/jpeg_huffman.h"
#include "sources/jpeg_save.h"
#include "sources/jpeg_segments.h"
#include "sources/jpeg_tables.h"
#include "support/temp_home.h"

namespace veltora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Smooth shading with soft texture and a few hard edges, like a photographed sheet.
Raster PhotoLike(int width, int height) {
    Raster image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double shade = 150 + 60 * std::sin(x / 37.0) * std::cos(y / 53.0);
            const int ink = ((x / 40 + y / 30) % 5 == 0 && x % 40 < 6) ? 110 : 0;
            const int r = static_cast<int>(shade) - ink + (x * 30) / width;
            const int g = static_cast<int>(shade) - ink;
            const int b = static_cast<int>(shade * 0.9) - ink + (y * 30) / height;
            image.SetPixel(x, y, static_cast<std::uint32_t>(r | g << 8 | b << 16));
        }
    return image;
}

double Psnr(const Raster& a, const Raster& b) {
    double squared = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int shift = 0; shift < 24; shift += 8) {
                const int d = static_cast<int>((a.ColourAt(x, y) >> shift) & 0xFF) -
                              static_cast<int>((b.ColourAt(x, y) >> shift) & 0xFF);
                squared += d * d;
            }
    const double mse = squared / (3.0 * a.Width() * a.Height());
    return 10 * std::log10(255.0 * 255.0 / mse);
}

struct Segment {
    std::uint8_t marker;
    Bytes body;  // without marker and length
};

// The marker segments up to and including each SOS header, then EOI.
std::vector<Segment> Segments(const Bytes& file) {
    std::vector<Segment> segments;
    std::size_t at = 2;
    segments.push_back({0xD8, {}});
    while (at + 1 < file.size()) {
        if (file[at] != 0xFF) {  // inside entropy-coded data: skip to the next real marker
            ++at;
            continue;
        }
        const std::uint8_t marker = file[at + 1];
        if (marker == 0x00) {
            at += 2;
            continue;
        }
        if (marker == 0xD9) {
            segments.push_back({marker, {}});
            break;
        }
        const std::size_t length = file[at + 2] << 8 | file[at + 3];
        segments.push_back({marker, Bytes(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                          file.begin() + static_cast<std::ptrdiff_t>(at + 2 + length))});
        at += 2 + length;
    }
    return segments;
}

std::string MarkerSequence(const std::vector<Segment>& segments) {
    std::string names;
    for (const Segment& s : segments) {
        switch (s.marker) {
        case 0xD8: names += "SOI "; break;
        case 0xE0: names += "APP0 "; break;
        case 0xFE: names += "COM "; break;
        case 0xDB: names += "DQT "; break;
        case 0xC0: names += "SOF0 "; break;
        case 0xC4: names += "DHT "; break;
        case 0xDA: names += "SOS "; break;
        case 0xD9: names += "EOI"; break;
        default: names += "? ";
        }
    }
    return names;
}

Bytes EncodeOwn(const Raster& picture, int quality, std::vector<int> sampling = {2, 2, 1, 1, 1, 1},
                const std::string& comment = "") {
    cImage image;
    EXPECT_TRUE(image.CopyStdPicture(picture));
    cJpeg jpeg;
    sampling.resize(6, 0);
    jpeg.SetSamplingFrequencies(sampling[0], sampling[1], sampling[2], sampling[3], sampling[4], sampling[5]);
    jpeg.Quality(quality);
    if (!comment.empty()) jpeg.Comment(comment);
    EXPECT_EQ(jpeg.SampleHDC(image, image.Width(), image.Height()), 0);
    return jpeg.Encode();
}

void ExpectErrorNumber(int number, const char* description, auto&& action) {
    try {
        action();
        ADD_FAILURE() << "no error raised, expected " << description;
    } catch (const JpegError& error) {
        EXPECT_EQ(error.Number(), number);
        EXPECT_EQ(error.Description(), description);
    }
}

// `file` decoded with libjpeg, checked to have the size of `picture` and to lie at least
// `minimumPsnr` dB close to it; nothing when it does not decode.
std::optional<Raster> DecodedLike(const Bytes& file, const Raster& picture, double minimumPsnr) {
    std::string error;
    auto decoded = DecodeImage(file, &error);
    if (!decoded) {
        ADD_FAILURE() << "does not decode: " << error;
        return std::nullopt;
    }
    EXPECT_EQ(decoded->Width(), picture.Width());
    EXPECT_EQ(decoded->Height(), picture.Height());
    if (decoded->Width() == picture.Width() && decoded->Height() == picture.Height()) {
        EXPECT_GE(Psnr(picture, *decoded), minimumPsnr);
    }
    return decoded;
}

TEST(OwnJpegWriter, DecodesWithLibjpegAtGoodQuality) {
    const Raster picture = PhotoLike(320, 240);
    EXPECT_TRUE(DecodedLike(EncodeOwn(picture, 75), picture, 30.0));
}

TEST(OwnJpegWriter, DefaultFileHasTheFixedSegmentOrder) {
    const Bytes file = EncodeOwn(PhotoLike(64, 48), 75);
    const auto segments = Segments(file);
    EXPECT_EQ(MarkerSequence(segments), "SOI APP0 COM DQT DQT SOF0 DHT DHT DHT DHT SOS EOI");
    const Bytes app0(file.begin() + 2, file.begin() + 20);
    EXPECT_EQ(app0, (Bytes{0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}));
    const std::string identification(segments[2].body.begin(), segments[2].body.end());
    EXPECT_EQ(identification.rfind("JPEG Encoder Class\r\n", 0), 0u);
    // SOF0: precision 8, 48 x 64, three components 2x2 / 1x1 / 1x1 with tables 0, 1, 1.
    EXPECT_EQ(segments[5].body, (Bytes{8, 0, 48, 0, 64, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1}));
    // DHT class/index order: DC0, AC0, DC1, AC1.
    EXPECT_EQ(segments[6].body[0], 0x00);
    EXPECT_EQ(segments[7].body[0], 0x10);
    EXPECT_EQ(segments[8].body[0], 0x01);
    EXPECT_EQ(segments[9].body[0], 0x11);
    EXPECT_EQ(segments[10].body, (Bytes{3, 1, 0x00, 2, 0x11, 3, 0x11, 0x00, 0x3F, 0x00}));
}

TEST(OwnJpegWriter, UserCommentComesBeforeTheIdentification) {
    const auto segments = Segments(EncodeOwn(PhotoLike(16, 16), 75, {2, 2, 1, 1, 1, 1}, "sheet 12"));
    EXPECT_EQ(MarkerSequence(segments), "SOI APP0 COM COM DQT DQT SOF0 DHT DHT DHT DHT SOS EOI");
    EXPECT_EQ(std::string(segments[2].body.begin(), segments[2].body.end()), "sheet 12");
}

TEST(OwnJpegWriter, OnePairOfFactorsGivesAGreyscaleFile) {
    const Raster picture = PhotoLike(50, 30);
    const Bytes file = EncodeOwn(picture, 75, {2, 2});
    const auto segments = Segments(file);
    EXPECT_EQ(MarkerSequence(segments), "SOI APP0 COM DQT SOF0 DHT DHT SOS EOI");
    EXPECT_EQ(segments[4].body, (Bytes{8, 0, 30, 0, 50, 1, 1, 0x11, 0}));
    EXPECT_TRUE(DecodeImage(file));
}

TEST(OwnJpegWriter, LargeLuminanceFactorsSplitTheScans) {
    const Raster picture = PhotoLike(100, 70);
    const Bytes file = EncodeOwn(picture, 75, {4, 4, 1, 1, 1, 1});
    const auto segments = Segments(file);
    std::vector<Bytes> scans;
    for (const Segment& s : segments)
        if (s.marker == 0xDA) scans.push_back(s.body);
    ASSERT_EQ(scans.size(), 2u);
    EXPECT_EQ(scans[0], (Bytes{1, 1, 0x00, 0x00, 0x3F, 0x00}));              // luminance alone
    EXPECT_EQ(scans[1], (Bytes{2, 2, 0x11, 3, 0x11, 0x00, 0x3F, 0x00}));     // chroma interleaved
    EXPECT_TRUE(DecodedLike(file, picture, 25.0));
}

TEST(OwnJpegWriter, EdgeMcusArePaddedCorrectly) {
    const Raster picture = PhotoLike(641, 481);
    const auto decoded = DecodedLike(EncodeOwn(picture, 75), picture, 30.0);
    ASSERT_TRUE(decoded);
    // The last column and row, which sit in partly padded MCUs, decode like the rest.
    EXPECT_NEAR(decoded->ColourAt(640, 480) & 0xFF, picture.ColourAt(640, 480) & 0xFF, 12);
}

TEST(OwnJpegWriter, EntropyDataStuffsEveryFF) {
    const Bytes file = EncodeOwn(PhotoLike(200, 120), 95);
    std::size_t sos = 0;
    for (std::size_t i = 0; i + 1 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xDA) sos = i;
    const std::size_t data = sos + 2 + (file[sos + 2] << 8 | file[sos + 3]);
    for (std::size_t i = data; i + 2 < file.size(); ++i)
        if (file[i] == 0xFF) {
            EXPECT_EQ(file[i + 1], 0x00) << "at " << i;
        }
}

struct QualityCase {
    int quality;
    int luminanceDc;    // base 16
    int luminance1;     // base 11
    int chrominanceLast;  // base 99
};

class QualityTableTest : public ::testing::TestWithParam<QualityCase> {};

TEST_P(QualityTableTest, ScalesTheStandardTables) {
    const QualityCase c = GetParam();
    cJpeg jpeg;
    jpeg.Quality(c.quality);
    EXPECT_EQ(jpeg.Quality(), c.quality);
    EXPECT_EQ(jpeg.QuantTable(0)[0], c.luminanceDc);
    EXPECT_EQ(jpeg.QuantTable(0)[1], c.luminance1);
    EXPECT_EQ(jpeg.QuantTable(1)[63], c.chrominanceLast);
}

INSTANTIATE_TEST_SUITE_P(Qualities, QualityTableTest,
                         ::testing::Values(QualityCase{50, 16, 12, 100},  // odd b -> b + 1
                                           QualityCase{75, 8, 6, 50},     // 16 -> 8, 11 -> 5.75 -> 6
                                           QualityCase{100, 1, 1, 1},
                                           QualityCase{1, 255, 255, 255}));

TEST(OwnJpegWriter, QualityAt75FollowsHalvesToEven) {
    const jpeg::Table64 table = jpeg::ScaledTable(jpeg::kLuminanceBase, 75);
    EXPECT_EQ(table[0], 8);  // base 16: 8.5 -> 8
    EXPECT_EQ(table[3], 8);  // base 14 (row 2, column 0): 7.5 -> 8
    EXPECT_EQ(table[2], 6);  // base 12 (row 1, column 0): 6.5 -> 6
}

TEST(OwnJpegWriter, QualityOutsideTheRangeIsIgnored) {
    cJpeg jpeg;
    jpeg.Quality(90);
    const jpeg::Table64 before = jpeg.QuantTable(0);
    for (const int q : {0, 101, -5}) {
        jpeg.Quality(q);
        EXPECT_EQ(jpeg.Quality(), 90);
        EXPECT_EQ(jpeg.QuantTable(0), before);
    }
}

TEST(OwnJpegWriter, SaveFileResults) {
    test::TempHome home(false);
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(PhotoLike(40, 40)));
    cJpeg jpeg;
    ASSERT_EQ(jpeg.SampleHDC(image, 40, 40), 0);
    EXPECT_EQ(jpeg.SaveFile(""), 1);
    EXPECT_EQ(jpeg.SaveFile(home / "new.jpg"), 0);
    EXPECT_TRUE(LoadImageFile(home / "new.jpg"));
    test::WriteBytes(home / "old.jpg", "keep me");
    std::filesystem::permissions(home / "old.jpg", std::filesystem::perms::owner_read);
    EXPECT_EQ(jpeg.SaveFile(home / "old.jpg"), 2);
    EXPECT_EQ(test::ReadBytes(home / "old.jpg"), "keep me");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Path()), {}), 2);
}

TEST(OwnJpegWriter, ErrorsCarryNumberAndText) {
    cJpeg jpeg;
    ExpectErrorNumber(1, "Invalid Sampling Value", [&] { jpeg.SetSamplingFrequencies(0, 1); });
    ExpectErrorNumber(1, "Invalid Sampling Value", [&] { jpeg.SetSamplingFrequencies(2, 2, 5, 1, 1, 1); });
    ExpectErrorNumber(1, "Invalid Sampling Value", [&] { jpeg.SetSamplingFrequencies(2, 2, 1, 1, 1, 0); });

    jpeg.Comment("kept");
    ExpectErrorNumber(1, "Illegal Comment Length", [&] { jpeg.Comment(std::string(65534, 'x')); });
    EXPECT_EQ(jpeg.Comment(), "kept");
    jpeg.Comment(std::string(65533, 'x'));

    ExpectErrorNumber(1, "No Image Sampled", [&] { jpeg.Encode(); });
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(PhotoLike(8, 8)));
    EXPECT_EQ(jpeg.SampleHDC(image, 0, 8), 1);
    EXPECT_EQ(jpeg.SampleHDC(image, 8, kMaxImageSide + 1), 1);

    ExpectErrorNumber(1, "Bad Quantization Table", [] { jpeg::PrepareDivisors(jpeg::Table64{}, 8); });
    jpeg::Table64 wide = jpeg::kLuminanceBase;
    wide[5] = 300;
    jpeg::Bytes out;
    ExpectErrorNumber(1, "Illegal precission in Quantization Table", [&] { jpeg::AppendQuantTable(out, 0, wide, 8); });
    jpeg::AppendQuantTable(out, 0, wide, 12);
    EXPECT_EQ(out.size(), 2u + 2 + 1 + 128);
}

TEST(OwnJpegWriter, CommentWithoutSingleByteCodeLeavesNoFile) {
    test::TempHome home(false);
    cImage image;
    ASSERT_TRUE(image.CopyStdPicture(PhotoLike(16, 16)));
    cJpeg jpeg;
    jpeg.Comment("考试");
    ASSERT_EQ(jpeg.SampleHDC(image, 16, 16), 0);
    ExpectErrorNumber(6, "Overflow", [&] { jpeg.SaveFile(home / "c.jpg"); });
    EXPECT_FALSE(std::filesystem::exists(home / "c.jpg"));
}

TEST(OwnJpegWriter, PaletteDepthsAreRefusedByTheImageCopy) {
    cImage image;
    for (const int depth : {1, 4, 8, 16, 32}) EXPECT_FALSE(image.CopyStdPicture(PhotoLike(4, 4), depth)) << depth;
    EXPECT_TRUE(image.CopyStdPicture(PhotoLike(4, 4), 24));
    EXPECT_FALSE(image.CopyStdPicture(Raster()));
}

struct BadHuffman {
    const char* name;
    std::array<std::uint8_t, 16> bits;
    std::vector<std::uint8_t> values;
    bool isDc;
};

class BadHuffmanTest : public ::testing::TestWithParam<BadHuffman> {};

TEST_P(BadHuffmanTest, IsRefused) {
    jpeg::HuffmanTable table;
    table.bits = GetParam().bits;
    table.values = GetParam().values;
    ExpectErrorNumber(1, "Bad Huffman Table", [&] { jpeg::DeriveCodes(table, GetParam().isDc, 8); });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadHuffmanTest,
    ::testing::Values(BadHuffman{"NoCode", {}, {}, true},
                      BadHuffman{"DcSymbolTooLarge", {0, 1}, {12}, true},
                      BadHuffman{"RepeatedSymbol", {0, 2}, {3, 3}, false},
                      BadHuffman{"LengthOverflow", {3}, {1, 2, 3}, false},
                      BadHuffman{"AllOnesCode", {2}, {1, 2}, false},
                      BadHuffman{"MoreCountsThanSymbols", {0, 3}, {1, 2}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptimalHuffman, LimitsLengthsTo16AndAvoidsAllOnes) {
    jpeg::SymbolCounts counts{};
    std::uint64_t a = 1, b = 1;
    for (int s = 0; s < 40; ++s) {  // Fibonacci counts make the deepest possible tree
        counts[s] = a;
        const std::uint64_t next = a + b;
        a = b;
        b = next;
    }
    const jpeg::HuffmanTable table = jpeg::BuildOptimalTable(counts, false, 8);
    EXPECT_EQ(table.values.size(), 40u);
    for (int s = 0; s < 40; ++s) {
        EXPECT_GE(table.length[s], 1);
        EXPECT_LE(table.length[s], 16);
        EXPECT_NE(table.code[s], (1u << table.length[s]) - 1) << s;
    }
    EXPECT_LE(table.length[39], table.length[0]);  // the commonest symbol has the shortest code
}

TEST(OptimalHuffman, SingleSymbolGetsAOneBitCode) {
    jpeg::SymbolCounts counts{};
    counts[0] = 500;
    const jpeg::HuffmanTable table = jpeg::BuildOptimalTable(counts, true, 8);
    EXPECT_EQ(table.bits[0], 1);
    EXPECT_EQ(table.values, std::vector<std::uint8_t>{0});
    EXPECT_EQ(table.code[0], 0);
}

TEST(SaveJpeg, BothWritersWriteDecodableFilesAndReplace) {
    test::TempHome home(false);
    const Raster picture = PhotoLike(120, 90);
    for (const JpegWriter which : {JpegWriter::Own, JpegWriter::System}) {
        test::WriteBytes(home / "f.jpg", "old");
        EXPECT_FALSE(SaveJpeg(picture, home / "f.jpg", 75, which));
        const auto decoded = LoadImageFile(home / "f.jpg");
        ASSERT_TRUE(decoded);
        EXPECT_GE(Psnr(picture, *decoded), 30.0);
    }
}

TEST(SaveJpeg, FailuresAreReportedWithTheirNumbers) {
    test::TempHome home(false);
    const auto system = SaveJpeg(PhotoLike(8, 8), home / "missing" / "f.jpg", 75, JpegWriter::System);
    ASSERT_TRUE(system);
    EXPECT_EQ(system->Number(), 5);
    EXPECT_EQ(system->Description().rfind("不能保存这个图像：", 0), 0u);
    const auto own = SaveJpeg(PhotoLike(8, 8), home / "missing" / "f.jpg", 75, JpegWriter::Own);
    ASSERT_TRUE(own);
    EXPECT_EQ(own->Number(), 75);
    EXPECT_TRUE(SaveJpeg(Raster(), home / "e.jpg", 75, JpegWriter::Own));
    EXPECT_TRUE(SaveJpeg(Raster(), home / "e.jpg", 75, JpegWriter::System));
}

}  // namespace
}  // namespace veltora
