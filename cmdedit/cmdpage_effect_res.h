// Resource ids of the effect page (dialog 234), the character effect page
// (dialog 213) and the screen effect page (dialog 231).
#pragma once

#define IDD_CMD_EFFECT 234
#define IDD_CMD_CHARA_EFFECT 213
#define IDD_CMD_SCR_EFFECT 231

// dialog 234
#define IDC_EF_EFFECT 1230
#define IDC_EF_POS 1232
#define IDC_EF_X 1206
#define IDC_EF_X_SPIN 1207
#define IDC_EF_Y 1210
#define IDC_EF_Y_SPIN 1211
#define IDC_EF_SHIFTX 1040
#define IDC_EF_SHIFTX_SPIN 1045
#define IDC_EF_SHIFTY 1048
#define IDC_EF_SHIFTY_SPIN 1049
#define IDC_EF_SCALE 1208
#define IDC_EF_SCALE_SPIN 1209
#define IDC_EF_PAUSE 1231

// dialogs 213 and 231
#define IDC_CE_EFFECT 1264
#define IDC_SE_EFFECT 1235
#define IDC_XE_EXEC 1178
#define IDC_XE_LOOP 1168
