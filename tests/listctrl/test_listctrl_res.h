// Resource ids of the list control tests' own dialogs.
#pragma once

#define IDD_LIST_OWNER 9100
#define IDD_LIST_EDIT 9110
#define IDC_LIST_SINGLE 9101
#define IDC_LIST_MULTI 9102
#define IDC_LIST_NAME 9103
#define IDC_LIST_EDIT_VALUE 9111
