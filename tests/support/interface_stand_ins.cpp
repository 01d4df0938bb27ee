#include "support/interface_stand_ins.h"

#include "render/interface.h"
#include "render/interface_slots.h"
#include "support/stand_in_data.h"

#include <cstdlib>

void loadInterfaceStandIns(const std::function<TestPicture(int slot)>& pictureFor)
{
    StandInData data;
    for (int slot = 0; slot < interfaceTextureCount; ++slot) {
        const TestPicture picture = pictureFor(slot);
        if (picture.width > 0)
            data.put(interfacePictureFiles[slot].path, picture);
    }
    data.loadHere([] { loadInterfaceTextures(); });
}

TestColour firstRowsColour(int slot) { return {250, static_cast<unsigned char>(10 + 5 * slot), 0}; }

TestColour lastRowsColour(int slot) { return {0, static_cast<unsigned char>(10 + 5 * slot), 250}; }

TestPicture slotBandsPicture(int slot) { return rowBandsPicture(16, 256, firstRowsColour(slot), lastRowsColour(slot)); }

bool near(const Pixel& p, const TestColour& c, int tolerance)
{
    return std::abs(p.r - c.r) <= tolerance && std::abs(p.g - c.g) <= tolerance && std::abs(p.b - c.b) <= tolerance;
}

TestColour tinted(const TestColour& c, const TestColour& tint)
{
    return {static_cast<unsigned char>(c.r * tint.r / 255), static_cast<unsigned char>(c.g * tint.g / 255),
            static_cast<unsigned char>(c.b * tint.b / 255)};
}
