#include "sources/c_jpeg.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>

#include "recognition/file_bytes.h"
#include "sources/jpeg_dct.h"
#include "sources/jpeg_error.h"
#include "sources/jpeg_huffman.h"
#include "sources/jpeg_segments.h"

namespace veltora {

namespace {

using jpeg::Bytes;

constexpr char kIdentification[] =
    "JPEG Encoder Class\r\n"
    "Baseline sequential, optimal Huffman tables per image\r\n"
    "Written for the Veltora mark reader";
constexpr int kMaxBlocksPerScan = 10;

int Ceil8(int n) { return (n + 7) / 8 * 8; }
int CeilDiv(long long a, long long b) { return static_cast<int>((a + b - 1) / b); }
bool ValidFactor(int f) { return f >= 1 && f <= 4; }
int TableOf(int componentIndex) { return componentIndex == 0 ? 0 : 1; }

// Number of bits of the magnitude of v.
int Category(int v) { return v == 0 ? 0 : std::bit_width(static_cast<unsigned>(std::abs(v))); }

// The source area resampled to w x h by area averaging (1:1 when the sizes agree) and
// padded to pw x ph by repeating the last column and then the last row.
std::vector<std::uint32_t> MakePlane(const Raster& source, int left, int top, int width, int height, int w, int h,
                                     int pw, int ph) {
    auto at = [&](int x, int y) {
        const std::int32_t colour = source.ColourAt(left + x, top + y);
        return colour < 0 ? 0u : static_cast<std::uint32_t>(colour);
    };
    std::vector<std::uint32_t> plane(static_cast<std::size_t>(pw) * ph);
    for (int y = 0; y < h; ++y) {
        const int y0 = static_cast<int>(static_cast<long long>(y) * height / h);
        const int y1 = std::max(y0 + 1, CeilDiv(static_cast<long long>(y + 1) * height, h));
        for (int x = 0; x < w; ++x) {
            std::uint32_t& out = plane[static_cast<std::size_t>(y) * pw + x];
            if (w == width && h == height) {
                out = at(x, y);
                continue;
            }
            const int x0 = static_cast<int>(static_cast<long long>(x) * width / w);
            const int x1 = std::max(x0 + 1, CeilDiv(static_cast<long long>(x + 1) * width, w));
            unsigned sum[3] = {0, 0, 0};
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    const std::uint32_t c = at(sx, sy);
                    for (int k = 0; k < 3; ++k) sum[k] += (c >> (8 * k)) & 0xFF;
                }
            const unsigned n = static_cast<unsigned>((y1 - y0) * (x1 - x0));
            out = 0;
            for (int k = 0; k < 3; ++k) out |= ((sum[k] + n / 2) / n) << (8 * k);
        }
        for (int x = w; x < pw; ++x) plane[static_cast<std::size_t>(y) * pw + x] = plane[static_cast<std::size_t>(y) * pw + w - 1];
    }
    for (int y = h; y < ph; ++y)
        std::copy_n(plane.begin() + static_cast<std::ptrdiff_t>(h - 1) * pw, pw,
                    plane.begin() + static_cast<std::ptrdiff_t>(y) * pw);
    return plane;
}

float Sample(std::uint32_t colour, int component) {
    const float r = static_cast<float>(colour & 0xFF);
    const float g = static_cast<float>((colour >> 8) & 0xFF);
    const float b = static_cast<float>((colour >> 16) & 0xFF);
    switch (component) {
    case 0: return 0.299f * r + 0.587f * g + 0.114f * b - 128.0f;
    case 1: return -0.16874f * r - 0.33126f * g + 0.5f * b;
    default: return 0.5f * r - 0.41869f * g - 0.08131f * b;
    }
}

struct CountingSink {
    std::array<jpeg::SymbolCounts, 2> dc{};
    std::array<jpeg::SymbolCounts, 2> ac{};
    void Dc(int table, int symbol) { ++dc[table][symbol]; }
    void Ac(int table, int symbol) { ++ac[table][symbol]; }
    void Bits(unsigned, int) {}
};

struct WritingSink {
    const std::array<jpeg::HuffmanTable, 2>& dc;
    const std::array<jpeg::HuffmanTable, 2>& ac;
    jpeg::BitWriter& writer;
    void Dc(int table, int symbol) { writer.Put(dc[table].code[symbol], dc[table].length[symbol]); }
    void Ac(int table, int symbol) { writer.Put(ac[table].code[symbol], ac[table].length[symbol]); }
    void Bits(unsigned value, int count) { writer.Put(value & ((1u << count) - 1u), count); }
};

// The value bits of v in `category` bits: v itself, or v - 1 when negative.
unsigned ValueBits(int v) { return static_cast<unsigned>(v < 0 ? v - 1 : v); }

template <class Sink>
void EncodeBlock(const std::array<std::int16_t, 64>* block, int table, int& predictor, Sink& sink) {
    // A padding block repeats the previous DC and has no AC.
    const int dc = block ? (*block)[0] : predictor;
    const int diff = dc - predictor;
    predictor = dc;
    const int dcCategory = Category(diff);
    sink.Dc(table, dcCategory);
    if (dcCategory) sink.Bits(ValueBits(diff), dcCategory);
    int run = 0;
    for (int k = 1; k < 64; ++k) {
        const int v = block ? (*block)[k] : 0;
        if (v == 0) {
            ++run;
            continue;
        }
        for (; run > 15; run -= 16) sink.Ac(table, 0xF0);
        const int category = Category(v);
        sink.Ac(table, run * 16 + category);
        sink.Bits(ValueBits(v), category);
        run = 0;
    }
    if (run > 0) sink.Ac(table, 0x00);
}

}  // namespace

