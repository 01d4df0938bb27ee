#pragma once

#include "data_output.h"

// All 94 sound files: effects and music synthesised here, commentary spoken
// by espeak-ng, MP3 files encoded by LAME. Work is spread over the cores.
void generateSounds(DataOutput& output);
