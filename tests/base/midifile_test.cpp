#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/log.h"
#include "base/midifile.h"
#include "tests/base/midi_bytes.h"
#include "tests/support/test_env.h"

namespace {

std::string ImageOf(const cMidiFile& f) {
    if (!f.Image()) return "(none)";
    return std::string(reinterpret_cast<const char*>(f.Image()), kMidiImageHeaderSize + f.ImageEventLength());
}

// Reads the bytes as a file; the image, or "(none)".
std::string Convert(const std::string& bytes) {
    EXPECT_TRUE(WriteWholeFile("song.mid", bytes));
    cMidiFile f("song.mid");
    return ImageOf(f);
}

std::string LastReportLine() {
    std::string log = ReadWholeFile("Report_Editor.txt");
    while (!log.empty() && (log.back() == '\n' || log.back() == '\r')) log.pop_back();
    size_t nl = log.rfind('\n');
    return nl == std::string::npos ? log : log.substr(nl + 1);
}

const std::string kEot = Bytes({0xFF, 0x2F, 0x00});

}  // namespace

TEST(MidiFile, FormatOneTracksMergeInTimeOrderWithTiesInTrackOrder) {
    // Tempo track; two note tracks, the second using running status.
    std::string tempo = Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x83, 0x60}) + kEot;  // ends at 480
    std::string notesA = Bytes({0x00, 0xC0, 0x05,            // program change at 0
                                0x60, 0x90, 0x3C, 0x64,      // note on at 96
                                0x60, 0x80, 0x3C, 0x00,      // note off at 192
                                0x00}) + kEot;
    std::string notesB = Bytes({0x60, 0x91, 0x40, 0x50,      // note on at 96 (tie with track 1)
                                0x30, 0x43, 0x50,            // running status at 144
                                0x82, 0x00, 0x81, 0x40, 0x00,// note off at 400
                                0x00}) + kEot;
    std::string image = Convert(SmfFile(1, {tempo, notesA, notesB}));
    std::string expected = Image(Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,
                                        0x00, 0xC0, 0x05,
                                        0x60, 0x90, 0x3C, 0x64,
                                        0x00, 0x91, 0x40, 0x50,
                                        0x30, 0x91, 0x43, 0x50,
                                        0x30, 0x80, 0x3C, 0x00,
                                        0x81, 0x50, 0x81, 0x40, 0x00,
                                        0x50}) + kEot);
    EXPECT_EQ(expected, image);
}

TEST(MidiFile, FormatZeroComesOutWithStatusBytesWrittenOut) {
    std::string events = Bytes({0x00, 0xF0, 0x05, 0x43, 0x10, 0x4C, 0x00, 0xF7,
                                0x00, 0x90, 0x3C, 0x64,
                                0x83, 0x60, 0x3C, 0x00,       // running status
                                0x00, 0xFF, 0x01, 0x02, 'h', 'i',
                                0x00, 0xD0, 0x20,
                                0x10, 0x20,                   // running status of Dx: one byte
                                0x81, 0x00}) + kEot;
    std::string expected = Image(Bytes({0x00, 0xF0, 0x05, 0x43, 0x10, 0x4C, 0x00, 0xF7,
                                        0x00, 0x90, 0x3C, 0x64,
                                        0x83, 0x60, 0x90, 0x3C, 0x00,
                                        0x00, 0xFF, 0x01, 0x02, 'h', 'i',
                                        0x00, 0xD0, 0x20,
                                        0x10, 0xD0, 0x20,
                                        0x81, 0x00}) + kEot, 96);
    EXPECT_EQ(expected, Convert(SmfFile(0, {events}, 96)));
}

TEST(MidiFile, OneEndOfTrackAtTheLatestEnd) {
    std::string a = Bytes({0x00, 0x90, 0x3C, 0x64, 0x8F, 0x00, 0x80, 0x3C, 0x00, 0x00}) + kEot;  // 1920
    std::string b = Bytes({0x00, 0x91, 0x40, 0x64, 0x9E, 0x00, 0x81, 0x40, 0x00, 0x00}) + kEot;  // 3840
    std::string expected = Image(Bytes({0x00, 0x90, 0x3C, 0x64, 0x00, 0x91, 0x40, 0x64,
                                        0x8F, 0x00, 0x80, 0x3C, 0x00,
                                        0x8F, 0x00, 0x81, 0x40, 0x00, 0x00}) + kEot);
    EXPECT_EQ(expected, Convert(SmfFile(1, {a, b})));
    // The end comes at 3840 whichever track ends last.
    std::string swapped = Image(Bytes({0x00, 0x91, 0x40, 0x64, 0x00, 0x90, 0x3C, 0x64,
                                       0x8F, 0x00, 0x80, 0x3C, 0x00,
                                       0x8F, 0x00, 0x81, 0x40, 0x00, 0x00}) + kEot);
    EXPECT_EQ(swapped, Convert(SmfFile(1, {b, a})));
}

