// Resource ids of the graphic change command page (dialog 232).
#pragma once

#define IDD_CMD_GRAPHIC 232

#define IDC_GR_KIND 1254
#define IDC_GR_NUMBER 1036
#define IDC_GR_NUMBER_SPIN 1037
#define IDC_GR_SHIFT 1038
#define IDC_GR_SHIFT_SPIN 1039
#define IDC_GR_PICK 1446
#define IDC_GR_PREVIEW 1070
