// The few operating-system services that the portable core (strings,
// containers, record files, logs) needs. Windows builds implement them in
// platform_win32.cpp; the native host build (sanitizers, fuzzing) in
// platform_native.cpp.
#pragma once

#include <cstdint>
#include <cstdio>

// How the checked containers make the application close after a bad index.
enum eCloseMode {
    kClosePost,     // post WM_CLOSE to the application window (base library)
    kCloseDestroy,  // destroy the application window at once (everything else)
};

// Closes the application window as the mode says; nothing when there is none.
void CloseAppWindow(eCloseMode mode);

// The locale-aware comparison used for string equality.
int LocaleCompare(const char* a, const char* b);

// Replaces target by the complete file tmp. False when it fails; tmp is then
// left in place for the caller to remove.
bool ReplaceFileWith(const char* tmp, const char* target);

// Gives the file a second name (a hard link): the two names share the
// file's bytes until one of them is replaced by another file. False when the
// file system has no such links or the name is taken.
bool LinkFile(const char* existing, const char* link);

// Opens a file with a Windows-style path (backslashes).
FILE* OpenFile(const char* path, const char* mode);
// Moves an open file's position to byte pos from its start (also past 2 GiB);
// false when that fails.
bool SeekFileTo(FILE* f, uint64_t pos);
int RemoveFile(const char* path);
// Creates one folder. True when the folder is there afterwards (also when it
// already was).
bool CreateFolder(const char* path);

// True when a file or folder of that name exists.
bool PathExists(const char* path);

// The lock of the log files, taken around each line so that the lines of
// several threads (UI, worker, MIDI callbacks) never overwrite each other. It
// may be taken again by the thread that holds it. On Windows a thread ended
// by force while it holds the lock does not keep it from the others.
void LockLogs();
void UnlockLogs();

// Milliseconds of the system's multimedia clock (wraps after 49.7 days).
uint32_t MilliClock();

// Size of the primary screen in pixels. Hosts without a screen report
// INT32_MAX for both, so nothing is pulled back there.
void GetScreenSize(int32_t* width, int32_t* height);
