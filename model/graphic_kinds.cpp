#include "model/graphic_kinds.h"

const cString g_GraphicKindNames[6] = {"ブロック", "キャラ", "アイテム", "ショット", "専用bmp", ""};
const cString g_GiantSizeNames[10] = {"×4", "×9", "×16", "×25", "×36", "×49", "×64", "×81", "×100", ""};
