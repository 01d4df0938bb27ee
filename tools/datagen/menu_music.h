#pragma once

#include "sound.h"

// Twenty-four seconds of light electronic music for the menu: bass, pad,
// arpeggio and drums over A minor, F, C and G, fading out at the end.
Sound menuMusic();
