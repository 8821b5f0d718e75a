// Resource ids of the block, chara and item summon pages (dialogs 258, 256
// and 257): the controls they share, then each page's own.
#pragma once

#define IDD_CMD_SUMMON_CHARA 256
#define IDD_CMD_SUMMON_ITEM 257
#define IDD_CMD_SUMMON_BLOCK 258

#define IDC_SU_OFFSETX 1040
#define IDC_SU_FPARAM1 1041
#define IDC_SU_FPARAM2 1042
#define IDC_SU_FPARAM3 1043
#define IDC_SU_OFFSETX_SPIN 1045
#define IDC_SU_OFFSETY 1048
#define IDC_SU_OFFSETY_SPIN 1049
#define IDC_SU_FPARAM1_SPIN 1051
#define IDC_SU_FPARAM2_SPIN 1052
#define IDC_SU_FLIPX 1053
#define IDC_SU_FLIPY 1055
#define IDC_SU_FPARAM3_SPIN 1056
#define IDC_SU_COUNT 1069
#define IDC_SU_COUNT_SPIN 1071
#define IDC_SU_TIME 1113
#define IDC_SU_TIME_SPIN 1114
#define IDC_SU_TIME_CLONE 1115
#define IDC_SU_TIME_CLONE_SPIN 1116
#define IDC_SU_PARALLEL 1117
#define IDC_SU_DIRECTION 1128
#define IDC_SU_SOUND 1131
#define IDC_SU_FLABEL1 1151
#define IDC_SU_FLABEL2 1152
#define IDC_SU_FLABEL3 1153
#define IDC_SU_ANIME 1263
#define IDC_SU_PALETTE 1379
#define IDC_SU_ENTRY 1385
#define IDC_SU_MUTE 1435
#define IDC_SU_FORMATION 12641

// block summon
#define IDC_SU_FAIL_PLAYER 1054
#define IDC_SU_FAIL_ENEMY 1057
#define IDC_SU_TYPE 1129
// chara summon (1129 the faction mode); chara and item summon
#define IDC_SU_FACTION_MODE 1129
#define IDC_SU_FACTION 1261
#define IDC_SU_FACTION_SPIN 1262
#define IDC_SU_NO_SCORE 1381
#define IDC_SU_REVERSE 1382
#define IDC_SU_LIFE_ON 1393
#define IDC_SU_LIFE 1394
#define IDC_SU_LIFE_SPIN 1395
