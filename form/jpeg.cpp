#include "jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace parvelo {

namespace {

// Limits for data we did not make: a banner is small, and a crafted progressive file
// can otherwise ask for thousands of scans.
constexpr long max_pixels = 4096L * 4096L;
constexpr int max_scans = 100;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void escape_on_error(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->escape, 1);
}

// A warning means damaged data (a truncated file "succeeds" with one): treat it as fatal.
void escape_on_warning(j_common_ptr info, int level)
{
    if (level < 0)
        escape_on_error(info);
}

void limit_scans(j_common_ptr info)
{
    if (info->is_decompressor
        && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > max_scans)
        escape_on_error(info);
}

struct RawImage
{
    unsigned char *pixels; // malloc'd RGB rows, or null
    int width;
    int height;
};

// Plain C on purpose: longjmp may leave it from inside libjpeg, so nothing here may
// need a destructor. On failure the result has no pixels and nothing is left allocated.
RawImage decode_raw(const unsigned char *data, unsigned long size)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress;
    unsigned char *volatile pixels = nullptr;
    RawImage result = {nullptr, 0, 0};

    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = escape_on_error;
    errors.base.emit_message = escape_on_warning;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        std::free(pixels);
        return {nullptr, 0, 0};
    }
    jpeg_create_decompress(&info);
    progress.progress_monitor = limit_scans;
    info.progress = &progress;
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (static_cast<long>(info.image_width) * static_cast<long>(info.image_height) > max_pixels)
        escape_on_error(reinterpret_cast<j_common_ptr>(&info));
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);

    const unsigned long stride = 3UL * info.output_width;
    pixels = static_cast<unsigned char *>(std::malloc(stride * info.output_height));
    if (!pixels)
        escape_on_error(reinterpret_cast<j_common_ptr>(&info));
    while (info.output_scanline < info.output_height) {
        unsigned char *row = pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    result = {pixels, static_cast<int>(info.output_width), static_cast<int>(info.output_height)};
    jpeg_destroy_decompress(&info);
    return result;
}

} // namespace

RgbImage decode_jpeg(std::span<const unsigned char> data)
{
    if (data.empty())
        return {};
    const RawImage raw = decode_raw(data.data(), static_cast<unsigned long>(data.size()));
    if (!raw.pixels)
        return {};
    RgbImage image;
    image.width = raw.width;
    image.height = raw.height;
    image.pixels.assign(raw.pixels, raw.pixels + 3UL * raw.width * raw.height);
    std::free(raw.pixels);
    return image;
}

} // namespace parvelo
