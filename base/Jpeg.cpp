// JPEG decoding with libjpeg; its errors come back through longjmp, since no
// C++ exception may travel through the C library.
#include "base/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "base/ByteReader.h"

namespace ventro {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    err->base.format_message(info, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) { }

// The largest picture we agree to decode (a banner is tiny; this only stops
// a hostile header from asking for gigabytes).
constexpr int64_t MaxPixels = 64LL * 1024 * 1024;

} // namespace

PixelBuffer DecodeJpeg(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 4)
        throw FormatError("JPEG data too short");
    jpeg_decompress_struct info {};
    ErrorManager err {};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    PixelBuffer out;
    std::vector<uint8_t> row;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        throw FormatError(std::string("JPEG error: ") + err.message);
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (int64_t(info.output_width) * info.output_height > MaxPixels || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        throw FormatError("JPEG picture too large or not colour");
    }
    out.Resize(int32_t(info.output_width), int32_t(info.output_height));
    row.resize(size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = { row.data() };
        int32_t y = int32_t(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        uint8_t* dst = out.Row(y);
        for (size_t x = 0; x < info.output_width; ++x) {
            dst[x * 3 + 0] = row[x * 3 + 2];
            dst[x * 3 + 1] = row[x * 3 + 1];
            dst[x * 3 + 2] = row[x * 3 + 0];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return out;
}

} // namespace ventro
