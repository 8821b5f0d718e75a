// Resource ids of the code execution page.
#pragma once

#define IDD_CMD_CODE 252
#define IDC_CODE_TEXT 1377
#define IDC_CODE_COMMON 1045
#define IDC_CODE_COMMON_RENAME 1378
#define IDC_CODE_STAGE 1049
#define IDC_CODE_STAGE_RENAME 1051
