// Resource ids of the flow operation command page (dialog 225).
#pragma once

#define IDD_CMD_FLOWOP 225

#define IDC_FO_ID 1096
#define IDC_FO_OP 1178
#define IDC_FO_TARGET 11175
