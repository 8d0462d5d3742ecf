#include "sources/jpeg_save.h"

#include <algorithm>
#include <csetjmp>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include <jpeglib.h>

#include "recognition/file_bytes.h"
#include "sources/c_image.h"
#include "sources/c_jpeg.h"

namespace veltora {

namespace {

constexpr char kSystemFailure[] = "不能保存这个图像：";

struct JumpingErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void ExitByJump(j_common_ptr info) { std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->jump, 1); }

// Every object with a destructor lives here, outside the functions libjpeg may jump out of.
struct CompressState {
    jpeg_compress_struct info{};
    JumpingErrors errors{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row;
    ~CompressState() {
        jpeg_destroy_compress(&info);
        std::free(buffer);
    }
};

void Compress(CompressState& s, const Raster& picture, int quality) {
    jpeg_mem_dest(&s.info, &s.buffer, &s.size);
    s.info.image_width = static_cast<JDIMENSION>(picture.Width());
    s.info.image_height = static_cast<JDIMENSION>(picture.Height());
    s.info.input_components = 3;
    s.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&s.info);
    jpeg_set_quality(&s.info, std::clamp(quality, 0, 100), TRUE);
    jpeg_start_compress(&s.info, TRUE);
    s.row.resize(static_cast<std::size_t>(picture.Width()) * 3);
    JSAMPROW rows[1] = {s.row.data()};
    while (s.info.next_scanline < s.info.image_height) {
        const std::uint32_t* source = picture.Row(static_cast<int>(s.info.next_scanline));
        for (int x = 0; x < picture.Width(); ++x) {
            s.row[3 * x] = static_cast<JSAMPLE>(source[x]);
            s.row[3 * x + 1] = static_cast<JSAMPLE>(source[x] >> 8);
            s.row[3 * x + 2] = static_cast<JSAMPLE>(source[x] >> 16);
        }
        jpeg_write_scanlines(&s.info, rows, 1);
    }
    jpeg_finish_compress(&s.info);
}

}  // namespace

std::vector<std::uint8_t> EncodeJpegSystem(const Raster& picture, int quality) {
    auto state = std::make_unique<CompressState>();
    CompressState& s = *state;
    s.info.err = jpeg_std_error(&s.errors.base);
    s.errors.base.error_exit = ExitByJump;
    if (picture.Empty()) throw JpegError(kJpegErrorSystemEncoder, kSystemFailure + std::string("0"));
    if (setjmp(s.errors.jump) != 0) {
        throw JpegError(kJpegErrorSystemEncoder, kSystemFailure + std::to_string(s.errors.base.msg_code));
    }
    jpeg_create_compress(&s.info);
    Compress(s, picture, quality);
    return {s.buffer, s.buffer + s.size};
}

void SaveJpegSystem(const Raster& picture, const std::filesystem::path& file, int quality) {
    const std::vector<std::uint8_t> bytes = EncodeJpegSystem(picture, quality);
    if (!WriteFileBytes(file, bytes)) {
        const int status = errno != 0 ? errno : 1;
        throw JpegError(kJpegErrorSystemEncoder, kSystemFailure + std::to_string(status));
    }
}

void SaveJpegOwn(const Raster& picture, const std::filesystem::path& file, int quality) {
    cImage image;
    if (!image.CopyStdPicture(picture)) throw JpegError(kJpegErrorInvalid, "Empty Picture");
    if (file.empty()) throw JpegError(kJpegErrorInvalid, "Empty File Name");
    cJpeg jpeg;
    jpeg.SetSamplingFrequencies(2, 2, 1, 1, 1, 1);
    jpeg.Quality(quality);
    jpeg.SampleHDC(image, image.Width(), image.Height());
    std::string error;
    // Unlike SaveFile, a save replaces the file: after an undo the next sheet reuses the name.
    if (!WriteFileBytes(file, jpeg.Encode(), true, &error)) throw JpegError(kJpegErrorFileAccess, error);
}

std::optional<JpegError> SaveJpeg(const Raster& picture, const std::filesystem::path& file, int quality,
                                  JpegWriter which) {
    try {
        if (which == JpegWriter::System) {
            SaveJpegSystem(picture, file, quality);
        } else {
            SaveJpegOwn(picture, file, quality);
        }
    } catch (const JpegError& error) {
        return error;
    }
    return std::nullopt;
}

}  // namespace veltora
