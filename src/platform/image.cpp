#include "platform/image.h"

#include <algorithm>
#include <climits>
#include <cstring>

Rect UnionRect(const Rect& a, const Rect& b)
{
    if (a.IsEmpty()) return b.IsEmpty() ? Rect{} : b;
    if (b.IsEmpty()) return a;
    const int32_t left = std::min(a.x, b.x);
    const int32_t top = std::min(a.y, b.y);
    const int32_t right = std::max(a.x + a.width, b.x + b.width);
    const int32_t bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}

Rect IntersectRect(const Rect& a, const Rect& b)
{
    const int64_t left = std::max<int64_t>(a.x, b.x);
    const int64_t top = std::max<int64_t>(a.y, b.y);
    const int64_t right = std::min<int64_t>(int64_t{a.x} + a.width, int64_t{b.x} + b.width);
    const int64_t bottom = std::min<int64_t>(int64_t{a.y} + a.height, int64_t{b.y} + b.height);
    if (right <= left || bottom <= top) return {};
    return {static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right - left),
            static_cast<int32_t>(bottom - top)};
}

bool ResizeImage(Image& image, int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
        image.width = image.height = 0;
        image.pixels.clear();
        image.dirty = {};
        return false;
    }
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * height * 3);
    image.dirty = {};
    return true;
}

Image MakeImage(int32_t width, int32_t height, Rgb fill)
{
    Image image;
    if (ResizeImage(image, width, height)) {
        FillImage(image, fill);
        image.dirty = {};
    }
    return image;
}

static void MarkDirty(Image& image, const Rect& area) { image.dirty = UnionRect(image.dirty, area); }

void FillBox(Image& image, int32_t x, int32_t y, int32_t width, int32_t height, Rgb colour)
{
    const Rect area = IntersectRect({x, y, width, height}, image.Bounds());
    if (area.IsEmpty()) return;
    for (int32_t row = area.y; row < area.y + area.height; ++row) {
        uint8_t* p = image.Row(row) + static_cast<size_t>(area.x) * 3;
        for (int32_t i = 0; i < area.width; ++i, p += 3) {
            p[0] = colour.r;
            p[1] = colour.g;
            p[2] = colour.b;
        }
    }
    MarkDirty(image, area);
}

void FillImage(Image& image, Rgb colour) { FillBox(image, 0, 0, image.width, image.height, colour); }

void HorizontalLine(Image& image, int32_t x1, int32_t x2, int32_t y, Rgb colour)
{
    const int64_t left = std::min(x1, x2);
    const int64_t right = std::max(x1, x2);
    const int64_t length = std::min<int64_t>(right - left + 1, INT32_MAX);
    FillBox(image, static_cast<int32_t>(left), y, static_cast<int32_t>(length), 1, colour);
}

void VerticalLine(Image& image, int32_t x, int32_t y1, int32_t y2, Rgb colour)
{
    const int64_t top = std::min(y1, y2);
    const int64_t bottom = std::max(y1, y2);
    const int64_t length = std::min<int64_t>(bottom - top + 1, INT32_MAX);
    FillBox(image, x, static_cast<int32_t>(top), 1, static_cast<int32_t>(length), colour);
}

void SetPixel(Image& image, int32_t x, int32_t y, Rgb colour) { FillBox(image, x, y, 1, 1, colour); }

Rgb GetPixel(const Image& image, int32_t x, int32_t y)
{
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) return {};
    const uint8_t* p = image.Row(y) + static_cast<size_t>(x) * 3;
    return {p[0], p[1], p[2]};
}

void CopyImage(Image& target, const Image& source, int32_t x, int32_t y)
{
    const Rect area = IntersectRect({x, y, source.width, source.height}, target.Bounds());
    if (area.IsEmpty()) return;
    const auto sourceX = static_cast<int32_t>(int64_t{area.x} - x);
    const auto sourceY = static_cast<int32_t>(int64_t{area.y} - y);
    for (int32_t row = 0; row < area.height; ++row) {
        std::memcpy(target.Row(area.y + row) + static_cast<size_t>(area.x) * 3,
                    source.Row(sourceY + row) + static_cast<size_t>(sourceX) * 3, static_cast<size_t>(area.width) * 3);
    }
    MarkDirty(target, area);
}

namespace {

// One target pixel's share of the source along one axis. Source pixel i spans [i*targetLength,
// (i+1)*targetLength) and target pixel j spans [j*sourceLength, (j+1)*sourceLength), so every
// weight is a whole number and the weights of one target pixel add up to sourceLength.
struct Span {
    int32_t first = 0;
    std::vector<uint32_t> weights;
};

std::vector<Span> AreaSpans(int32_t sourceLength, int32_t targetLength)
{
    std::vector<Span> spans(static_cast<size_t>(targetLength));
    for (int32_t j = 0; j < targetLength; ++j) {
        const int64_t start = int64_t{j} * sourceLength;
        const int64_t end = start + sourceLength;
        Span& span = spans[static_cast<size_t>(j)];
        span.first = static_cast<int32_t>(start / targetLength);
        for (int64_t i = span.first; i * targetLength < end && i < sourceLength; ++i) {
            const int64_t overlap = std::min(end, (i + 1) * targetLength) - std::max(start, i * targetLength);
            span.weights.push_back(static_cast<uint32_t>(overlap));
        }
    }
    return spans;
}

}  // namespace

