// Resource ids of the item get command page (dialog 268).
#pragma once

#define IDD_CMD_GETITEM 268

#define IDC_GI_PALETTE 1408
#define IDC_GI_ITEM 1409
#define IDC_GI_NOTE 1450
