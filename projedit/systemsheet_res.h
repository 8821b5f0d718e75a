// Resource ids of the system settings sheet: its six pages.
#pragma once

#define IDD_SYSTEM_GENERAL 248
#define IDD_SYSTEM_STOCK 249
#define IDD_SYSTEM_STATUS 250
#define IDD_SYSTEM_TEXT 251
#define IDD_SYSTEM_INI 272
#define IDD_SYSTEM_MODE 277
#define IDC_SYSTEM_FONT_PREVIEW 1076
