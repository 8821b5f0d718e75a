// The ogg player library Vox.dll: CreateVox makes a player; the editor loads
// the library at run time and calls the players through this table, slot by
// slot: Load 0, Play 1, Stop 2, Unload 3, SetLoop 4, five to eight unused,
// Release 9.
#pragma once

#include <cstdint>

class cVoxPlayer {
public:
    // Opens an ogg file for playing: nonzero when it is ready to play (the
    // file decodes and the sound device opens), 0 otherwise.
    virtual uint8_t Load(const char* path) = 0;
    // Starts the loaded file from its start; nothing without one.
    virtual void Play() = 0;
    virtual void Stop() = 0;
    // Drops the loaded file and closes the device.
    virtual void Unload() = 0;
    // How often the file repeats after its first time: 0 plays once,
    // kVoxEndless plays on until stopped.
    virtual void SetLoop(int32_t count) = 0;
    // Slots 5 to 8 of the table: held by every player, never called by the
    // editor.
    virtual void Reserved5() = 0;
    virtual void Reserved6() = 0;
    virtual void Reserved7() = 0;
    virtual void Reserved8() = 0;
    // Destroys the player (slot 9).
    virtual void Release() = 0;

protected:
    ~cVoxPlayer() {}
};

const int32_t kVoxEndless = 0x7FFFFFFF;

// The export: a new player, or null.
typedef cVoxPlayer* (*tCreateVox)();
#define VOX_CREATE_NAME "CreateVox"
