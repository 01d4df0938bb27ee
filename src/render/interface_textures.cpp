#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/texture_slots.h"

Interface gameInterface;


void loadInterfaceTextures()
{
    gameInterface.rodSelectionMode = 0;
    loadTextureSlots(interfacePictureFiles, interfaceTextureCount, gameInterface.InterfaceTextures, skyboxSlotCount);
}

void setRodSelectionMode(int mode) { gameInterface.rodSelectionMode = mode; }
