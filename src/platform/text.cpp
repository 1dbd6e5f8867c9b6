#include "platform/text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <strings.h>

namespace {

// Used when fontconfig answers nothing at all (no configuration, no fonts known to it).
constexpr const char* kFallbackFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct FcPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternOwner = std::unique_ptr<FcPattern, FcPatternDeleter>;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfaceOwner = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

bool FamilyMatches(FcPattern* match, const char* family)
{
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
        if (strcasecmp(reinterpret_cast<const char*>(value), family) == 0) return true;
    }
    return false;
}

// Fontconfig is started for the one question and shut down again: nothing else in the program uses
// it, and its configuration would otherwise stay allocated (and unreleasable) for the whole run.
struct FontconfigSession {
    bool started = FcInit() != FcFalse;
    ~FontconfigSession()
    {
        if (started) FcFini();
    }
};

FontFace FindBoldFace(const char* family)
{
    FontFace face{kFallbackFontFile, 0, "", true};
    const FontconfigSession session;
    if (!session.started) return face;
    PatternOwner pattern(FcPatternCreate());
    if (!pattern) return face;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternOwner match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* file = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return face;
    face.file = reinterpret_cast<const char*>(file);
    int index = 0;
    if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) face.index = index;
    FcChar8* matchedFamily = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) == FcResultMatch) {
        face.family = reinterpret_cast<const char*>(matchedFamily);
    }
    face.substituted = !FamilyMatches(match.get(), family);
    return face;
}

// Paints a blended text surface (straight alpha) in colour with its top left corner at (x, y):
// each channel becomes (c * a + d * (255 - a) + 127) / 255 over the old value d.
void CompositeGlyphs(Image& image, SDL_Surface* surface, int32_t x, int32_t y, Rgb colour)
{
    const Rect area = IntersectRect({x, y, surface->w, surface->h}, image.Bounds());
    if (area.IsEmpty()) return;
    SurfaceOwner converted;
    if (surface->format->format != SDL_PIXELFORMAT_ARGB8888) {
        converted.reset(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0));
        if (!converted) return;
        surface = converted.get();
    }
    if (SDL_LockSurface(surface) != 0) return;
    const auto sourceX = static_cast<int32_t>(int64_t{area.x} - x);
    const auto sourceY = static_cast<int32_t>(int64_t{area.y} - y);
    const uint32_t colourChannels[3] = {colour.r, colour.g, colour.b};
    for (int32_t row = 0; row < area.height; ++row) {
        const auto* in = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                                           static_cast<size_t>(sourceY + row) * surface->pitch) +
                         sourceX;
        uint8_t* out = image.Row(area.y + row) + static_cast<size_t>(area.x) * 3;
        for (int32_t i = 0; i < area.width; ++i, out += 3) {
            const uint32_t alpha = in[i] >> 24;
            if (alpha == 0) continue;
            for (int channel = 0; channel < 3; ++channel) {
                out[channel] = static_cast<uint8_t>(
                    (colourChannels[channel] * alpha + out[channel] * (255 - alpha) + 127) / 255);
            }
        }
    }
    SDL_UnlockSurface(surface);
    image.dirty = UnionRect(image.dirty, area);
}

}  // namespace

const FontFace& GameFontFace()
{
    static const FontFace face = FindBoldFace(kGameFontFamily);
    return face;
}

void TtfFontDeleter::operator()(TTF_Font* font) const
{
    TTF_CloseFont(font);
    TTF_Quit();  // SDL2_ttf counts its starts: this gives back the one taken in OpenFont
}

bool OpenFont(Font& font, const FontFace& face, int32_t points)
{
    if (points <= 0 || face.file.empty()) return false;
    if (TTF_Init() != 0) return false;
    TTF_Font* opened = TTF_OpenFontIndexDPI(face.file.c_str(), points, face.index, kTextDpi, kTextDpi);
    if (!opened) {
        TTF_Quit();
        return false;
    }
    font.handle.reset(opened);
    font.points = points;
    return true;
}

TextSize MeasureText(const Font& font, std::string_view utf8)
{
    if (!font.IsOpen() || utf8.empty()) return {};
    const std::string text(utf8);
    int width = 0;
    int height = 0;
    if (TTF_SizeUTF8(font.handle.get(), text.c_str(), &width, &height) != 0) return {};
    return {width, TTF_FontHeight(font.handle.get())};
}

void DrawText(Image& image, const Font& font, int32_t x, int32_t y, std::string_view utf8, Rgb colour)
{
    if (!font.IsOpen() || utf8.empty() || image.IsEmpty()) return;
    const std::string text(utf8);
    // Rendered in white: only the coverage (alpha) is used, the colour is applied while blending.
    SurfaceOwner surface(TTF_RenderUTF8_Blended(font.handle.get(), text.c_str(), SDL_Color{255, 255, 255, 255}));
    if (surface) CompositeGlyphs(image, surface.get(), x, y, colour);
}

void DrawTextOn(Image& image, const Font& font, int32_t x, int32_t y, std::string_view utf8, Rgb colour,
                Rgb background)
{
    const TextSize size = MeasureText(font, utf8);
    if (size.width <= 0 || size.height <= 0) return;
    FillBox(image, x, y, size.width, size.height, background);
    DrawText(image, font, x, y, utf8, colour);
}
