// The ogg player library Vox.dll: CreateVox makes a player; the editor loads
// the library at run time and calls the players through this table.
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
    // Destroys the player.
    virtual void Release() = 0;

protected:
    ~cVoxPlayer() {}
};

const int32_t kVoxEndless = 0x7FFFFFFF;

// The export: a new player, or null.
typedef cVoxPlayer* (*tCreateVox)();
#define VOX_CREATE_NAME "CreateVox"