cJpeg::cJpeg() {
    SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    Quality(75);
}

void cJpeg::Quality(int quality) {
    if (quality < 1 || quality > 100) return;
    quality_ = quality;
    quant_ = {jpeg::ScaledTable(jpeg::kLuminanceBase, quality), jpeg::ScaledTable(jpeg::kChrominanceBase, quality)};
    for (int t = 0; t < 2; ++t) divisors_[t] = jpeg::PrepareDivisors(quant_[t], precision_);
}

void cJpeg::SetSamplingFrequencies(int h1, int v1, int h2, int v2, int h3, int v3) {
    auto invalid = [] { throw JpegError(kJpegErrorInvalid, "Invalid Sampling Value"); };
    if (!ValidFactor(h1) || !ValidFactor(v1)) invalid();
    if (h2 == 0 && v2 == 0 && h3 == 0 && v3 == 0) {
        SetComponents({MakeComponent(1, 1, 0)});
        return;
    }
    if (!ValidFactor(h2) || !ValidFactor(v2) || !ValidFactor(h3) || !ValidFactor(v3)) invalid();
    SetComponents({MakeComponent(h1, v1, 0), MakeComponent(h2, v2, 1), MakeComponent(h3, v3, 1)});
}

cJpeg::Component cJpeg::MakeComponent(int h, int v, int tq) {
    Component c;
    c.h = h;
    c.v = v;
    c.tq = tq;
    return c;
}

void cJpeg::SetComponents(std::vector<Component> components) {
    components_ = std::move(components);
    hMax_ = vMax_ = 1;
    for (const Component& c : components_) {
        hMax_ = std::max(hMax_, c.h);
        vMax_ = std::max(vMax_, c.v);
    }
}

void cJpeg::Comment(const std::string& text) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // UTF-8 lead bytes
    });
    if (characters > 65533) throw JpegError(kJpegErrorInvalid, "Illegal Comment Length");
    comment_ = text;
}

int cJpeg::SampleHDC(const cImage& image, int width, int height, int left, int top) {
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) return 1;
    precision_ = 8;
    width_ = width;
    height_ = height;
    sampledQuant_ = quant_;
    std::vector<std::uint32_t> plane;
    int planeWidth = 0, planeHeight = 0;
    for (std::size_t i = 0; i < components_.size(); ++i) {
        Component& c = components_[i];
        c.id = static_cast<int>(i) + 1;
        const int w = CeilDiv(static_cast<long long>(c.h) * width, hMax_);
        const int h = CeilDiv(static_cast<long long>(c.v) * height, vMax_);
        const int pw = Ceil8(w), ph = Ceil8(h);
        if (pw != planeWidth || ph != planeHeight) {
            plane = MakePlane(image.hDC(), left, top, width, height, w, h, pw, ph);
            planeWidth = pw;
            planeHeight = ph;
        }
        c.blocksAcross = pw / 8;
        c.blocksDown = ph / 8;
        c.blocks.assign(static_cast<std::size_t>(c.blocksAcross) * c.blocksDown, {});
        const jpeg::Divisors& divisors = divisors_[c.tq];
        for (int by = 0; by < c.blocksDown; ++by)
            for (int bx = 0; bx < c.blocksAcross; ++bx) {
                std::array<float, 64> samples;
                for (int y = 0; y < 8; ++y)
                    for (int x = 0; x < 8; ++x)
                        samples[y * 8 + x] = Sample(plane[static_cast<std::size_t>(by * 8 + y) * pw + bx * 8 + x],
                                                    static_cast<int>(i));
                jpeg::ForwardDct(samples);
                auto& block = c.blocks[static_cast<std::size_t>(by) * c.blocksAcross + bx];
                for (int natural = 0; natural < 64; ++natural) {
                    const int k = jpeg::kZigZagOfNatural[natural];
                    block[k] = static_cast<std::int16_t>(std::nearbyint(samples[natural] * divisors[k]));
                }
            }
    }
    return 0;
}

std::vector<cJpeg::Scan> cJpeg::GroupScans() const {
    std::vector<Scan> scans;
    int blocks = 0;
    for (int i = 0; i < static_cast<int>(components_.size()); ++i) {
        const int own = components_[i].h * components_[i].v;
        if (scans.empty() || blocks + own > kMaxBlocksPerScan || scans.back().size() == 3) {
            scans.push_back({});
            blocks = 0;
        }
        scans.back().push_back(i);
        blocks += own;
    }
    return scans;
}

