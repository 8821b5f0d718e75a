// Frame pacing for the editor's preview loop: a frame limiter and a frame
// counter on the millisecond clock. Both keep process-wide state and belong
// to the UI thread.
#pragma once

#include <cstdint>

// Frames per second of the last completed one-second window (0 until the
// first has completed); counts this call as a frame.
int CountFps();
// False while the next frame is not due; true when it is, and the next frame
// is then due 1000 / fps whole milliseconds later. Always true for fps 0.
bool WaitFrame(uint32_t fps);

// Keeps the current millisecond time as the program's start time and
// returns it; StartTime answers it later (0 before the first call).
uint32_t MarkStartTime();
uint32_t StartTime();

// The clock both read (null: the system's multimedia clock). Setting it
// starts the counter and the limiter afresh.
typedef uint32_t (*FrameClock)();
void SetFrameClock(FrameClock clock);

// Shutdown's release of the sound-effect buffer objects. None exist in this
// program, so there is nothing to release.
void ReleaseSoundObjects();
