#include "platform/png.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

struct MemoryReader {
    const uint8_t* bytes;
    size_t size;
    size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->offset) png_error(png, "truncated");
    std::memcpy(out, reader->bytes + reader->offset, length);
    reader->offset += length;
}

void WriteToString(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}

void FlushNothing(png_structp) {}

// Failures are reported by the return value; libpng's own messages would only be noise.
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void QuietWarning(png_structp, png_const_charp) {}

// Buffers that live outside the frame libpng may jump out of.
struct DecodeBuffers {
    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
};

// libpng reports errors by longjmp; keep every object with a destructor out of this frame.
bool DecodeInto(png_structp png, png_infop info, MemoryReader& reader, const PngRowSink& sink, DecodeBuffers& buffers)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &reader, ReadFromMemory);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) return false;

    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    if (sink.channels == 3) png_set_strip_alpha(png);
    else png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const size_t stride = size_t{width} * static_cast<size_t>(sink.channels);
    if (png_get_rowbytes(png, info) != stride) return false;
    if (!sink.begin(sink.context, static_cast<int32_t>(width), static_cast<int32_t>(height))) return false;

    if (passes == 1) {
        // Row by row: the whole picture is never held here.
        buffers.pixels.resize(stride);
        for (png_uint_32 y = 0; y < height; ++y) {
            png_read_row(png, buffers.pixels.data(), nullptr);
            sink.row(sink.context, static_cast<int32_t>(y), buffers.pixels.data());
        }
    } else {
        // An interlaced picture is only complete after its last pass.
        buffers.pixels.resize(stride * height);
        buffers.rows.resize(height);
        for (png_uint_32 y = 0; y < height; ++y) buffers.rows[y] = buffers.pixels.data() + y * stride;
        png_read_image(png, buffers.rows.data());
        for (png_uint_32 y = 0; y < height; ++y) sink.row(sink.context, static_cast<int32_t>(y), buffers.rows[y]);
    }
    png_read_end(png, nullptr);
    return true;
}

bool EncodeInto(png_structp png, png_infop info, const Image& image, std::string& out)
{
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, WriteToString, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int32_t y = 0; y < image.height; ++y) png_write_row(png, image.Row(y));
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool DecodePngRows(const uint8_t* bytes, size_t size, const PngRowSink& sink)
{
    if (!bytes || size < 8 || png_sig_cmp(bytes, 0, 8) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    MemoryReader reader{bytes, size, 0};
    DecodeBuffers buffers;
    const bool decoded = info && DecodeInto(png, info, reader, sink, buffers);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return decoded;
}

std::optional<Image> DecodePng(const uint8_t* bytes, size_t size)
{
    Image image;
    PngRowSink sink;
    sink.context = &image;
    sink.begin = [](void* context, int32_t width, int32_t height) {
        return ResizeImage(*static_cast<Image*>(context), width, height);
    };
    sink.row = [](void* context, int32_t y, const uint8_t* pixels) {
        Image& target = *static_cast<Image*>(context);
        std::memcpy(target.Row(y), pixels, static_cast<size_t>(target.width) * 3);
    };
    if (!DecodePngRows(bytes, size, sink)) return std::nullopt;
    return image;
}

std::optional<RgbaPicture> DecodePngRgba(const uint8_t* bytes, size_t size)
{
    RgbaPicture picture;
    PngRowSink sink;
    sink.context = &picture;
    sink.channels = 4;
    sink.begin = [](void* context, int32_t width, int32_t height) {
        auto& target = *static_cast<RgbaPicture*>(context);
        target.width = width;
        target.height = height;
        target.pixels.resize(static_cast<size_t>(width) * height * 4);
        return true;
    };
    sink.row = [](void* context, int32_t y, const uint8_t* pixels) {
        auto& target = *static_cast<RgbaPicture*>(context);
        const size_t stride = static_cast<size_t>(target.width) * 4;
        std::memcpy(target.pixels.data() + static_cast<size_t>(y) * stride, pixels, stride);
    };
    if (!DecodePngRows(bytes, size, sink)) return std::nullopt;
    return picture;
}

std::optional<std::string> EncodePng(const Image& image)
{
    if (image.IsEmpty()) return std::nullopt;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (!png) return std::nullopt;
    png_infop info = png_create_info_struct(png);
    std::string out;
    const bool encoded = info && EncodeInto(png, info, image, out);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    if (!encoded) return std::nullopt;
    return out;
}
