// Resource ids of the second status condition dialog (dialog 274).
#pragma once

#define IDD_COND_STATUS2 274

#define IDC_COND_STATUS2_WHO 11174
#define IDC_COND_STATUS2_ITEM 1173
#define IDC_COND_STATUS2_CHOICE 1397
#define IDC_COND_STATUS2_COMPARE 1048
