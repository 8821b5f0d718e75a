// Resource ids of the picture page (dialog 233).
#pragma once

#define IDD_CMD_PICTURE 233

#define IDC_PI_PICTURE 1234
#define IDC_PI_POS 1232
#define IDC_PI_X 1206
#define IDC_PI_X_SPIN 1207
#define IDC_PI_Y 1210
#define IDC_PI_Y_SPIN 1211
#define IDC_PI_SHIFTX 1040
#define IDC_PI_SHIFTX_SPIN 1045
#define IDC_PI_SHIFTY 1048
#define IDC_PI_SHIFTY_SPIN 1049
#define IDC_PI_FRONT 1181
#define IDC_PI_SCALE 1208
#define IDC_PI_SCALE_SPIN 1209
#define IDC_PI_DURATION 1233
#define IDC_PI_TIME 1113
#define IDC_PI_TIME_SPIN 1114
#define IDC_PI_PAUSE 1231
