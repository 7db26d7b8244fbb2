// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawings/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace quarvel::ui::drawings {

namespace {

// libjpeg reports a failure through error_exit, which must not return: it
// jumps back to the decoder, which gives up.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jpegFailed(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }

// Warnings of a damaged but readable picture are not shown.
void jpegQuiet(j_common_ptr, int) {}

}  // namespace

Bitmap decodeJpeg(std::string_view bytes, int maxWidth, int maxHeight) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFailed;
    error.manager.emit_message = jpegQuiet;
    // Set before the jump point: what a longjmp leaves in locals of this
    // frame is unspecified unless they are volatile or not changed after it.
    Bitmap* volatile picture = nullptr;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        delete picture;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || info.image_width == 0 || info.image_height == 0 ||
        info.image_width > static_cast<unsigned>(maxWidth) || info.image_height > static_cast<unsigned>(maxHeight)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    try {
        picture = new Bitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture->mutableRow(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    Bitmap decoded = std::move(*picture);
    delete picture;
    return decoded;
}

}  // namespace quarvel::ui::drawings
