// Writes the game's whole data set below the directory given on the command
// line (the repository root): every picture, model and sound is made here.
// Further arguments choose parts ("pictures", "models", "sounds"); without
// them all three are made. The part "icons" writes the desktop icons below
// the directory instead of data/, and only when asked for.
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "data_output.h"
#include "icons.h"
#include "menu_pictures.h"
#include "models.h"
#include "overlay_pictures.h"
#include "skybox.h"
#include "sounds.h"
#include "table_textures.h"

namespace {

bool wanted(int argc, char** argv, const char* part)
{
    if (argc == 2)
        return std::strcmp(part, "icons") != 0;
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], part) == 0)
            return true;
    return false;
}

bool knownParts(int argc, char** argv)
{
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "pictures") != 0 && std::strcmp(argv[i], "models") != 0 && std::strcmp(argv[i], "sounds") != 0
            && std::strcmp(argv[i], "icons") != 0)
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || !knownParts(argc, argv)) {
        std::fprintf(stderr, "usage: %s <directory that receives data/> [pictures] [models] [sounds] [icons]\n", argv[0]);
        return 2;
    }
    DataOutput output;
    output.root = argv[1];
    if (wanted(argc, argv, "pictures")) {
        generateTableTextures(output);
        generateSkybox(output);
        generateOverlayPictures(output);
        generateMenuPictures(output);
    }
    if (wanted(argc, argv, "models"))
        generateModels(output);
    if (wanted(argc, argv, "sounds"))
        generateSounds(output);
    if (wanted(argc, argv, "icons"))
        generateIcons(output);
    // Hand back the font caches, so that leak checkers see a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    if (output.failures > 0) {
        std::fprintf(stderr, "datagen: %d file(s) could not be made\n", output.failures);
        return 1;
    }
    return 0;
}
