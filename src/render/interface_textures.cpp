#include "render/interface.h"

#include "render/interface_slots.h"
#include "render/texture_slots.h"

Interface gameInterface;


void loadInterfaceTextures()
{
    gameInterface.rodSelectionMode = 0;
    loadTextureSlots(interfacePictureFiles, interfaceTextureCount, gameInterface.InterfaceTextures, skyboxSlotCount);
}

void loadTitlePictures()
{
    // The title screen's pictures are ready for the first frame; the rest
    // follow (and are awaited before any other screen is drawn).
    static const int menuSlots[] = {SlotMenuTitle, SlotMarker, SlotMarkerMask};
    gameInterface.rodSelectionMode = 0;
    startStreamedSlots(interfacePictureFiles, interfaceTextureCount, gameInterface.InterfaceTextures,
                       skyboxSlotCount, menuSlots, static_cast<int>(sizeof menuSlots / sizeof menuSlots[0]));
}

void readOtherPicturesInBackground() { readStreamedSlotsInBackground(); }

void startInterfaceTextures()
{
    loadTitlePictures();
    readOtherPicturesInBackground();
}

void uploadStreamedTextures()
{
    while (uploadStreamedSlot()) {
    }
}

void finishInterfaceTextures() { finishStreamedSlots(); }

void setRodSelectionMode(int mode) { gameInterface.rodSelectionMode = mode; }
