// The application window, which the failure paths of the whole program close.
#pragma once
#include <windows.h>

extern HWND g_MainWnd;
