// Resource ids of the third status condition dialog (dialog 275).
#pragma once

#define IDD_COND_STATUS3 275

#define IDC_COND_STATUS3_WHO 11174
#define IDC_COND_STATUS3_ITEM 1173
#define IDC_COND_STATUS3_COMPARE 1048
