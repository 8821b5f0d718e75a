// Resource ids of the stage editor window.
#pragma once

#define IDD_STAGE_EDITOR 104
#define IDR_WINDOW_ACCEL 105
#define IDR_STAGE_MENU 128
#define IDC_STAGE_CANVAS 1006
#define IDC_STAGE_HSCROLL 1008
#define IDC_STAGE_VSCROLL 1009
#define IDC_STAGE_STATUS 1
#define IDC_STAGE_TOOLBAR 124
