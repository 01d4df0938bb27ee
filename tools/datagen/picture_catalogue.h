#pragma once

#include <cstring>

// Every picture of the data set with the size the generator gives it. The
// sizes are powers of two so that any OpenGL 1.1 driver takes them as
// textures; design coordinates are mapped onto them (see useDesignUnits).
struct PictureFile {
    const char* path;
    int width;
    int height;
};

// The seven table textures in slot order.
constexpr PictureFile tablePictures[] = {
    {"data/table/green2_256_512.bmp", 256, 512},
    {"data/table/dark.bmp", 256, 32},
    {"data/table/light.bmp", 256, 32},
    {"data/table/light_l.bmp", 512, 32},
    {"data/table/dark_l.bmp", 512, 32},
    {"data/table/front_blende.bmp", 512, 128},
    {"data/table/tor.bmp", 256, 64},
};

// The interface, menu and skybox pictures in slot order.
constexpr PictureFile interfacePictures[] = {
    {"data/skybox/himmel.bmp", 512, 512},
    {"data/skybox/boden.bmp", 512, 512},
    {"data/skybox/1.bmp", 512, 512},
    {"data/skybox/2.bmp", 512, 512},
    {"data/skybox/4.bmp", 512, 512},
    {"data/skybox/3.bmp", 512, 512},
    {"data/interface/infoscreen.bmp", 256, 256},
    {"data/interface/info.bmp", 256, 64},
    {"data/interface/help.bmp", 512, 512},
    {"data/interface/help_schriftalpha.bmp", 512, 512},
    {"data/interface/help_schrift.bmp", 512, 512},
    {"data/interface/mip_off.bmp", 256, 64},
    {"data/interface/mip_off_alpha.bmp", 256, 64},
    {"data/interface/mip_on.bmp", 256, 64},
    {"data/interface/mip_on_alpha.bmp", 256, 64},
    {"data/interface/displaylist_off.bmp", 256, 64},
    {"data/interface/displaylist_off_alpha.bmp", 256, 64},
    {"data/interface/displaylist_on.bmp", 256, 64},
    {"data/interface/displaylist_on_alpha.bmp", 256, 64},
    {"data/interface/texture_billinear.bmp", 256, 64},
    {"data/interface/texture_billinear_alpha.bmp", 256, 64},
    {"data/interface/texture_trillinear.bmp", 256, 64},
    {"data/interface/texture_trillinear_alpha.bmp", 256, 64},
    {"data/menu/menu_intro.bmp", 1024, 1024},
    {"data/menu/menu.bmp", 1024, 1024},
    {"data/menu/automatic.bmp", 128, 32},
    {"data/menu/automatic_alpha.bmp", 128, 32},
    {"data/menu/manuell.bmp", 128, 32},
    {"data/menu/manuell_alpha.bmp", 128, 32},
    {"data/menu/select.bmp", 64, 64},
    {"data/menu/select_alpha.bmp", 64, 64},
    {"data/menu/credits.bmp", 1024, 1024},
    {"data/interface/result_back.bmp", 256, 128},
    {"data/interface/result_p1.bmp", 256, 128},
    {"data/interface/result_p1_alpha.bmp", 256, 128},
    {"data/interface/result_p2.bmp", 256, 128},
    {"data/interface/result_p2_alpha.bmp", 256, 128},
    {"data/interface/scoreboardalpha256.bmp", 1024, 256},
    {"data/interface/score256.bmp", 1024, 256},
    {"data/interface/infoscreenalpha.bmp", 256, 256},
    {"data/menu/gegner_mensch.bmp", 256, 32},
    {"data/menu/gegner_mensch_alpha.bmp", 256, 32},
    {"data/menu/gegner_leicht.bmp", 256, 32},
    {"data/menu/gegner_leicht_alpha.bmp", 256, 32},
    {"data/menu/gegner_normal.bmp", 256, 32},
    {"data/menu/gegner_normal_alpha.bmp", 256, 32},
    {"data/menu/gegner_schwer.bmp", 256, 32},
    {"data/menu/gegner_schwer_alpha.bmp", 256, 32},
};

// A picture and the mask it is drawn with (slot numbers of the list above).
struct MaskedPair {
    int picture;
    int mask;
};

constexpr MaskedPair maskedPairs[] = {
    {10, 9}, {11, 12}, {13, 14}, {15, 16}, {17, 18}, {19, 20}, {21, 22},
    {25, 26}, {27, 28}, {29, 30}, {33, 34}, {35, 36}, {38, 37}, {6, 39},
    {40, 41}, {42, 43}, {44, 45}, {46, 47},
};

// Textures named by the model materials (paths relative to the game's
// working directory, as the 3DS files store them).
constexpr const char* faceTexturePath = "data/models/face.jpg";
constexpr const char* arrowTexturePath = "data/models/arrow.tga";
constexpr int faceTextureSize = 256;
constexpr int arrowTextureSize = 64;

// Looks a picture up by its path; nullptr when it is not in the lists.
inline const PictureFile* findPicture(const char* path)
{
    for (const PictureFile& file : tablePictures)
        if (std::strcmp(file.path, path) == 0)
            return &file;
    for (const PictureFile& file : interfacePictures)
        if (std::strcmp(file.path, path) == 0)
            return &file;
    return nullptr;
}
