// Standard MIDI files as the music preview reads them.
#include "base/midifile.h"
#include "fuzz/fuzz_kinds.h"

namespace {

void LoadMidi(const uint8_t* data, size_t size) {
    cMidiFile midi;
    uint8_t* image = midi.Parse(data, size);
    delete[] image;
}

std::string Be32(uint32_t v) {
    return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16), static_cast<char>(v >> 8),
                       static_cast<char>(v)};
}

std::string Track(const std::string& events) {
    return "MTrk" + Be32(static_cast<uint32_t>(events.size())) + events;
}

// Format 1 with two tracks: tempo and a text in the first, notes with
// running status and a controller in the second.
std::string SeedMidi() {
    const std::string header = std::string("MThd") + Be32(6) + std::string("\0\1\0\2\1\xE0", 6);
    const std::string tempo = std::string("\0\xFF\x51\x03\x07\xA1\x20", 7) + std::string("\x60\xFF\x01\x02hi", 6) +
                              std::string("\0\xFF\x2F\0", 4);
    const std::string notes = std::string("\0\x90\x3C\x40\x30\x3E\x40\x30\x80\x3C\0\0\xB0\x07\x64", 15) +
                              std::string("\x81\x00\xFF\x2F\0", 5);
    return header + Track(tempo) + Track(notes);
}

}  // namespace

FUZZ_KIND("midi", LoadMidi, SeedMidi);
