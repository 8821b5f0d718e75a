// Resource ids of the palette windows.
#pragma once

#define IDD_PALETTE 103
#define IDR_PALETTE_MENU 168
#define IDR_PALETTE_POPUP 179
#define IDC_PALETTE_TOOLBAR 122
#define IDC_PALETTE_CANVAS 1006
#define IDC_PALETTE_VSCROLL 1009
#define IDC_PALETTE_STATUS 1
