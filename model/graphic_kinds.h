// Option tables of the graphic kinds and of the giant character sizes.
#pragma once

#include "base/str.h"

// "ブロック", "キャラ", "アイテム", "ショット", "専用bmp" (kind = position), ended by "".
extern const cString g_GraphicKindNames[6];
// "×4" .. "×100": a giant cell of (position + 2) blocks a side, ended by "".
extern const cString g_GiantSizeNames[10];
