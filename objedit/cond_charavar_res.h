// Resource ids of the character variable condition dialog (dialog 218).
#pragma once

#define IDD_COND_CHARAVAR 218

#define IDC_COND_CHARAVAR_VAR 1429
#define IDC_COND_CHARAVAR_VALUE 1046
#define IDC_COND_CHARAVAR_VALUE_SPIN 1047
#define IDC_COND_CHARAVAR_COMPARE 1048
