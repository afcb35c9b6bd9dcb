// Writes small JPEGs of the kinds a decoder meets, as seeds for the JPEG fuzzer:
//   parvelo_make_jpeg_seeds <folder>
// baseline, progressive, greyscale, CMYK, with restart markers, arithmetic-coded, and a
// truncated one.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

struct Kind
{
    const char *name;
    J_COLOR_SPACE space;
    int components;
    bool progressive;
    int restart_rows;
    bool arithmetic;
    bool truncated;
};

std::vector<unsigned char> encode(const Kind &kind, int width, int height)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = kind.components;
    info.in_color_space = kind.space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    if (kind.progressive)
        jpeg_simple_progression(&info);
    info.restart_in_rows = kind.restart_rows;
    info.arith_code = kind.arithmetic ? TRUE : FALSE;
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * kind.components));
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < kind.components; ++c)
                row[static_cast<std::size_t>(x * kind.components + c)] = static_cast<unsigned char>(
                    (x * 37 + static_cast<int>(info.next_scanline) * 11 + c * 90) & 0xFF);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    std::free(buffer);
    if (kind.truncated)
        bytes.resize(bytes.size() / 2);
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    const Kind kinds[] = {
        {"baseline.jpg", JCS_RGB, 3, false, 0, false, false},
        {"progressive.jpg", JCS_RGB, 3, true, 0, false, false},
        {"grey.jpg", JCS_GRAYSCALE, 1, false, 0, false, false},
        {"cmyk.jpg", JCS_CMYK, 4, false, 0, false, false},
        {"restarts.jpg", JCS_RGB, 3, false, 1, false, false},
        {"arithmetic.jpg", JCS_RGB, 3, true, 0, true, false},
        {"truncated.jpg", JCS_RGB, 3, true, 0, false, true},
    };
    for (const Kind &kind : kinds) {
        const std::vector<unsigned char> bytes = encode(kind, 24, 16);
        FILE *out = std::fopen((folder + "/" + kind.name).c_str(), "wb");
        if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()
            || std::fclose(out) != 0) {
            std::fprintf(stderr, "could not write %s\n", kind.name);
            return 1;
        }
    }
    return 0;
}
