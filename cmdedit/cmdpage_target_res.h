// Resource ids of the target page (dialog 265).
#pragma once

#define IDD_CMD_TARGET 265

#define IDC_TG_KIND 1390
#define IDC_TG_FACTION 1261
#define IDC_TG_FACTION_SPIN 1262
#define IDC_TG_ALL_FACTIONS 1397
#define IDC_TG_RANGE 1391
#define IDC_TG_NOT_SELF 1392
#define IDC_TG_NOT_HITTABLE 1393
#define IDC_TG_NOT_PASSING 1396
#define IDC_TG_NOT_BLOCK 1394
#define IDC_TG_BY_ID 1395
#define IDC_TG_ID 1263
#define IDC_TG_ID_SPIN 1264
