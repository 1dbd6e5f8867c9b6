#include "text.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

std::string g_fontPath;

const char* const kFallbackFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

std::string FindBoldSans() {
    std::string path;
    if (!FcInit()) return kFallbackFont;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("DejaVu Sans:bold"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    if (match) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
            path = reinterpret_cast<const char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path.empty() ? kFallbackFont : path;
}

struct FontCloser {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
struct SurfaceFreer {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

// Decodes UTF-8 into code points (the artwork's texts are ASCII, but be correct anyway).
std::vector<char32_t> CodePoints(const std::string& text) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
        for (int k = 1; k <= extra && i + k < text.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

}  // namespace

bool OpenTextRendering() {
    if (TTF_Init() != 0) {
        std::fprintf(stderr, "asset_forge: SDL_ttf: %s\n", TTF_GetError());
        return false;
    }
    g_fontPath = FindBoldSans();
    std::fprintf(stderr, "asset_forge: font %s\n", g_fontPath.c_str());
    return true;
}

void CloseTextRendering() { TTF_Quit(); }

TextMask RenderText(const std::string& text, int pixelSize, float tracking) {
    TextMask out;
    std::unique_ptr<TTF_Font, FontCloser> font(TTF_OpenFontDPI(g_fontPath.c_str(), pixelSize, 72, 72));
    if (!font) {
        std::fprintf(stderr, "asset_forge: cannot open %s: %s\n", g_fontPath.c_str(), TTF_GetError());
        return out;
    }
    TTF_SetFontHinting(font.get(), TTF_HINTING_NONE);
    TTF_SetFontKerning(font.get(), 1);

    std::vector<char32_t> chars = CodePoints(text);
    int margin = pixelSize / 4;
    float width = 2.0f * margin;
    for (char32_t c : chars) {
        int minx, maxx, miny, maxy, advance;
        if (TTF_GlyphMetrics32(font.get(), c, &minx, &maxx, &miny, &maxy, &advance) == 0)
            width += static_cast<float>(advance + std::max(maxx - advance, 0)) + tracking;
    }
    int ascent = TTF_FontAscent(font.get());
    out.mask = Mask(static_cast<int>(width) + margin, TTF_FontHeight(font.get()) + 2 * margin);
    out.baseline = margin + ascent;

    float pen = static_cast<float>(margin);
    char32_t previous = 0;
    SDL_Color white{255, 255, 255, 255};
    for (char32_t c : chars) {
        int minx, maxx, miny, maxy, advance;
        if (TTF_GlyphMetrics32(font.get(), c, &minx, &maxx, &miny, &maxy, &advance) != 0) continue;
        if (previous) pen += static_cast<float>(TTF_GetFontKerningSizeGlyphs32(font.get(), previous, c));
        previous = c;
        std::unique_ptr<SDL_Surface, SurfaceFreer> glyph(TTF_RenderGlyph32_Blended(font.get(), c, white));
        if (glyph && maxx > minx) {
            std::unique_ptr<SDL_Surface, SurfaceFreer> argb(
                SDL_ConvertSurfaceFormat(glyph.get(), SDL_PIXELFORMAT_ARGB8888, 0));
            if (argb) {
                // Find the ink's left edge in the rendered surface and put it where the metrics say.
                int inkLeft = argb->w;
                for (int y = 0; y < argb->h; ++y) {
                    const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
                    for (int x = 0; x < argb->w; ++x)
                        if ((row[x] >> 24) != 0 && x < inkLeft) inkLeft = x;
                }
                int ox = static_cast<int>(std::lround(pen)) + minx - inkLeft;
                int oy = margin;
                for (int y = 0; y < argb->h; ++y) {
                    const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) + y * argb->pitch);
                    for (int x = 0; x < argb->w; ++x) {
                        int tx = x + ox, ty = y + oy;
                        if (tx < 0 || ty < 0 || tx >= out.mask.Width() || ty >= out.mask.Height()) continue;
                        float a = static_cast<float>(row[x] >> 24) / 255.0f;
                        float& m = out.mask.At(tx, ty);
                        m = 1.0f - (1.0f - m) * (1.0f - a);
                    }
                }
            }
        }
        pen += static_cast<float>(advance) + tracking;
    }
    out.ink = out.mask.InkBounds();
    return out;
}