TEST(MidiFile, ChunksOfOtherKindsAndBytesAfterTheEndArePassedOver) {
    std::string a = Bytes({0x00, 0x90, 0x3C, 0x64, 0x00}) + kEot + Bytes({0xAA, 0xBB});
    std::string b = Bytes({0x10, 0x91, 0x40, 0x64, 0x00}) + kEot;
    std::string file = Header(1, 2) + Track(a) + "XTRA" + Be32Str(3) + Bytes({1, 2, 3}) + Track(b);
    EXPECT_EQ(Image(Bytes({0x00, 0x90, 0x3C, 0x64, 0x10, 0x91, 0x40, 0x64, 0x00}) + kEot), Convert(file));
}

TEST(MidiFile, RefusedFilesLogTheirReasonAndGiveNoImage) {
    ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
    const std::string note = Bytes({0x00, 0x90, 0x3C, 0x64});
    const std::string good = note + Bytes({0x00}) + kEot;
    std::string longSong;  // 17 deltas of 0x0FFFFFFF ticks
    for (int i = 0; i < 17; ++i) longSong += Bytes({0xFF, 0xFF, 0xFF, 0x7F, 0x90, 0x3C, 0x64});
    longSong += Bytes({0x00}) + kEot;
    struct Case {
        const char* what;
        std::string bytes;
        const char* line;
    };
    const Case cases[] = {
        {"not MThd", "RIFF" + SmfFile(0, {good}).substr(4), "Midi song.mid Init 標準MIDIでない(4)"},
        {"tiny", "MTh", "Midi song.mid Init 標準MIDIでない(4)"},
        {"header length 7", "MThd" + Be32Str(7) + SmfFile(0, {good}).substr(8), "Midi song.mid Init 標準MIDIでない(6)"},
        {"header only", Header(0, 1).substr(0, 12), "Midi song.mid Init 標準MIDIでない(6)"},
        {"format 2", SmfFile(2, {good}), "Midi song.mid Init 対応フォーマットが2でない"},
        {"format 3", SmfFile(3, {good}), "Midi song.mid Init 対応フォーマットが0または1でない"},
        {"no MTrk behind the header", Header(0, 1) + "MTrX" + Be32Str(7) + good, "Midi song.mid Init 標準MIDIでない(4)"},
        {"no tracks", Header(1, 0) + Track(good), "Midi song.mid Init トラックがない"},
        {"five-byte delta", SmfFile(0, {Bytes({0x81, 0x81, 0x81, 0x81, 0x00}) + good}),
         "Midi song.mid Init トラックが壊れている"},
        {"data byte without status", SmfFile(0, {Bytes({0x00, 0x3C, 0x64, 0x00}) + kEot}),
         "Midi song.mid Init トラックが壊れている"},
        {"time beyond 32 bits", SmfFile(0, {longSong}), "Midi song.mid Init トラックが壊れている"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ("(none)", Convert(c.bytes)) << c.what;
        EXPECT_EQ(c.line, LastReportLine()) << c.what;
    }
}

// The chunk length does not bound a track, and a file's bytes are read as
// far as they go: a track with a wrong length, without its end-of-track
// event, or cut short by the end of the file keeps every whole event before
// the end; a track that is missing is left out.
TEST(MidiFile, TracksAreReadAsFarAsTheFileGoes) {
    const std::string note = Bytes({0x00, 0x90, 0x3C, 0x64});
    const std::string good = note + Bytes({0x10}) + kEot;  // ends at 16
    const std::string noteAndEnd = Image(note + Bytes({0x10}) + kEot);
    std::string cutInEnd = SmfFile(0, {good});
    cutInEnd.resize(cutInEnd.size() - 2);  // FF left of FF 2F 00
    const std::string second = Bytes({0x20, 0x91, 0x40, 0x50, 0x00}) + kEot;  // at 32
    const std::string merged = Image(note + Bytes({0x20, 0x91, 0x40, 0x50, 0x00}) + kEot);
    struct Case {
        const char* what;
        std::string bytes;
        std::string image;
    };
    const Case cases[] = {
        {"chunk longer than the file", Header(0, 1) + "MTrk" + Be32Str(100) + good, noteAndEnd},
        {"chunk shorter than its track", Header(0, 1) + "MTrk" + Be32Str(3) + good, noteAndEnd},
        {"chunk too short, a second track behind the end", Header(1, 2) + "MTrk" + Be32Str(2) + good + Track(second),
         merged},
        {"chunk too long, a second track behind the end", Header(1, 2) + "MTrk" + Be32Str(90) + good + Track(second),
         merged},
        {"no end of track", SmfFile(0, {note + Bytes({0x10, 0x80, 0x3C, 0x00})}),
         Image(note + Bytes({0x10, 0x80, 0x3C, 0x00, 0x00}) + kEot)},
        {"cut in the end of track", cutInEnd, noteAndEnd},
        {"fewer tracks than counted", Header(1, 2) + Track(good), noteAndEnd},
        {"meta length past the file", SmfFile(0, {note + Bytes({0x05, 0xFF, 0x01, 0x7F, 'x'})}),
         Image(note + Bytes({0x05}) + kEot)},
        {"sysex length past the file", SmfFile(0, {note + Bytes({0x00, 0xF0, 0x20, 0x01})}), Image(note + Bytes({0x00}) + kEot)},
        {"note cut short", SmfFile(0, {note + Bytes({0x08, 0x90, 0x3C})}), Image(note + Bytes({0x08}) + kEot)},
        {"delta cut short", SmfFile(0, {note + Bytes({0x81, 0x81})}), Image(note + Bytes({0x00}) + kEot)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.image, Convert(c.bytes)) << c.what;

    // Cut anywhere, a file is read without reading past its end: no image
    // until the first track chunk's name is there.
    std::string whole = SmfFile(1, {Bytes({0x00, 0xFF, 0x03, 0x02, 'a', 'b', 0x00}) + kEot,
                                    Bytes({0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x10, 0x90, 0x3C, 0x64, 0x00}) + kEot});
    ASSERT_NE("(none)", Convert(whole));
    for (size_t n = 0; n < whole.size(); ++n) {
        std::string image = Convert(whole.substr(0, n));
        EXPECT_EQ(n < 18, image == "(none)") << n;
    }
}

TEST(MidiFile, MissingFileLogsCreateLine) {
    ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
    cMidiFile f("bgm\\none.mid");
    EXPECT_EQ(nullptr, f.Image());
    EXPECT_EQ(0u, f.ImageEventLength());
    EXPECT_EQ("Midi bgm\\none.mid Create ファイルが開けません", LastReportLine());
}

TEST(MidiFile, VariableLengthQuantities) {
    struct Case {
        uint32_t value;
        std::string bytes;
    };
    const Case cases[] = {
        {0, Bytes({0x00})},
        {0x7F, Bytes({0x7F})},
        {0x80, Bytes({0x81, 0x00})},
        {0x3FFF, Bytes({0xFF, 0x7F})},
        {0x4000, Bytes({0x81, 0x80, 0x00})},
        {0x1FFFFF, Bytes({0xFF, 0xFF, 0x7F})},
        {0x200000, Bytes({0x81, 0x80, 0x80, 0x00})},
        {0x0FFFFFFF, Bytes({0xFF, 0xFF, 0xFF, 0x7F})},
    };
    for (const Case& c : cases) {
        uint8_t buf[8] = {};
        ASSERT_EQ(int(c.bytes.size()), cMidiFile::WriteVarLen(buf, c.value)) << c.value;
        EXPECT_EQ(c.bytes, std::string(reinterpret_cast<char*>(buf), c.bytes.size())) << c.value;
        uint32_t back = 0xDEAD;
        EXPECT_EQ(int(c.bytes.size()), cMidiFile::ReadVarLen(buf, &back)) << c.value;
        EXPECT_EQ(c.value, back);
    }
    uint8_t buf[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    EXPECT_EQ(0, cMidiFile::WriteVarLen(buf, 0x10000000));
    EXPECT_EQ(0xAA, buf[0]);
    uint32_t v = 7;
    const uint8_t five[] = {0x81, 0x81, 0x81, 0x81, 0x00};
    EXPECT_EQ(0, cMidiFile::ReadVarLen(five, &v));
    EXPECT_EQ(0, cMidiFile::ReadVarLen(five, &v, 2));  // runs out of bytes
    EXPECT_EQ(7u, v);
}
