// asset_forge: paints the game's pictures and synthesises its explosion sound.
// Usage: asset_forge <output folder>. Every run writes the same bytes.
#include <cstdio>
#include <filesystem>
#include <string>

#include "artwork.h"
#include "png_out.h"
#include "sound.h"
#include "text.h"

namespace {

bool Save(const std::filesystem::path& folder, const char* name, const Canvas& canvas, bool withAlpha) {
    std::string path = (folder / name).string();
    bool ok = withAlpha ? WritePng(path, canvas.Width(), canvas.Height(), 4, canvas.ToRgba())
                        : WritePng(path, canvas.Width(), canvas.Height(), 3, canvas.ToRgb());
    std::fprintf(stderr, "asset_forge: %s %s\n", path.c_str(), ok ? "written" : "FAILED");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!OpenTextRendering()) return 1;

    bool ok = true;
    ok &= Save(folder, "flag.png", PaintFlag(), false);
    ok &= Save(folder, "mine.png", PaintMine(), false);
    ok &= Save(folder, "icon.png", PaintIcon(), true);
    ok &= Save(folder, "explosion.png", PaintExplosionSheet(), false);
    ok &= Save(folder, "title.png", PaintTitle(), false);
    ok &= Save(folder, "brackenwold.png", PaintStudioLogo(), false);
    CloseTextRendering();

    std::string soundPath = (folder / "explosion.ogg").string();
    bool soundOk = WriteExplosionSound(soundPath);
    std::fprintf(stderr, "asset_forge: %s %s\n", soundPath.c_str(), soundOk ? "written" : "FAILED");
    ok &= soundOk;
    return ok ? 0 : 1;
}
