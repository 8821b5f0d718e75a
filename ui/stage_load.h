// Opening a stage file: a file whose last save was cut short is put back from
// its copy in "data\work\" first, and the stage is read on the worker thread
// while the UI thread waits.
#pragma once

#include "base/thread.h"

extern cThread g_WorkerThread;

class cEdStage;

// 1 when g_Stage now holds the file's stage. 0 when the file did not open or
// did not load completely ("ステージファイル %s の読み込みに失敗しました！"), or
// when a WM_QUIT ended the wait (no message): g_Stage is then unchanged, and
// the WM_QUIT is posted again so that the request to quit is not lost.
// With latest, the newest numbered copy of the path ("<name>.stg4_000" ..
// "_999") is loaded instead, and 0 (no message) when there is none. With a
// copy target, the loaded stage is also copied into it.
int LoadStageThreaded(const char* path, bool latest = false, cEdStage* copyTo = nullptr);
// Examines the file and puts its copy in its place when it is broken; tells
// the user what happened. Always 1.
int RecoverStage(const char* path);
// The routine of the worker thread; the argument is the spare stage to read
// into.
unsigned THREAD_CALL LoadStageWorker(void* arg);
