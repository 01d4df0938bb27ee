#pragma once

#include "sound.h"

// A little over three minutes of light electronic music for the menu, in
// stereo: bass, pad, arpeggio, a lead tune and drums in eight-bar sections
// over two chord progressions, with a quiet break, fading out at the end.
Sound menuMusic();
