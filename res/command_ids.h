// Command ids shared by menus, toolbars, accelerator tables and popup menus
// of several windows.
#pragma once

// Accelerator tables and the list popup menu.
#define IDA_WINDOW 105      // the editor windows' table
#define IDA_LIST_INSERT 108 // lists that insert and delete records
#define IDM_LIST_INSERT 115 // their popup menu

// Keys of the accelerator tables.
#define ID_KEY_COPY 40001
#define ID_KEY_APPEND 40002
#define ID_KEY_NEW 40003
#define ID_KEY_OPEN 40004
#define ID_KEY_SAVE 40005
#define ID_KEY_TEST 40006
#define ID_KEY_PASTE 40007
#define ID_KEY_CLEAR 40008
#define ID_KEY_CUT 40009
#define ID_KEY_REDO 40010
#define ID_KEY_UNDO 40011
#define ID_KEY_LIST_DELETE 40032
#define ID_KEY_LIST_INSERT 40033
#define ID_KEY_GROUP 40133
#define ID_KEY_DUP 40162
#define ID_KEY_SPACE 40163

// Popup menu items of the lists.
#define ID_POPUP_CUT 40038
#define ID_POPUP_COPY 40039
#define ID_POPUP_PASTE 40040
#define ID_POPUP_CLEAR 40041
#define ID_POPUP_INSERT 40042
#define ID_POPUP_DELETE 40043

// The world map editor's menu and toolbar.
#define ID_WORLD_SAVE 40015
#define ID_WORLD_NEW_EVENT 40028
#define ID_WORLD_LAYER_EVENTS 40050
#define ID_WORLD_UNDO 40052
#define ID_WORLD_REDO 40053
#define ID_WORLD_EXIT 40055
#define ID_WORLD_SETTINGS 40056
#define ID_WORLD_OPEN 40064  // the stage editor's menu item
#define ID_WORLD_CLEAR_CHIPS 40066
#define ID_WORLD_CLEAR_EVENTS 40068
#define ID_WORLD_CHIP_PALETTE 40071
#define ID_WORLD_EVENT_PALETTE 40072
#define ID_WORLD_LAYER_CHIPS 40073
#define ID_WORLD_EDIT_EVENT 50059
