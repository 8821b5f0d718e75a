#include "base/midifile.h"

#include <cstring>
#include <queue>
#include <vector>

#include "base/log.h"
#include "base/platform.h"

namespace {

uint32_t Be32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
uint16_t Be16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }
void PutBe32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

// One event of a track: its absolute time, its status and the bytes after
// the status, which stay in the file's data.
struct sMidiEvent {
    uint32_t time;
    uint8_t status;
    uint32_t ofs;    // offset of the bytes after the status in the data
    uint32_t size;   // their count
};

const uint8_t kEndOfTrack[2] = {0x2F, 0x00};

// Whether a length quantity that could not be read was cut short by the end
// of the data (every byte left has its high bit set) rather than too long.
bool CutShort(const uint8_t* p, size_t avail) {
    if (avail >= 4) return false;
    for (size_t i = 0; i < avail; ++i)
        if (!(p[i] & 0x80)) return false;
    return true;
}

const size_t kNoChunk = size_t(-1);

// The position of the first track chunk at or after pos, chunks of other
// kinds passed over by their lengths; kNoChunk when the file holds none
// there (or what stands there is no chunk that fits the file).
size_t FindTrackChunk(const uint8_t* data, size_t size, size_t pos) {
    while (pos <= size && size - pos >= 8) {
        if (memcmp(data + pos, "MTrk", 4) == 0) return pos;
        uint32_t len = Be32(data + pos + 4);
        if (len > size - pos - 8) return kNoChunk;
        pos += 8 + size_t(len);
    }
    return kNoChunk;
}

// Reads the tracks into lists of events. The chunk length does not bound a
// track: a track runs to its end-of-track event, and the next chunk follows
// it; a track without one runs to the end of the file, where an event cut
// short is left out. Every read is bounded by the end of the file. False only for
// bytes that are no event (a data byte without any status, a length quantity
// of more than four bytes, times beyond 32 bits).
bool ReadTracks(const uint8_t* data, size_t size, int tracks, std::vector<std::vector<sMidiEvent>>* out,
                size_t* total) {
    out->assign(size_t(tracks), std::vector<sMidiEvent>());
    uint32_t latestEnd = 0;
    size_t pos = 14;
    *total = 0;
    size_t declaredEnd = 0;  // where the last track's chunk says it ends; 0 when outside the file
    for (int t = 0; t < tracks; ++t) {
        // The next track chunk follows the end of the last track, chunks of
        // other kinds before it passed over. Where no chunk follows (bytes
        // left behind the end-of-track event inside its chunk), the chunk
        // the last chunk's length points at is taken. A file that holds no
        // further track ends the reading.
        size_t at = FindTrackChunk(data, size, pos);
        if (at == kNoChunk && declaredEnd && declaredEnd != pos) at = FindTrackChunk(data, size, declaredEnd);
        if (at == kNoChunk) break;
        pos = at;
        const uint32_t chunkLen = Be32(data + pos + 4);
        declaredEnd = chunkLen <= size - pos - 8 ? pos + 8 + size_t(chunkLen) : 0;
        pos += 8;
        uint32_t time = 0;
        uint8_t running = 0;
        for (;;) {
            // Every break of this loop ends the track at the time reached.
            if (pos >= size) break;
            uint32_t delta;
            int n = cMidiFile::ReadVarLen(data + pos, &delta, size - pos);
            if (n == 0) {
                if (CutShort(data + pos, size - pos)) break;
                return false;
            }
            pos += size_t(n);
            if (time + delta < time) return false;  // beyond 32 bits of ticks
            time += delta;
            if (pos >= size) break;
            uint8_t status;
            if (data[pos] & 0x80) {
                status = data[pos++];
            } else {
                status = running;
                if (status == 0) return false;  // data byte without any status
            }
            running = status;
            const size_t left = size - pos;
            size_t bytes;
            if (status == 0xFF) {
                if (left >= 2 && memcmp(data + pos, kEndOfTrack, 2) == 0) {
                    pos += 2;  // the next chunk follows the end of the track
                    break;
                }
                if (left < 2) break;
                uint32_t len;
                int m = cMidiFile::ReadVarLen(data + pos + 1, &len, left - 1);
                if (m == 0) {
                    if (CutShort(data + pos + 1, left - 1)) break;
                    return false;
                }
                bytes = 1 + size_t(m) + len;
            } else if (status == 0xF0 || status == 0xF7) {
                uint32_t len;
                int m = cMidiFile::ReadVarLen(data + pos, &len, left);
                if (m == 0) {
                    if (CutShort(data + pos, left)) break;
                    return false;
                }
                bytes = size_t(m) + len;
            } else if ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) {
                bytes = 1;
            } else {
                bytes = 2;
            }
            if (bytes > left) {  // cut short by the end of the file
                pos = size;
                break;
            }
            (*out)[size_t(t)].push_back(sMidiEvent{time, status, uint32_t(pos), uint32_t(bytes)});
            ++*total;
            pos += bytes;
        }
        if (time > latestEnd) latestEnd = time;
    }
    out->back().push_back(sMidiEvent{latestEnd, 0xFF, 0, 0});  // the end of the song, marked by size 0
    ++*total;
    return true;
}

}  // namespace

