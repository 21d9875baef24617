// SPDX-License-Identifier: MIT
// Resource numbers, shared by the resource script and the program (hence macros).
#pragma once

#define VARNIK_IDI_APP 1
#define VARNIK_IDR_DISPLAY_FONT 10
// Key pictures: picture n at density d (1x to 4x) is d * VARNIK_KEY_PICTURE_BASE + n, a BITMAP up
// to VARNIK_DENSEST_KEY_BITMAPS and a PNG file (RCDATA) above (the build numbers the files of
// assets/keys this way).
#define VARNIK_KEY_PICTURE_BASE 1000
#define VARNIK_DENSEST_KEY_BITMAPS 2
