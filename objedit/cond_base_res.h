// Control ids that the condition dialogs share.
#pragma once

// The hidden canvas static of every condition dialog.
#define IDC_COND_CANVAS 1075
// The controls the common and stage variable conditions share.
#define IDC_COND_VALUE 1046
#define IDC_COND_VALUE_SPIN 1047
#define IDC_COND_COMPARE 1048
#define IDC_COND_RENAME 1050
