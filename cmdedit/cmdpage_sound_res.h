// Resource ids of the sound effect and background music command pages
// (dialogs 228 and 229).
#pragma once

#define IDD_CMD_SOUND 228
#define IDD_CMD_BGM 229

#define IDC_SE_SOUND 1131
#define IDC_SE_MUTE 1435

#define IDC_BGM_LOOP 1168
#define IDC_BGM_PLAY 1309
#define IDC_BGM_MUSIC 11222
