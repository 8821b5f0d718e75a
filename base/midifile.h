// Standard MIDI files (format 0 or 1) read into one single-track image in
// which every event carries its own status byte and the events of all tracks
// are merged in time order. The MIDI stream player plays the image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/str.h"

// Offsets in the image.
const int kMidiImageHeaderSize = 22;   // "MThd", 6, format 0, 1 track, division, "MTrk", length
const int kMidiImageDivisionOfs = 12;
const int kMidiImageLengthOfs = 18;

class cMidiFile {
public:
    cMidiFile() = default;
    explicit cMidiFile(const char* path);
    virtual ~cMidiFile();
    cMidiFile(const cMidiFile&) = delete;
    cMidiFile& operator=(const cMidiFile&) = delete;

    void Open(const char* path);
    // Checks the header and converts; a new image (free with delete[]) or
    // null when the data is refused. Never reads past size bytes.
    uint8_t* Parse(const uint8_t* data, size_t size);

    // A variable-length quantity of at most four bytes, read from at most
    // avail bytes: the byte count, or 0 when it does not end in time.
    static int ReadVarLen(const uint8_t* bytes, uint32_t* value, size_t avail = 4);
    // The byte count written (1 to 4), or 0 for a value of 0x10000000 or more.
    static int WriteVarLen(uint8_t* bytes, uint32_t value);

    const uint8_t* Image() const { return m_pImage; }
    // Bytes of event data behind the 22-byte header (0 without an image).
    uint32_t ImageEventLength() const;
    const cString& Name() const { return m_Name; }

protected:
    uint8_t* m_pImage = nullptr;
    cString m_Name;
};
