// Writes the game's whole data set below the directory given on the command
// line (the repository root): every picture, model and sound is made here.
#include <cstdio>
#include <string>

#include "data_output.h"
#include "menu_pictures.h"
#include "models.h"
#include "overlay_pictures.h"
#include "skybox.h"
#include "table_textures.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory that receives data/>\n", argv[0]);
        return 2;
    }
    DataOutput output;
    output.root = argv[1];
    generateTableTextures(output);
    generateSkybox(output);
    generateOverlayPictures(output);
    generateMenuPictures(output);
    generateModels(output);
    if (output.failures > 0) {
        std::fprintf(stderr, "datagen: %d file(s) could not be made\n", output.failures);
        return 1;
    }
    return 0;
}
