// Resource ids of the item sheet's basic page (dialog 202).
#pragma once

#define IDD_ITEM_BASIC 202

#define IDC_IB_NAME 1002
#define IDC_IB_CANVAS 1006
#define IDC_IB_PREV 1021
#define IDC_IB_NEXT 1022
#define IDC_IB_NO 1023
#define IDC_IB_INHERIT0 1024  // 1024 .. 1031: one per field group
#define IDC_IB_INHERIT_SPARE 1032  // created hidden, bound to nothing
#define IDC_IB_GRAPHIC 1036
#define IDC_IB_GRAPHIC_SPIN 1037
#define IDC_IB_FRAME 1038
#define IDC_IB_FRAME_SPIN 1039
#define IDC_IB_OFFSET_X 1040
#define IDC_IB_COND_INSERT 1041
#define IDC_IB_COND_EDIT 1042
#define IDC_IB_COND_DELETE 1043
#define IDC_IB_CONDS 1044
#define IDC_IB_OFFSET_X_SPIN 1045
#define IDC_IB_MARK_SPIN 1047
#define IDC_IB_OFFSET_Y 1048
#define IDC_IB_OFFSET_Y_SPIN 1049
#define IDC_IB_LATCH 1051
#define IDC_IB_PREVIEW 1060
#define IDC_IB_PREVIEW2 1070
#define IDC_IB_KIND 1254
#define IDC_IB_JUDGE 1255
#define IDC_IB_Z 1256
#define IDC_IB_Z_SPIN 1257
#define IDC_IB_TRANSPARENT 1258
#define IDC_IB_MARK_MODE 1260
#define IDC_IB_SOURCE 1268
#define IDC_IB_SOURCE_INDEX 1269
#define IDC_IB_MARK_PICK 1445
#define IDC_IB_PICK 1446
#define IDC_IB_MARK 11040
