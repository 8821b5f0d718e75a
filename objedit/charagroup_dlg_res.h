// Resource ids of the character group window (dialog 271).
#pragma once

#define IDD_CHARA_GROUP 271
#define IDC_CG_GROUP0 1453       // group 0
#define IDC_CG_GROUP1 1413       // groups 1 .. 40: 1413 .. 1452
#define IDC_CG_GROUP41 1454      // groups 41 .. 59: 1454 .. 1472
