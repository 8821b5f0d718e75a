// Resource ids of the item command selection dialog (dialog 216).
#pragma once

#define IDD_ITEM_CMD_SELECT 216
#define IDC_ICS_CANVAS 1006
#define IDC_ICS_FIRST 1267  // kinds 1 .. 21: 1267 .. 1287
