#pragma once

// Largest picture any image reader accepts (pixels); a larger one is refused
// before its buffer is made, so a forged header cannot demand gigabytes.
constexpr long long maxImagePixels = 1LL << 24; // 4096 x 4096
