// Resource ids of the background command page (dialog 240).
#pragma once

#define IDD_CMD_BACK 240

#define IDC_BK_LAYER 1259
#define IDC_BK_LAYER_SPIN 1260
#define IDC_BK_MODE 1261
