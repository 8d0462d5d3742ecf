// JPEG through libjpeg-turbo. libjpeg reports fatal errors by calling error_exit, which by
// default ends the process; ours jumps back here instead. A premature end of data is only a
// warning to libjpeg (it pads the picture with grey); we refuse such a file, because a
// file still being written by a scanner must fail to load so that it is tried again.
#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "recognition/image_decoders.h"
#include "recognition/image_file.h"

namespace veltora::detail {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated = false;
};

void ExitByJump(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jump, 1);
}

void NoteMessage(j_common_ptr info, int level) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && manager->base.msg_code == JWRN_JPEG_EOF) manager->truncated = true;
}

std::string MessageOf(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX] = {};
    info->err->format_message(info, text);
    return text;
}

std::uint32_t Bgr(unsigned r, unsigned g, unsigned b) { return (b << 16) | (g << 8) | r; }

// Adobe writes CMYK inverted (0 = full ink); other writers do not.
std::uint32_t FromCmyk(const JSAMPLE* p, bool inverted) {
    auto ink = [&](int i) { return inverted ? 255u - p[i] : unsigned{p[i]}; };
    const unsigned white = 255u - ink(3);
    return Bgr((255u - ink(0)) * white / 255u, (255u - ink(1)) * white / 255u, (255u - ink(2)) * white / 255u);
}

// A longjmp skips destructors, so every object with one lives here, owned by the caller
// of setjmp, never as an automatic variable of a function libjpeg may jump out of.
struct DecodeState {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    std::vector<JSAMPLE> row;
    std::optional<Raster> image;
    std::string error;
};

void Decode(DecodeState& s, std::span<const std::uint8_t> bytes) {
    jpeg_mem_src(&s.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&s.info, TRUE);
    if (s.errors.truncated) {
        s.error = "truncated JPEG file";
        return;
    }
    if (!ImageSizeAcceptable(s.info.image_width, s.info.image_height)) {
        s.error = "JPEG image too large: " + std::to_string(s.info.image_width) + " x " +
                  std::to_string(s.info.image_height);
        return;
    }
    const bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
    if (cmyk) s.info.out_color_space = JCS_CMYK;
    jpeg_start_decompress(&s.info);
    const int width = static_cast<int>(s.info.output_width);
    const int channels = s.info.output_components;
    s.row.resize(static_cast<std::size_t>(width) * channels);
    s.image.emplace(width, static_cast<int>(s.info.output_height));
    JSAMPROW rows[1] = {s.row.data()};
    while (s.info.output_scanline < s.info.output_height) {
        const int y = static_cast<int>(s.info.output_scanline);
        jpeg_read_scanlines(&s.info, rows, 1);
        if (s.errors.truncated) break;
        std::uint32_t* out = s.image->Row(y);
        for (int x = 0; x < width; ++x) {
            const JSAMPLE* p = s.row.data() + static_cast<std::size_t>(x) * channels;
            out[x] = channels == 1 ? Bgr(p[0], p[0], p[0])
                     : cmyk        ? FromCmyk(p, s.info.saw_Adobe_marker)
                                   : Bgr(p[0], p[1], p[2]);
        }
    }
    if (!s.errors.truncated) jpeg_finish_decompress(&s.info);
    if (s.errors.truncated) {
        s.error = "truncated JPEG file";
        s.image.reset();
    }
}

}  // namespace

std::optional<Raster> DecodeJpeg(std::span<const std::uint8_t> bytes, std::string& error) {
    auto state = std::make_unique<DecodeState>();
    DecodeState& s = *state;
    s.info.err = jpeg_std_error(&s.errors.base);
    s.errors.base.error_exit = ExitByJump;
    s.errors.base.emit_message = NoteMessage;
    if (setjmp(s.errors.jump) != 0) {
        error = "damaged JPEG file: " + MessageOf(reinterpret_cast<j_common_ptr>(&s.info));
        jpeg_destroy_decompress(&s.info);
        return std::nullopt;
    }
    jpeg_create_decompress(&s.info);
    Decode(s, bytes);
    jpeg_destroy_decompress(&s.info);
    if (!s.image) error = s.error;
    return std::move(s.image);
}

}  // namespace veltora::detail
