// Resource ids of the world map window.
#pragma once

#define IDD_WORLDMAP 152
#define IDM_WORLDMAP 155
#define IDM_WORLDMAP_POPUP 163
#define IDC_WORLDMAP_CANVAS 1006
#define IDC_WORLDMAP_HSCROLL 1008
#define IDC_WORLDMAP_VSCROLL 1009
