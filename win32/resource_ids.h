// SPDX-License-Identifier: MIT
// Resource numbers, shared by the resource script and the program (hence macros).
#pragma once

#define VARNIK_IDI_APP 1
#define VARNIK_IDR_DISPLAY_FONT 10
// Key pictures: picture n is VARNIK_KEY_BITMAP_BASE + n, its twice-as-dense twin
// VARNIK_DENSE_KEY_BITMAP_BASE + n (the build numbers the files of assets/keys this way).
#define VARNIK_KEY_BITMAP_BASE 1000
#define VARNIK_DENSE_KEY_BITMAP_BASE 2000
