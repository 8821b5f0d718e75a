// Resource ids of the record lists: accelerator tables and popup menus.
#pragma once

#include "res/command_ids.h"

// Accelerator tables.
#define IDA_LIST_1 105  // style 0, set 1 (also the stage editor's window table)
#define IDA_LIST_2 106  // style 0, set 2
#define IDA_LIST_3 107  // style 0, set 3
#define IDA_LIST_INS_1 108
#define IDA_LIST_INS_3 109
#define IDA_LIST_INS_2 110
#define IDA_LIST_4 111
#define IDA_LIST_INS_4 112

// Popup menus (each a menu bar whose first item holds the list's menu).
#define IDM_LIST_1 112
#define IDM_LIST_2 113
#define IDM_LIST_3 114
#define IDM_LIST_INS_1 115
#define IDM_LIST_INS_2 116
#define IDM_LIST_INS_3 117
#define IDM_LIST_4 176
#define IDM_LIST_INS_4 177
