// Resource ids of the value input, string input and message windows.
#pragma once

#define IDD_INPUT_VALUE 101
#define IDD_INPUT_STRING 102
#define IDD_MESSAGE_WND 132

#define IDC_INPUT_EDIT 1003
#define IDC_INPUT_SPIN 1011
#define IDC_MESSAGE_TEXT 1017
#define IDC_INPUT_LABEL 1075
