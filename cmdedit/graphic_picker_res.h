// Resource ids of the graphic picker (dialog 276).
#pragma once

#define IDD_GRAPHIC_PICK 276

#define IDC_GP_SHEET 1006
