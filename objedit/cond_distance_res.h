// Resource ids of the distance condition dialog (dialog 219).
#pragma once

#define IDD_COND_DISTANCE 219

#define IDC_COND_DISTANCE_AXIS 1049
#define IDC_COND_DISTANCE_VALUE 1183
#define IDC_COND_DISTANCE_VALUE_SPIN 1184
#define IDC_COND_DISTANCE_COMPARE 1048
