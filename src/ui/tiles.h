// The images the board and the settings steppers are drawn from, generated for the box size in
// force: the covered tile, the empty and number tiles, the two mark tiles, and the minus and plus
// glyphs in their three states. Start-up builds the tiles, the first main-screen draw the glyphs;
// a change of box size rebuilds both. Drawing a cell or a stepper is then one image copy.
#pragma once

#include <array>
#include <cstdint>

#include "platform/image.h"
#include "platform/text.h"
#include "ui/metrics.h"

struct Tiles {
    Image covered;                // raised bevel around a `bar` face
    Image empty;                  // plain `frame`: an uncovered cell without neighbouring mines
    std::array<Image, 9> number;  // number[d] for d = 1 to 8 neighbouring mines; number[0] stays empty
    Image markedMine;             // the covered tile with the mine picture on its face
    Image markedFlag;             // the covered tile with the flag picture on its face
};

// Makes the covered tile, cellSize x cellSize.
void BuildCoveredTile(Tiles& tiles, int32_t cellSize, const Palette& palette);

// Makes `NumberFont` for cellSize, then the empty tile, the eight number tiles and the two mark
// tiles. The mark tiles need the covered tile of the same cellSize (built first); the flag and mine
// pictures are scaled smoothly onto its (cellSize - 4) x (cellSize - 4) face. An image that cannot
// be made stays as it was.
void BuildCellTiles(Tiles& tiles, Font& numberFont, int32_t cellSize, const Palette& palette,
                    const Image& flagPicture, const Image& minePicture);

enum class GlyphState : int32_t { Normal, Highlighted, Disabled };
constexpr int32_t kGlyphStateCount = 3;

struct Glyphs {
    std::array<Image, kGlyphStateCount> minus;  // indexed by GlyphState
    std::array<Image, kGlyphStateCount> plus;
};

// Makes the six side x side glyphs (side = 4 x spacing of the row in force).
void BuildGlyphs(Glyphs& glyphs, int32_t side, const Palette& palette);

const Image& MinusGlyph(const Glyphs& glyphs, GlyphState state);
const Image& PlusGlyph(const Glyphs& glyphs, GlyphState state);
