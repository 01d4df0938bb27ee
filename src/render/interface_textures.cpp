#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/texture_slots.h"

Interface gameInterface;

const char* const interfaceTextureFiles[interfaceTextureCount] = {
    "data/skybox/himmel.bmp",
    "data/skybox/boden.bmp",
    "data/skybox/1.bmp",
    "data/skybox/2.bmp",
    "data/skybox/4.bmp",
    "data/skybox/3.bmp",
    "data/interface/infoscreen.bmp",
    "data/interface/info.bmp",
    "data/interface/help.bmp",
    "data/interface/help_schriftalpha.bmp",
    "data/interface/help_schrift.bmp",
    "data/interface/mip_off.bmp",
    "data/interface/mip_off_alpha.bmp",
    "data/interface/mip_on.bmp",
    "data/interface/mip_on_alpha.bmp",
    "data/interface/displaylist_off.bmp",
    "data/interface/displaylist_off_alpha.bmp",
    "data/interface/displaylist_on.bmp",
    "data/interface/displaylist_on_alpha.bmp",
    "data/interface/texture_billinear.bmp",
    "data/interface/texture_billinear_alpha.bmp",
    "data/interface/texture_trillinear.bmp",
    "data/interface/texture_trillinear_alpha.bmp",
    "data/menu/menu_intro.bmp",
    "data/menu/menu.bmp",
    "data/menu/automatic.bmp",
    "data/menu/automatic_alpha.bmp",
    "data/menu/manuell.bmp",
    "data/menu/manuell_alpha.bmp",
    "data/menu/select.bmp",
    "data/menu/select_alpha.bmp",
    "data/menu/credits.bmp",
    "data/interface/result_back.bmp",
    "data/interface/result_p1.bmp",
    "data/interface/result_p1_alpha.bmp",
    "data/interface/result_p2.bmp",
    "data/interface/result_p2_alpha.bmp",
    "data/interface/scoreboardalpha256.bmp",
    "data/interface/score256.bmp",
    "data/interface/infoscreenalpha.bmp",
    "data/menu/gegner_mensch.bmp",
    "data/menu/gegner_mensch_alpha.bmp",
    "data/menu/gegner_leicht.bmp",
    "data/menu/gegner_leicht_alpha.bmp",
    "data/menu/gegner_normal.bmp",
    "data/menu/gegner_normal_alpha.bmp",
    "data/menu/gegner_schwer.bmp",
    "data/menu/gegner_schwer_alpha.bmp",
};

void loadInterfaceTextures()
{
    gameInterface.rodSelectionMode = 0;
    loadTextureSlots(interfaceTextureFiles, interfaceTextureCount, gameInterface.InterfaceTextures, skyboxSlotCount);
}

void setRodSelectionMode(int mode) { gameInterface.rodSelectionMode = mode; }
