#pragma once

// Slots of Interface::InterfaceTextures; a name ending in Mask is the mask
// drawn under the picture of the same name.
enum : int {
    SlotSkyTop = 0,
    SlotSkyBottom = 1,
    SlotSkyPlusX = 2,
    SlotSkyPlusZ = 3,
    SlotSkyMinusZ = 4,
    SlotSkyMinusX = 5,
    SlotFrameRatePicture = 6,
    SlotNoticePanel = 7,
    SlotHelpPanel = 8,
    SlotHelpTextMask = 9,
    SlotHelpText = 10,
    SlotMipmapOff = 11,
    SlotMipmapOffMask = 12,
    SlotMipmapOn = 13,
    SlotMipmapOnMask = 14,
    SlotDisplayListOff = 15,
    SlotDisplayListOffMask = 16,
    SlotDisplayListOn = 17,
    SlotDisplayListOnMask = 18,
    SlotFilterOff = 19,
    SlotFilterOffMask = 20,
    SlotFilterOn = 21,
    SlotFilterOnMask = 22,
    SlotMenuTitle = 23,
    SlotMenu = 24,
    SlotModeAutomatic = 25,
    SlotModeAutomaticMask = 26,
    SlotModeManual = 27,
    SlotModeManualMask = 28,
    SlotMarker = 29,
    SlotMarkerMask = 30,
    SlotCredits = 31,
    SlotResultPanel = 32,
    SlotResultPlayer1 = 33,
    SlotResultPlayer1Mask = 34,
    SlotResultPlayer2 = 35,
    SlotResultPlayer2Mask = 36,
    SlotScoreBoardMask = 37,
    SlotScoreBoard = 38,
    SlotFrameRateMask = 39,
    SlotOpponentHuman = 40,
    SlotOpponentHumanMask = 41,
    SlotOpponentEasy = 42,
    SlotOpponentEasyMask = 43,
    SlotOpponentNormal = 44,
    SlotOpponentNormalMask = 45,
    SlotOpponentHard = 46,
    SlotOpponentHardMask = 47,
};

// The skybox faces, the only slots with mipmaps and clamped edges.
constexpr int skyboxSlotCount = 6;

// File of each slot, in loading order.
extern const char* const interfaceTextureFiles[];