template <class Sink>
void cJpeg::EncodeScan(const Scan& scan, Sink& sink) const {
    std::array<int, 3> predictor{};
    if (scan.size() == 1) {
        const Component& c = components_[scan[0]];
        for (const auto& block : c.blocks) EncodeBlock(&block, TableOf(scan[0]), predictor[0], sink);
        return;
    }
    const int mcusAcross = CeilDiv(width_, 8 * hMax_);
    const int mcusDown = CeilDiv(height_, 8 * vMax_);
    for (int my = 0; my < mcusDown; ++my)
        for (int mx = 0; mx < mcusAcross; ++mx)
            for (std::size_t s = 0; s < scan.size(); ++s) {
                const Component& c = components_[scan[s]];
                for (int v = 0; v < c.v; ++v)
                    for (int h = 0; h < c.h; ++h) {
                        const int bx = mx * c.h + h, by = my * c.v + v;
                        const bool stored = bx < c.blocksAcross && by < c.blocksDown;
                        const auto* block = stored ? &c.blocks[static_cast<std::size_t>(by) * c.blocksAcross + bx] : nullptr;
                        EncodeBlock(block, TableOf(scan[s]), predictor[s], sink);
                    }
            }
}

std::vector<std::uint8_t> cJpeg::Encode() const {
    const bool sampled = width_ > 0 && std::all_of(components_.begin(), components_.end(),
                                                   [](const Component& c) { return !c.blocks.empty(); });
    if (!sampled) throw JpegError(kJpegErrorInvalid, "No Image Sampled");
    const std::vector<Scan> scans = GroupScans();
    const int tableCount = components_.size() == 3 ? 2 : 1;

    CountingSink counts;
    for (const Scan& scan : scans) EncodeScan(scan, counts);
    std::array<jpeg::HuffmanTable, 2> dc, ac;
    for (int t = 0; t < tableCount; ++t) {
        dc[t] = jpeg::BuildOptimalTable(counts.dc[t], true, precision_);
        ac[t] = jpeg::BuildOptimalTable(counts.ac[t], false, precision_);
    }

    Bytes out;
    std::size_t blocks = 0;
    for (const Component& c : components_) blocks += c.blocks.size();
    out.reserve(blocks * 40 + comment_.size() + 1000);
    jpeg::AppendMarker(out, 0xD8);
    static constexpr std::uint8_t kApp0[] = {0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00, 0x01,
                                             0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00};
    out.insert(out.end(), std::begin(kApp0), std::end(kApp0));
    if (!comment_.empty()) jpeg::AppendComment(out, comment_);
    jpeg::AppendComment(out, kIdentification);
    for (int t = 0; t < tableCount; ++t) jpeg::AppendQuantTable(out, t, sampledQuant_[t], precision_);

    jpeg::AppendMarker(out, 0xC0);
    jpeg::AppendWord(out, static_cast<unsigned>(8 + 3 * components_.size()));
    out.push_back(static_cast<std::uint8_t>(precision_));
    jpeg::AppendWord(out, static_cast<unsigned>(height_));
    jpeg::AppendWord(out, static_cast<unsigned>(width_));
    out.push_back(static_cast<std::uint8_t>(components_.size()));
    for (const Component& c : components_) {
        out.push_back(static_cast<std::uint8_t>(c.id));
        out.push_back(static_cast<std::uint8_t>(c.h * 16 + c.v));
        out.push_back(static_cast<std::uint8_t>(c.tq));
    }
    for (int t = 0; t < tableCount; ++t) {
        jpeg::AppendHuffmanTable(out, 0, t, dc[t]);
        jpeg::AppendHuffmanTable(out, 1, t, ac[t]);
    }
    for (const Scan& scan : scans) {
        jpeg::AppendMarker(out, 0xDA);
        jpeg::AppendWord(out, static_cast<unsigned>(6 + 2 * scan.size()));
        out.push_back(static_cast<std::uint8_t>(scan.size()));
        for (const int i : scan) {
            out.push_back(static_cast<std::uint8_t>(components_[i].id));
            out.push_back(static_cast<std::uint8_t>(TableOf(i) * 16 + TableOf(i)));
        }
        out.insert(out.end(), {0x00, 0x3F, 0x00});
        jpeg::BitWriter writer(out);
        WritingSink sink{dc, ac, writer};
        EncodeScan(scan, sink);
        writer.Flush();
    }
    jpeg::AppendMarker(out, 0xD9);
    return out;
}

int cJpeg::SaveFile(const std::filesystem::path& file) const {
    if (file.empty()) return 1;
    std::error_code ignored;
    if (std::filesystem::exists(std::filesystem::symlink_status(file, ignored))) return 2;
    const Bytes bytes = Encode();
    std::string error;
    if (WriteFileBytes(file, bytes, false, &error)) return 0;
    if (std::filesystem::exists(std::filesystem::symlink_status(file, ignored))) return 2;  // appeared meanwhile
    throw JpegError(kJpegErrorFileAccess, error);
}

}  // namespace veltora
