// Resource ids of the stage editor window.
#pragma once

#define IDD_STAGE_EDITOR 104
#define IDC_STAGE_CANVAS 1006
#define IDC_STAGE_SUMMARY 1007
