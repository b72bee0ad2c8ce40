#include "app/whole_jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quelvarinox::app {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void escape(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1); }

// The warnings are counted, not printed.
void say_nothing(j_common_ptr) {}

// Decodes every row into one row's room. An error jumps out of libjpeg back
// here, so no object in this frame has a destructor to skip.
bool decodes_cleanly(jpeg_decompress_struct& info, QByteArrayView bytes, std::uint64_t max_pixels)
{
    if (setjmp(reinterpret_cast<ErrorManager*>(info.err)->escape) != 0)
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        std::uint64_t{info.image_width} * info.image_height > max_pixels)
        return false;
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height)
        jpeg_read_scanlines(&info, row, 1);
    jpeg_finish_decompress(&info);
    return info.err->num_warnings == 0;
}

}  // namespace

bool is_whole_jpeg(QByteArrayView bytes, std::uint64_t max_pixels)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = escape;
    errors.base.output_message = say_nothing;
    jpeg_create_decompress(&info);
    const bool whole = decodes_cleanly(info, bytes, max_pixels);
    jpeg_destroy_decompress(&info);
    return whole;
}

}  // namespace quelvarinox::app
