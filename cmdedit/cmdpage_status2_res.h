// Resource ids of the second status operation command page (dialog 266).
#pragma once

#define IDD_CMD_STATUS2 266

#define IDC_ST2_OWNER 11174
#define IDC_ST2_ITEM 1173
#define IDC_ST2_CHOICE 1397
