// Resource ids of the jump command page (dialog 243).
#pragma once

#define IDD_CMD_JUMP 243

#define IDC_JP_SOUND 1131
#define IDC_JP_TYPE 1178
#define IDC_JP_ANIME 1263
#define IDC_JP_MAX_HEIGHT 1305
#define IDC_JP_MAX_HEIGHT_SPIN 1306
#define IDC_JP_MIN_HEIGHT 1307
#define IDC_JP_MIN_HEIGHT_SPIN 1308
#define IDC_JP_MAX_SPEED 1309
#define IDC_JP_MAX_SPEED_SPIN 1310
#define IDC_JP_MIN_SPEED 1311
#define IDC_JP_MIN_SPEED_SPIN 1312
#define IDC_JP_MUTE 1435