cMidiFile::cMidiFile(const char* path) { Open(path); }

cMidiFile::~cMidiFile() { delete[] m_pImage; }

uint32_t cMidiFile::ImageEventLength() const {
    return m_pImage ? Be32(m_pImage + kMidiImageLengthOfs) : 0;
}

void cMidiFile::Open(const char* path) {
    delete[] m_pImage;
    m_pImage = nullptr;
    m_Name.Set(path);
    FILE* f = path ? OpenFile(path, "rb") : nullptr;
    if (!f) {
        ReportLogE("Midi %s Create ファイルが開けません", m_Name.CStr());
        return;
    }
    std::vector<uint8_t> data;
    uint8_t chunk[4096];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0) data.insert(data.end(), chunk, chunk + n);
    fclose(f);
    m_pImage = Parse(data.data(), data.size());
}

int cMidiFile::ReadVarLen(const uint8_t* bytes, uint32_t* value, size_t avail) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        if (size_t(i) >= avail) return 0;
        v = (v << 7) | (bytes[i] & 0x7F);
        if (!(bytes[i] & 0x80)) {
            *value = v;
            return i + 1;
        }
    }
    return 0;
}

int cMidiFile::WriteVarLen(uint8_t* bytes, uint32_t value) {
    int n;
    if (value < 0x80) n = 1;
    else if (value < 0x4000) n = 2;
    else if (value < 0x200000) n = 3;
    else if (value < 0x10000000) n = 4;
    else return 0;
    for (int i = n - 1; i >= 0; --i) {
        bytes[i] = uint8_t((value & 0x7F) | (i == n - 1 ? 0 : 0x80));
        value >>= 7;
    }
    return n;
}

uint8_t* cMidiFile::Parse(const uint8_t* data, size_t size) {
    const char* name = m_Name.CStr();
    if (size < 4 || memcmp(data, "MThd", 4) != 0) {
        ReportLogE("Midi %s Init 標準MIDIでない(4)", name);
        return nullptr;
    }
    if (size < 14 || Be32(data + 4) != 6) {
        ReportLogE("Midi %s Init 標準MIDIでない(6)", name);
        return nullptr;
    }
    uint16_t format = Be16(data + 8);
    if (format == 2) {
        ReportLogE("Midi %s Init 対応フォーマットが2でない", name);
        return nullptr;
    }
    if (format > 2) {
        ReportLogE("Midi %s Init 対応フォーマットが0または1でない", name);
        return nullptr;
    }
    if (size < 18 || memcmp(data + 14, "MTrk", 4) != 0) {
        ReportLogE("Midi %s Init 標準MIDIでない(4)", name);
        return nullptr;
    }
    int tracks = Be16(data + 10);
    if (tracks == 0) {
        ReportLogE("Midi %s Init トラックがない", name);
        return nullptr;
    }
    std::vector<std::vector<sMidiEvent>> lists;
    size_t total = 0;
    if (!ReadTracks(data, size, tracks, &lists, &total)) {
        ReportLogE("Midi %s Init トラックが壊れている", name);
        return nullptr;
    }

    // Merge: the earliest event first, on equal times the lowest track.
    typedef std::pair<uint32_t, int> tKey;  // time, track
    std::priority_queue<tKey, std::vector<tKey>, std::greater<tKey>> heads;
    std::vector<size_t> cursor(lists.size(), 0);
    for (size_t t = 0; t < lists.size(); ++t) {
        if (!lists[t].empty()) heads.push(tKey(lists[t][0].time, int(t)));
    }
    std::vector<const sMidiEvent*> order;
    order.reserve(total);
    size_t imageSize = kMidiImageHeaderSize;
    while (!heads.empty()) {
        int t = heads.top().second;
        heads.pop();
        const sMidiEvent& e = lists[size_t(t)][cursor[size_t(t)]++];
        order.push_back(&e);
        imageSize += 4 + 1 + (e.size ? e.size : 2);
        if (cursor[size_t(t)] < lists[size_t(t)].size()) {
            heads.push(tKey(lists[size_t(t)][cursor[size_t(t)]].time, t));
        }
    }

    uint8_t* image = new uint8_t[imageSize];
    memcpy(image, "MThd", 4);
    PutBe32(image + 4, 6);
    image[8] = 0; image[9] = 0;    // format 0
    image[10] = 0; image[11] = 1;  // one track
    image[12] = data[12]; image[13] = data[13];
    memcpy(image + 14, "MTrk", 4);
    uint8_t* p = image + kMidiImageHeaderSize;
    uint32_t prev = 0;
    for (const sMidiEvent* e : order) {
        // Times never fall and consecutive events lie no further apart than
        // two events of one track, so the delta always has four bytes or less.
        p += WriteVarLen(p, e->time - prev);
        prev = e->time;
        *p++ = e->status;
        if (e->size) {
            memcpy(p, data + e->ofs, e->size);
            p += e->size;
        } else {
            memcpy(p, kEndOfTrack, 2);
            p += 2;
        }
    }
    PutBe32(image + kMidiImageLengthOfs, uint32_t(p - image - kMidiImageHeaderSize));
    return image;
}
