// Builds small standard MIDI files byte by byte for the MIDI tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

inline std::string Bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list) s += char(uint8_t(b));
    return s;
}

inline std::string Be32Str(uint32_t v) {
    return Bytes({int(v >> 24) & 0xFF, int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v) & 0xFF});
}

// "MTrk", its length, then the events as given.
inline std::string Track(const std::string& events) { return "MTrk" + Be32Str(uint32_t(events.size())) + events; }

// "MThd" of a file with the given format, track count and division.
inline std::string Header(int format, int tracks, int division = 480) {
    return "MThd" + Be32Str(6) +
           Bytes({format >> 8, format & 0xFF, tracks >> 8, tracks & 0xFF, division >> 8, division & 0xFF});
}

inline std::string SmfFile(int format, const std::vector<std::string>& trackEvents, int division = 480) {
    std::string s = Header(format, int(trackEvents.size()), division);
    for (const std::string& t : trackEvents) s += Track(t);
    return s;
}

// The image: a format-0 file with one track of the given events.
inline std::string Image(const std::string& events, int division = 480) {
    return Header(0, 1, division) + Track(events);
}
