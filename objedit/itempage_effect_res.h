// Resource ids of the item sheet's effect page (dialog 203).
#pragma once

#define IDD_ITEM_EFFECT 203

#define IDC_IE_CANVAS 1006
#define IDC_IE_PREV 1021
#define IDC_IE_NEXT 1022
#define IDC_IE_NO 1023
#define IDC_IE_INHERIT0 1024  // 1024 .. 1028: flags 8 .. 12
#define IDC_IE_PREVIEW 1060
#define IDC_IE_CMD_INSERT 1068
#define IDC_IE_CMD_DELETE 1069
#define IDC_IE_CMD_EDIT 1070
#define IDC_IE_CMDS 1095
#define IDC_IE_SOUND 1131
#define IDC_IE_SHOW_ABOVE 1177
#define IDC_IE_TAKE_MODE 1265
#define IDC_IE_ENLARGE 1266
