// Resource ids of the common variable condition dialog (dialog 196).
#pragma once

#define IDD_COND_COMMONVAR 196

#define IDC_COND_COMMONVAR_VAR 1045
#define IDC_COND_COMMONVAR_VALUE 1046
#define IDC_COND_COMMONVAR_VALUE_SPIN 1047
#define IDC_COND_COMMONVAR_COMPARE 1048
#define IDC_COND_COMMONVAR_RENAME 1050