bool BeginBlockShrink(BlockShrinker& shrinker, int32_t sourceWidth, int32_t sourceHeight, int32_t width, int32_t height)
{
    if (width <= 0 || height <= 0 || sourceWidth % width != 0 || sourceHeight % height != 0) return false;
    // Block sums must fit their 32-bit counters.
    if (int64_t{sourceWidth / width} * (sourceHeight / height) >= (1 << 20)) return false;
    if (!ResizeImage(shrinker.target, width, height)) return false;
    shrinker.factorX = sourceWidth / width;
    shrinker.factorY = sourceHeight / height;
    shrinker.sums.assign(static_cast<size_t>(width) * 3, 0);
    return true;
}

void AddSourceRow(BlockShrinker& shrinker, int32_t y, const uint8_t* pixels)
{
    for (int32_t x = 0; x < shrinker.target.width; ++x) {
        uint32_t* sum = &shrinker.sums[static_cast<size_t>(x) * 3];
        for (int32_t k = 0; k < shrinker.factorX; ++k, pixels += 3) {
            sum[0] += pixels[0];
            sum[1] += pixels[1];
            sum[2] += pixels[2];
        }
    }
    if ((y + 1) % shrinker.factorY != 0) return;
    const auto area = static_cast<uint32_t>(shrinker.factorX * shrinker.factorY);
    uint8_t* out = shrinker.target.Row(y / shrinker.factorY);
    for (size_t i = 0; i < shrinker.sums.size(); ++i) out[i] = static_cast<uint8_t>((shrinker.sums[i] + area / 2) / area);
    std::fill(shrinker.sums.begin(), shrinker.sums.end(), 0);
}

Image ScaleImage(const Image& source, int32_t width, int32_t height)
{
    Image target = MakeImage(width, height);
    if (target.IsEmpty() || source.IsEmpty()) return target;
    if (source.width == width && source.height == height) {
        target.pixels = source.pixels;
        return target;
    }
    BlockShrinker shrinker;
    if (BeginBlockShrink(shrinker, source.width, source.height, width, height)) {
        // Whole factors: the same means as the general weights give, in a fraction of the time.
        for (int32_t y = 0; y < source.height; ++y) AddSourceRow(shrinker, y, source.Row(y));
        return std::move(shrinker.target);
    }
    const std::vector<Span> columns = AreaSpans(source.width, width);
    const std::vector<Span> rows = AreaSpans(source.height, height);

    // Horizontal pass: sums over each target column's source span, scaled by source.width.
    std::vector<uint32_t> horizontal(static_cast<size_t>(width) * source.height * 3);
    for (int32_t y = 0; y < source.height; ++y) {
        const uint8_t* in = source.Row(y);
        uint32_t* out = horizontal.data() + static_cast<size_t>(y) * width * 3;
        for (int32_t x = 0; x < width; ++x) {
            const Span& span = columns[static_cast<size_t>(x)];
            uint32_t r = 0, g = 0, b = 0;
            for (size_t k = 0; k < span.weights.size(); ++k) {
                const uint8_t* p = in + (static_cast<size_t>(span.first) + k) * 3;
                r += p[0] * span.weights[k];
                g += p[1] * span.weights[k];
                b += p[2] * span.weights[k];
            }
            out[x * 3] = r;
            out[x * 3 + 1] = g;
            out[x * 3 + 2] = b;
        }
    }

    // Vertical pass, dividing by the whole area with rounding.
    const uint64_t area = uint64_t(source.width) * uint64_t(source.height);
    std::vector<uint64_t> sums(static_cast<size_t>(width) * 3);
    for (int32_t y = 0; y < height; ++y) {
        const Span& span = rows[static_cast<size_t>(y)];
        std::fill(sums.begin(), sums.end(), 0);
        for (size_t k = 0; k < span.weights.size(); ++k) {
            const uint32_t* in = horizontal.data() + (static_cast<size_t>(span.first) + k) * width * 3;
            for (size_t i = 0; i < sums.size(); ++i) sums[i] += uint64_t(in[i]) * span.weights[k];
        }
        uint8_t* out = target.Row(y);
        for (size_t i = 0; i < sums.size(); ++i) out[i] = static_cast<uint8_t>((sums[i] + area / 2) / area);
    }
    return target;
}

Image CutOut(const Image& source, int32_t x, int32_t y, int32_t width, int32_t height)
{
    Image piece = MakeImage(width, height);
    const auto negate = [](int32_t v) { return static_cast<int32_t>(std::min<int64_t>(-int64_t{v}, INT32_MAX)); };
    CopyImage(piece, source, negate(x), negate(y));
    piece.dirty = {};
    return piece;
}

Rect TakeDirty(Image& image)
{
    const Rect dirty = image.dirty;
    image.dirty = {};
    return dirty;
}
