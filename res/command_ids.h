// Command ids shared by menus, accelerator tables and windows (400xx).
#pragma once

// Accelerator table 105 (also the stage editor's and the palette windows'
// table) and table 108: the list commands of set 1 and the window commands.
#define ID_ACC_COPY 40001
#define ID_ACC_APPEND 40002
#define ID_ACC_NEW 40003
#define ID_ACC_OPEN 40004
#define ID_ACC_SAVE 40005
#define ID_ACC_TESTPLAY 40006
#define ID_ACC_PASTE 40007
#define ID_ACC_CLEAR 40008
#define ID_ACC_CUT 40009
#define ID_ACC_REDO 40010
#define ID_ACC_UNDO 40011
#define ID_ACC_DELETE 40032
#define ID_ACC_INSERT 40033
#define ID_ACC_GAMEPLAY 40133
#define ID_ACC_CTRL_D 40162
#define ID_ACC_SPACE 40163

// Tables 106 and 110: set 2.
#define ID_ACC2_COPY 40012
#define ID_ACC2_APPEND 40013
#define ID_ACC2_NEW 40014
#define ID_ACC2_OPEN 40015
#define ID_ACC2_SAVE 40016
#define ID_ACC2_PASTE 40017
#define ID_ACC2_CLEAR 40018
#define ID_ACC2_CUT 40019
#define ID_ACC2_REDO 40020
#define ID_ACC2_UNDO 40021
#define ID_ACC2_INSERT 40034
#define ID_ACC2_DELETE 40035
#define ID_ACC2_GAMEPLAY 40153
#define ID_ACC2_TESTPLAY 40154

// Tables 107 and 109: set 3.
#define ID_ACC3_COPY 40022
#define ID_ACC3_APPEND 40023
#define ID_ACC3_NEW 40024
#define ID_ACC3_OPEN 40025
#define ID_ACC3_SAVE 40026
#define ID_ACC3_PASTE 40027
#define ID_ACC3_CLEAR 40028
#define ID_ACC3_CUT 40029
#define ID_ACC3_REDO 40030
#define ID_ACC3_UNDO 40031
#define ID_ACC3_INSERT 40036
#define ID_ACC3_DELETE 40037
#define ID_ACC3_GAMEPLAY 40155
#define ID_ACC3_TESTPLAY 40156

// Tables 111 and 112: set 4.
#define ID_ACC4_COPY 40091
#define ID_ACC4_APPEND 40092
#define ID_ACC4_NEW 40093
#define ID_ACC4_OPEN 40094
#define ID_ACC4_SAVE 40095
#define ID_ACC4_PASTE 40096
#define ID_ACC4_CLEAR 40097
#define ID_ACC4_CUT 40098
#define ID_ACC4_REDO 40099
#define ID_ACC4_UNDO 40100
#define ID_ACC4_INSERT 40101
#define ID_ACC4_DELETE 40102
#define ID_ACC4_TESTPLAY 40157
#define ID_ACC4_GAMEPLAY 40158

// Popup menus of the lists: 112 and 115 (set 1), 113 and 116 (set 2),
// 114 and 117 (set 3), 176 and 177 (set 4).
#define ID_POP_CUT 40038
#define ID_POP_COPY 40039
#define ID_POP_PASTE 40040
#define ID_POP_CLEAR 40041
#define ID_POP_INSERT 40042
#define ID_POP_DELETE 40043
#define ID_POP2_CUT 40103
#define ID_POP2_COPY 40104
#define ID_POP2_PASTE 40105
#define ID_POP2_INSERT 40106
#define ID_POP2_DELETE 40107
#define ID_POP2_CLEAR 40113
#define ID_POP3_CUT 40108
#define ID_POP3_COPY 40109
#define ID_POP3_PASTE 40110
#define ID_POP3_INSERT 40111
#define ID_POP3_DELETE 40112
#define ID_POP3_CLEAR 40114
#define ID_POP4_CUT 40115
#define ID_POP4_COPY 40116
#define ID_POP4_PASTE 40117
#define ID_POP4_CLEAR 40118
#define ID_POP4_INSERT 40119
#define ID_POP4_DELETE 40120

// Menu commands of the stage editor window.
#define ID_DATABASE 40063  // "データベース(&D)"
