// Resource ids of the stage variable condition dialog (dialog 197).
#pragma once

#define IDD_COND_STAGEVAR 197

#define IDC_COND_STAGEVAR_VAR 1049
#define IDC_COND_STAGEVAR_VALUE 1046
#define IDC_COND_STAGEVAR_VALUE_SPIN 1047
#define IDC_COND_STAGEVAR_COMPARE 1048
#define IDC_COND_STAGEVAR_RENAME 1050
