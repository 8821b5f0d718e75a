// Resource ids of the stage settings sheet: its three pages and the
// background layer dialog. Control ids are the numbers of the templates.
#pragma once

#define IDD_BACK_LAYER 136
#define IDD_STAGE_BASIC 144
#define IDD_STAGE_ADVANCED 241
#define IDD_STAGE_ADVANCED2 242
