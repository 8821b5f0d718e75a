// Resource ids of the stage clear page (dialog 245) and the game wait page
// (dialog 244).
#pragma once

#define IDD_CMD_STAGE_CLEAR 245
#define IDD_CMD_GAME_WAIT 244

#define IDC_SC_SHIFT 1313
#define IDC_SC_NUMBER 1314
#define IDC_SC_NUMBER_SPIN 1315
#define IDC_SC_MAP_WARP 1437
#define IDC_SC_X 1316
#define IDC_SC_X_SPIN 1317
#define IDC_SC_Y 1318
#define IDC_SC_Y_SPIN 1319

#define IDC_GW_TIME 1113
#define IDC_GW_TIME_SPIN 1114
