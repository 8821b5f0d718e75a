// Resource ids of the screen colour command page (dialog 238).
#pragma once

#define IDD_CMD_SCREEN_COLOR 238

#define IDC_SC_TIME 1113
#define IDC_SC_TIME_SPIN 1114
#define IDC_SC_COUNT 1208
#define IDC_SC_COUNT_SPIN 1209
#define IDC_SC_RESTORE 1241
#define IDC_SC_R_VALUE 1242
#define IDC_SC_G_VALUE 1243
#define IDC_SC_B_VALUE 1244
#define IDC_SC_R 1245
#define IDC_SC_G 1246
#define IDC_SC_B 1247
#define IDC_SC_FLASH 1248
#define IDC_SC_SWATCH 1249
#define IDC_SC_RATE_VALUE 1250
#define IDC_SC_RATE 1251
