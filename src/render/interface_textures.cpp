#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/texture_slots.h"

Interface gameInterface;


void loadInterfaceTextures()
{
    gameInterface.rodSelectionMode = 0;
    loadTextureSlots(interfacePictureFiles, interfaceTextureCount, gameInterface.InterfaceTextures, skyboxSlotCount);
}

void startInterfaceTextures()
{
    // The menu's own pictures are ready for its first frame; the rest follow.
    static const int menuSlots[] = {
        SlotMenuTitle, SlotMenu, SlotModeAutomatic, SlotModeAutomaticMask,
        SlotModeManual, SlotModeManualMask, SlotMarker, SlotMarkerMask,
    };
    gameInterface.rodSelectionMode = 0;
    startStreamedSlots(interfacePictureFiles, interfaceTextureCount, gameInterface.InterfaceTextures,
                       skyboxSlotCount, menuSlots, static_cast<int>(sizeof menuSlots / sizeof menuSlots[0]));
}

void uploadStreamedTextures() { uploadStreamedSlot(); }

void finishInterfaceTextures() { finishStreamedSlots(); }

void setRodSelectionMode(int mode) { gameInterface.rodSelectionMode = mode; }
