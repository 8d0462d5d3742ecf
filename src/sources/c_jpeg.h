#pragma once
// The program's own baseline sequential JPEG encoder: JFIF header, one or three
// components with selectable sampling factors, quality-scaled standard quantisation
// tables, a floating-point fast DCT and Huffman tables computed for each image from its
// own symbol counts. The whole file is built in memory and written in one piece, so no
// error ever leaves a partial file.
//
// Use once per picture: SetSamplingFrequencies and Quality, then SampleHDC, then SaveFile.
// Errors are raised as JpegError.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sources/c_image.h"
#include "sources/jpeg_tables.h"

namespace veltora {

class cJpeg {
public:
    cJpeg();  // sampling 2x2, 1x1, 1x1; quality 75

    // 1..100; other values are ignored and leave the tables as they are.
    void Quality(int quality);
    int Quality() const { return quality_; }

    // Factors 1..4, else JpegError 1 "Invalid Sampling Value" and nothing changes. With
    // H2, V2, H3, V3 all 0 the image is greyscale (one component, 1x1).
    void SetSamplingFrequencies(int h1, int v1, int h2 = 0, int v2 = 0, int h3 = 0, int v3 = 0);

    // Reads the area (left, top, width, height) of the image, converts, transforms and
    // quantises every block with the tables current now. 0 on success, 1 when the area
    // is empty or larger than a raster may be. Pixels outside the image read as black.
    int SampleHDC(const cImage& image, int width, int height, int left = 0, int top = 0);

    // Text of an extra comment segment; longer than 65533 characters raises JpegError 1
    // "Illegal Comment Length" and keeps the old text.
    void Comment(const std::string& text);
    const std::string& Comment() const { return comment_; }

    // 0 written, 1 empty file name, 2 a file of that name exists (it is left untouched;
    // the check and the creation are one step). A file that cannot be written raises
    // JpegError 75.
    int SaveFile(const std::filesystem::path& file) const;

    // The bytes SaveFile writes. Raises JpegError 1 when nothing has been sampled since
    // the components were last set.
    std::vector<std::uint8_t> Encode() const;

    // The quantisation table 0 (luminance) or 1 (chrominance), zig-zag order.
    const jpeg::Table64& QuantTable(int index) const { return quant_[index]; }

private:
    struct Component {
        int id = 0;
        int h = 1;
        int v = 1;
        int tq = 0;
        int blocksAcross = 0;
        int blocksDown = 0;
        std::vector<std::array<std::int16_t, 64>> blocks;  // zig-zag order, raster order
    };
    using Scan = std::vector<int>;  // component indices

    template <class Sink>
    void EncodeScan(const Scan& scan, Sink& sink) const;
    std::vector<Scan> GroupScans() const;
    static Component MakeComponent(int h, int v, int tq);
    void SetComponents(std::vector<Component> components);

    int quality_ = 75;
    int precision_ = 8;
    int width_ = 0;
    int height_ = 0;
    std::vector<Component> components_;
    int hMax_ = 1;
    int vMax_ = 1;
    std::array<jpeg::Table64, 2> quant_{};
    std::array<jpeg::Divisors, 2> divisors_{};
    std::array<jpeg::Table64, 2> sampledQuant_{};  // the tables the coefficients were made with
    std::string comment_;
};

}  // namespace veltora
