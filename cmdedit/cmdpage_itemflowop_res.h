// Resource ids of the flow change dialog of item commands (dialog 217).
#pragma once

#define IDD_CMD_ITEM_FLOWOP 217

#define IDC_IFO_ID 1096
#define IDC_IFO_OP 1178
#define IDC_IFO_FLOWS 1179
