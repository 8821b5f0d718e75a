// Ogg Vorbis files decoded whole into 16-bit PCM.
#pragma once

#include <cstdint>
#include <vector>

struct sOggPcm {
    int channels = 0;
    int rate = 0;
    int frames = 0;                 // samples per channel
    std::vector<int16_t> samples;   // interleaved, frames * channels

    double Seconds() const { return rate ? double(frames) / rate : 0.0; }
};

// False when the file does not open or is no ogg Vorbis stream.
bool DecodeOggFile(const char* path, sOggPcm* out);
