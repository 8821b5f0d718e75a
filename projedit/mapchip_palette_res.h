// Resource ids of the map chip palette.
#pragma once

#define IDD_MAPCHIP_PALETTE 154
#define IDC_MAPCHIP_CANVAS 1006
#define IDC_MAPCHIP_VSCROLL 1009
