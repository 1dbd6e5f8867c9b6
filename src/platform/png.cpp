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

// Where decoded rows go: an RGB Image, or a plain RGBA buffer.
struct DecodeTarget {
    int32_t channels = 3;
    Image* image = nullptr;
    RgbaPicture* rgba = nullptr;
};

bool Allocate(DecodeTarget& target, int32_t width, int32_t height, std::vector<png_bytep>& rows)
{
    rows.resize(static_cast<size_t>(height));
    if (target.image) {
        if (!ResizeImage(*target.image, width, height)) return false;
        for (int32_t y = 0; y < height; ++y) rows[static_cast<size_t>(y)] = target.image->Row(y);
        return true;
    }
    target.rgba->width = width;
    target.rgba->height = height;
    target.rgba->pixels.resize(static_cast<size_t>(width) * height * 4);
    for (int32_t y = 0; y < height; ++y) rows[static_cast<size_t>(y)] = target.rgba->pixels.data() + static_cast<size_t>(y) * width * 4;
    return true;
}

// libpng reports errors by longjmp; keep every object with a destructor out of those frames.
bool DecodeInto(png_structp png, png_infop info, MemoryReader& reader, DecodeTarget& target, std::vector<png_bytep>& rows)
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
    if (target.channels == 3) png_set_strip_alpha(png);
    else png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != width * static_cast<png_uint_32>(target.channels)) return false;

    if (!Allocate(target, static_cast<int32_t>(width), static_cast<int32_t>(height), rows)) return false;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

bool Decode(const uint8_t* bytes, size_t size, DecodeTarget& target)
{
    if (!bytes || size < 8 || png_sig_cmp(bytes, 0, 8) != 0) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, QuietWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    MemoryReader reader{bytes, size, 0};
    std::vector<png_bytep> rows;
    const bool decoded = info && DecodeInto(png, info, reader, target, rows);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return decoded;
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

std::optional<Image> DecodePng(const uint8_t* bytes, size_t size)
{
    Image image;
    DecodeTarget target{3, &image, nullptr};
    if (!Decode(bytes, size, target)) return std::nullopt;
    return image;
}

std::optional<RgbaPicture> DecodePngRgba(const uint8_t* bytes, size_t size)
{
    RgbaPicture picture;
    DecodeTarget target{4, nullptr, &picture};
    if (!Decode(bytes, size, target)) return std::nullopt;
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
