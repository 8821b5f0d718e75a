// Resource ids of the command selection dialog (dialog 205).
#pragma once

#define IDD_CMD_SELECT 205
#define IDC_CS_CANVAS 1006
#define IDC_CS_FIRST 1267  // kinds 1 .. 32: 1267 .. 1298
#define IDC_CS_AFTER_GAP 1300  // kinds 33 .. 36: 1300 .. 1303, then 1304 .. 1312 unused
#define IDC_CS_LAST 1312
