// Resource ids of the wait, move and direction change pages.
#pragma once

#define IDD_CMD_WAIT 207
#define IDD_CMD_LINE_MOVE 208
#define IDD_CMD_HOMING_MOVE 214
#define IDD_CMD_GROUND_TURN 259
#define IDD_CMD_CIRCLE_MOVE 260
#define IDD_CMD_RUSH_MOVE 261
#define IDD_CMD_SCREEN_AVOID 262
#define IDD_CMD_TURN 263
#define IDD_CMD_MOVE_DISABLE 273
