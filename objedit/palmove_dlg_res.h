// Resource ids of the palette data move dialog.
#pragma once

#define IDD_PAL_MOVE 138
#define IDC_PALMOVE_CANVAS 1006
#define IDC_PALMOVE_FIRST 1038
#define IDC_PALMOVE_FIRST_SPIN 1039
#define IDC_PALMOVE_LAST 1004
#define IDC_PALMOVE_LAST_SPIN 1012
#define IDC_PALMOVE_DEST 1005
#define IDC_PALMOVE_DEST_SPIN 1013
#define IDC_PALMOVE_OP 1040
