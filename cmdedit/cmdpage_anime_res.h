// Resource ids of the animation set page (dialog 230) and the animation
// page (dialog 227).
#pragma once

#define IDD_CMD_ANIMESET 230
#define IDD_CMD_ANIME 227

#define IDC_AS_SET 1223
#define IDC_AN_ANIME 1263
