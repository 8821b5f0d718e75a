#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/log.h"
#include "base/record.h"
#include "tests/support/test_env.h"

namespace {

std::string Bytes(std::initializer_list<int> b) {
    std::string s;
    for (int c : b) s += static_cast<char>(c);
    return s;
}

std::string Int32(int32_t v) {
    std::string s(4, '\0');
    memcpy(&s[0], &v, 4);
    return s;
}

std::string Str(const std::string& text) {
    if (text.empty()) return Int32(1);
    return Int32(static_cast<int32_t>(text.size() + 1)) + text + std::string(1, '\0');
}

// The worked example of the file format: one 32-bit field, one 16-bit field
// and one string.
class cExample : public cSerialRecord {
public:
    int32_t m_Int = 0;
    int16_t m_Short = 0;
    cString m_Text;
    cExample() { SetDefault(); }
    void SetDefault() { Clear(); }
    void Declare(uint32_t) override {
        ResetDeclare();
        AddInt(&m_Int);
        AddShort(&m_Short);
        AddString(&m_Text);
    }
};

// A record whose layout changed over the versions: version 100 files hold a
// 16-bit value that is gone now and lack m_New (added in 200) and m_Name.
class cVersioned : public cSerialRecord {
public:
    int32_t m_A = 0;
    int32_t m_Params[5] = {};
    int32_t m_New = 0;
    double m_Ratio = 0;
    cString m_Name;
    cString m_Note;
    cVersioned() { SetDefault(); }
    void SetDefault() {
        Clear();
        m_New = 77;
        m_Name = "default";
    }
    void Declare(uint32_t version) override {
        ResetDeclare();
        AddInt(&m_A);
        if (version < 200) AddShort(&g_ScratchShort);
        AddInt(m_Params, 5);
        if (version >= 200) AddInt(&m_New);
        AddDouble(&m_Ratio);
        if (version >= 200) AddString(&m_Name);
        if (version < 200) AddString(&g_ScratchString);
        AddString(&m_Note);
    }
};

class cHolder : public cSerialRecord {
public:
    int32_t m_Id = 0;
    cVector<cExample> m_Items;
    cVector<int16_t> m_Raw;
    cHolder() { Clear(); }
    void Declare(uint32_t) override {
        ResetDeclare();
        AddInt(&m_Id);
    }
    void Read(cRecFile* f) override {
        cSerialRecord::Read(f);
        ReadVector(m_Items, f);
        m_Raw.ReadRaw(f);
    }
    void Write(cRecFile* f) override {
        cSerialRecord::Write(f);
        WriteVector(m_Items, f);
        m_Raw.WriteRaw(f);
    }
};

class RecordFiles : public ::testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        CreateReportLog("Report_Editor.txt");
    }
    TestAppWindow app;
};

}  // namespace

TEST_F(RecordFiles, WorkedExampleIsExactBytes) {
    cExample r;
    r.m_Int = 1;
    r.m_Short = 2;
    r.m_Text = "ab";
    ASSERT_EQ(1, r.Save("example.dat"));
    EXPECT_EQ(Bytes({0xF8, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 1, 0, 0, 0, 3, 0, 0, 0, 'a', 'b', 0}),
              ReadWholeFile("example.dat"));
    EXPECT_FALSE(FileExists("example.dat.tmp"));

    cExample back;
    ASSERT_EQ(1, back.Load("example.dat"));
    EXPECT_EQ(1, back.m_Int);
    EXPECT_EQ(2, back.m_Short);
    EXPECT_EQ("ab", back.m_Text);
    EXPECT_EQ(1, cSerialRecord::IsSameRecord(r, back));
}

TEST_F(RecordFiles, EmptyStringAndStringCutAtNul) {
    cExample r;
    r.m_Text = std::string("ab\0cd", 5);
    ASSERT_EQ(1, r.Save("cut.dat"));
    EXPECT_EQ("ab", r.m_Text);  // the record keeps what was written
    EXPECT_EQ(Int32(248) + Int32(2) + Int32(0) + std::string(2, '\0') + Int32(1) + Str("ab"),
              ReadWholeFile("cut.dat"));
    r.m_Text.clear();
    ASSERT_EQ(1, r.Save("empty.dat"));
    EXPECT_EQ(Int32(248) + Int32(2) + Int32(0) + std::string(2, '\0') + Int32(1) + Int32(1),
              ReadWholeFile("empty.dat"));
}

TEST_F(RecordFiles, OlderVersionFillsOnlyItsFields) {
    // A version-100 file: m_A, the dropped 16-bit value, five params, the
    // ratio; then the dropped string and the note.
    double ratio = 0.5;
    std::string ratioBytes(8, '\0');
    memcpy(&ratioBytes[0], &ratio, 8);
    std::string file = Int32(100) + Int32(4) + Int32(11) + Bytes({0x34, 0x12}) + Int32(1) + Int32(2) +
                       Int32(3) + Int32(4) + Int32(5) + ratioBytes + Int32(2) + Str("dropped") + Str("note");
    ASSERT_TRUE(WriteWholeFile("old.dat", file));

    cVersioned r;
    ASSERT_EQ(1, r.Load("old.dat"));
    EXPECT_EQ(100u, g_FileVersion);
    EXPECT_EQ(11, r.m_A);
    EXPECT_EQ(5, r.m_Params[4]);
    EXPECT_EQ(0.5, r.m_Ratio);
    EXPECT_EQ(77, r.m_New);           // added later: keeps its default
    EXPECT_EQ("default", r.m_Name);
    EXPECT_EQ("note", r.m_Note);
    EXPECT_EQ(248u, r.DeclaredVersion());  // laid out for the current version again
    EXPECT_EQ(4, r.FieldCount());
    EXPECT_EQ(2, r.StringCount());

    // Written as that version again: the dropped value as zeros between the
    // fields around it, the dropped string empty.
    SetDataVersion(100, 0);
    const int saved = r.Save("old_again.dat");
    SetDataVersion(248, 0);
    ASSERT_EQ(1, saved);
    EXPECT_EQ(Int32(100) + Int32(4) + Int32(11) + Bytes({0, 0}) + Int32(1) + Int32(2) + Int32(3) + Int32(4) +
                  Int32(5) + ratioBytes + Int32(2) + Int32(1) + Str("note"),
              ReadWholeFile("old_again.dat"));
}

TEST_F(RecordFiles, IsSameRecordSeesEveryFieldAndString) {
    cVersioned a, b;
    EXPECT_EQ(1, cSerialRecord::IsSameRecord(a, b));
    b.m_Params[4] = 1;
    EXPECT_EQ(0, cSerialRecord::IsSameRecord(a, b));
    b = a;
    EXPECT_EQ(1, cSerialRecord::IsSameRecord(a, b));
    b.m_Note = "x";
    EXPECT_EQ(0, cSerialRecord::IsSameRecord(a, b));
}

TEST_F(RecordFiles, CopiesDescribeTheirOwnMembers) {
    cVersioned a;
    a.m_A = 5;
    a.m_Note = "n";
    cVersioned copy(a);
    for (int i = 0; i < copy.FieldCount(); ++i) {
        cFieldEntry e = copy.FieldEntry(i);
        EXPECT_EQ(&copy, e.owner);
        EXPECT_GE(static_cast<char*>(e.data), reinterpret_cast<char*>(&copy));
        EXPECT_LT(static_cast<char*>(e.data), reinterpret_cast<char*>(&copy + 1));
    }
    EXPECT_EQ(&copy.m_Note, copy.StringEntry(1).text);

    cVersioned assigned;
    assigned = a;
    EXPECT_EQ(&assigned.m_A, assigned.FieldEntry(0).data);
    assigned.Clear();
    EXPECT_EQ(5, a.m_A);  // clearing the copy leaves the source alone
    EXPECT_EQ("n", a.m_Note);

    cVersioned target;
    target.CopyData(a);
    EXPECT_EQ(1, cSerialRecord::IsSameRecord(a, target));
}

TEST_F(RecordFiles, VectorsOfRecordsAndRawValues) {
    cHolder h;
    h.m_Id = 4;
    h.m_Items.resize(3);
    h.m_Items[2].m_Text = "third";
    h.m_Raw.assign({1, -1});
    ASSERT_EQ(1, h.Save("holder.dat"));

    cHolder back;
    back.m_Raw.assign({9, 9, 9, 9});
    ASSERT_EQ(1, back.Load("holder.dat"));
    ASSERT_EQ(3u, back.m_Items.size());
    EXPECT_EQ("third", back.m_Items[2].m_Text);
    EXPECT_EQ((std::vector<int16_t>{1, -1}), std::vector<int16_t>(back.m_Raw.begin(), back.m_Raw.end()));

    cHolder empty;
    ASSERT_EQ(1, empty.Save("empty.dat"));
    ASSERT_EQ(1, back.Load("empty.dat"));
    EXPECT_TRUE(back.m_Items.empty());
}

TEST_F(RecordFiles, WholeFileVectorShrinksOnRead) {
    cVector<cExample> two(2);
    two[1].m_Int = 42;
    ASSERT_EQ(1, SaveVector(two, "vec.dat"));
    EXPECT_EQ(Int32(248) + Int32(2), ReadWholeFile("vec.dat").substr(0, 8));

    cVector<cExample> three(3);
    three[0].m_Text = "kept?";
    ASSERT_EQ(1, LoadVector(three, "vec.dat"));
    ASSERT_EQ(2u, three.size());
    EXPECT_EQ(42, three[1].m_Int);
    EXPECT_EQ("", three[0].m_Text);
}

TEST_F(RecordFiles, OpenReadOfEmptyPathTriesErr) {
    cExample r;
    r.m_Int = 3;
    ASSERT_EQ(1, r.Save("err"));
    cRecFile* f = OpenRead("");
    ASSERT_NE(nullptr, f);
    CloseFile(f);
}

// Broken files never crash, never corrupt the record and never report success.
TEST_F(RecordFiles, BrokenFilesFailCleanly) {
    const std::string good = Int32(248) + Int32(2) + Int32(1) + Bytes({2, 0}) + Int32(1) + Str("ab");
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"shorter than the version word", Bytes({0xF8, 0})},
        {"cut inside the fields", good.substr(0, 11)},
        {"cut inside a string", good.substr(0, good.size() - 2)},
        {"cut before the string count", good.substr(0, 14)},
        {"more fields than declared", Int32(248) + Int32(3) + Int32(1) + Bytes({2, 0}) + Int32(9) + Int32(0)},
        {"negative field count", Int32(248) + Int32(-1) + Int32(0)},
        {"more strings than declared", Int32(248) + Int32(2) + Int32(1) + Bytes({2, 0}) + Int32(2) + Str("a") + Str("b")},
        {"huge string length", Int32(248) + Int32(2) + Int32(1) + Bytes({2, 0}) + Int32(1) + Int32(0x7FFFFFF0)},
        {"zero string length", Int32(248) + Int32(2) + Int32(1) + Bytes({2, 0}) + Int32(1) + Int32(0)},
        {"negative string length", Int32(248) + Int32(2) + Int32(1) + Bytes({2, 0}) + Int32(1) + Int32(-5)},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteWholeFile("broken.dat", c.bytes));
        cExample r;
        r.m_Int = 7;
        r.m_Short = 8;
        r.m_Text = "keep";
        EXPECT_EQ(0, r.Load("broken.dat")) << c.what;
        EXPECT_EQ(7, r.m_Int) << c.what;
        EXPECT_EQ(8, r.m_Short) << c.what;
        EXPECT_EQ("keep", r.m_Text) << c.what;
    }
    EXPECT_FALSE(app.TakeCloseRequest());
}

TEST_F(RecordFiles, BrokenVectorCountsFailCleanly) {
    const std::string cases[] = {
        Int32(248) + Int32(1000000),                         // more records than bytes
        Int32(248) + Int32(-3),                              // negative
        Int32(248) + Int32(2) + Int32(1) + Int32(5) + Bytes({0, 0}) + Int32(0),  // second record missing
    };
    for (const std::string& bytes : cases) {
        ASSERT_TRUE(WriteWholeFile("vec.dat", bytes));
        cVector<cExample> v(1);
        v[0].m_Int = 5;
        EXPECT_EQ(0, LoadVector(v, "vec.dat"));
        ASSERT_EQ(1u, v.size());
        EXPECT_EQ(5, v[0].m_Int);
    }
    // A raw vector count larger than the file
    ASSERT_TRUE(WriteWholeFile("raw.dat", Int32(248) + Int32(0) + Int32(0) + Int32(0x40000000) + Int32(1)));
    cHolder h;
    h.m_Raw.assign({3});
    EXPECT_EQ(0, h.Load("raw.dat"));
    EXPECT_EQ(1u, h.m_Raw.size());
}

// The files of a folder, by name.
std::vector<std::string> FolderFiles(const char* folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(RecordFiles, FailedSaveKeepsTheOldFile) {
    std::filesystem::create_directory("keep");
    cExample r;
    r.m_Int = 1;
    ASSERT_EQ(1, r.Save("keep\\keep.dat"));
    const std::string before = ReadWholeFile("keep\\keep.dat");
    EXPECT_EQ(0, r.Save("no such folder\\x.dat"));
#ifdef _WIN32
    // The target cannot be replaced while it is open without sharing its
    // deletion: the old file stays, and no temporary file is left behind.
    FILE* held = fopen("keep\\keep.dat", "rb");
    ASSERT_NE(nullptr, held);
    r.m_Int = 2;
    EXPECT_EQ(0, r.Save("keep\\keep.dat"));
    cVector<cExample> v(1);
    EXPECT_EQ(0, SaveVector(v, "keep\\keep.dat"));
    fclose(held);
    EXPECT_EQ(before, ReadWholeFile("keep\\keep.dat"));
#endif
    EXPECT_EQ(std::vector<std::string>{"keep.dat"}, FolderFiles("keep"));
}

TEST_F(RecordFiles, SaveLeavesOtherFilesOfTheFolderAlone) {
    // A file that happens to carry the target's name plus ".tmp" is not the
    // save's to overwrite or delete.
    std::filesystem::create_directory("own");
    ASSERT_TRUE(WriteWholeFile("own/a.dat.tmp", "mine"));
    cExample r;
    r.m_Int = 5;
    ASSERT_EQ(1, r.Save("own\\a.dat"));
    ASSERT_EQ(1, r.Save("own\\a.dat"));
    EXPECT_EQ("mine", ReadWholeFile("own/a.dat.tmp"));
    EXPECT_EQ((std::vector<std::string>{"a.dat", "a.dat.tmp"}), FolderFiles("own"));
}

#ifdef _WIN32
TEST_F(RecordFiles, TargetNearThePathLimitStillSaves) {
    // A folder deep enough that the full path of the target is 255
    // characters: nothing longer than its name may be added to it.
    const size_t n = std::filesystem::current_path().string().size();
    ASSERT_GT(n, 0u);
    std::string folder = "deep";
    const size_t name = 9;  // "\\file.dat"
    while (n + 1 + folder.size() + 1 + name < 255) folder += "x";
    const size_t room = 255 - (n + 1 + folder.size() + 1);
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string target = folder + "\\" + std::string(room - 4, 'f') + ".dat";
    ASSERT_EQ(255u, n + 1 + target.size());
    cExample r;
    r.m_Int = 9;
    ASSERT_EQ(1, r.Save(target.c_str()));
    cExample back;
    ASSERT_EQ(1, back.Load(target.c_str()));
    EXPECT_EQ(9, back.m_Int);
    EXPECT_EQ(1u, FolderFiles(folder.c_str()).size());
}

TEST_F(RecordFiles, TemporaryFileGoesToTheTargetsFolderWhateverItsName) {
    // The second byte of "表" and "ソ" is the value of a backslash; neither
    // ends a folder name. A forward slash does.
    ASSERT_TRUE(CreateFolder("jp"));
    ASSERT_TRUE(CreateFolder("jp\\ソフト"));
    const char* const targets[] = {"jp\\表.dat", "jp\\ソフト\\表ソ.dat", "jp/ソフト/fwd.dat"};
    for (const char* target : targets) {
        SCOPED_TRACE(target);
        cExample r;
        r.m_Int = 11;
        ASSERT_EQ(1, r.Save(target));
        cExample back;
        ASSERT_EQ(1, back.Load(target));
        EXPECT_EQ(11, back.m_Int);
    }
    EXPECT_EQ(2u, FolderFiles("jp").size());
}
#endif

TEST_F(RecordFiles, LongStringsAreCutWhenWritten) {
    cExample r;
    r.m_Text.assign(6000, 'x');
    ASSERT_EQ(1, r.Save("long.dat"));
    EXPECT_EQ(static_cast<size_t>(kMaxRecordString), r.m_Text.size());
    cExample back;
    ASSERT_EQ(1, back.Load("long.dat"));
    EXPECT_EQ(r.m_Text, back.m_Text);
}

// A file is read a block at a time, and a record's fields are taken from the
// block in one piece where they lie in it: records, counts and strings that
// cross from one block to the next read as they do from memory, for every
// field count a file may store and for an older version's layout.
TEST_F(RecordFiles, RecordsReadTheSameAcrossReadBlocks) {
    double ratio = 2.25;
    std::string ratioBytes(8, '\0');
    memcpy(&ratioBytes[0], &ratio, 8);
    const std::string params = Int32(1) + Int32(-2) + Int32(3) + Int32(-4) + Int32(5);
    const std::string note(40, 'n');  // longer than a string keeps in itself
    struct Case {
        const char* what;
        uint32_t version;
        std::string record;  // one stored record
        int32_t a, param4, fresh;
        double ratio;
        const char* name;
    };
    const Case cases[] = {
        {"every field", 248,
         Int32(4) + Int32(11) + params + Int32(12) + ratioBytes + Int32(2) + Str("name") + Str(note), 11, 5, 12,
         2.25, "name"},
        {"three fields", 248, Int32(3) + Int32(11) + params + Int32(12) + Int32(1) + Str("name"), 11, 5, 12, 0,
         "name"},
        {"two fields", 248, Int32(2) + Int32(11) + params + Int32(0), 11, 5, 77, 0, "default"},
        {"version 100", 100,
         Int32(4) + Int32(11) + Bytes({0x34, 0x12}) + params + ratioBytes + Int32(2) + Str("gone") + Str(note), 11, 5,
         77, 2.25, "default"},
    };
    const size_t kRecords = 3;
    for (const Case& c : cases) {
        const std::string records = Int32(static_cast<int32_t>(kRecords)) + c.record + c.record + c.record;
        // the records start `shift` bytes before the end of the first block:
        // every place in the counts, then steps through the fields and strings
        for (size_t shift = 0; shift <= c.record.size() + 8; shift += shift < 8 ? 1 : 7) {
            const size_t before = 4 + 4;  // the version word and the padding's count
            const size_t pad = cRecFile::kBufferSize - before - shift;
            const std::string file = Int32(static_cast<int32_t>(c.version)) + Int32(static_cast<int32_t>(pad)) +
                                     std::string(pad, '\x5a') + records;
            ASSERT_TRUE(WriteWholeFile("blocks.dat", file));
            for (int fromMemory = 0; fromMemory < 2; ++fromMemory) {
                SCOPED_TRACE(std::string(c.what) + ", shift " + std::to_string(shift) +
                             (fromMemory ? ", from memory" : ", from the file"));
                cRecFile* f = fromMemory ? OpenReadBuffer(file.data(), file.size()) : OpenRead("blocks.dat");
                ASSERT_NE(nullptr, f);
                cVector<int8_t> padding;
                padding.ReadRaw(f);
                cVector<cVersioned> v;
                v.Read(f);
                EXPECT_EQ(0u, f->Remaining());
                ASSERT_TRUE(CloseFile(f));
                ASSERT_EQ(pad, padding.size());
                ASSERT_EQ(kRecords, v.size());
                for (const cVersioned& r : v) {
                    EXPECT_EQ(c.a, r.m_A);
                    EXPECT_EQ(-2, r.m_Params[1]);
                    EXPECT_EQ(c.param4, r.m_Params[4]);
                    EXPECT_EQ(c.fresh, r.m_New);
                    EXPECT_EQ(c.ratio, r.m_Ratio);
                    EXPECT_EQ(c.name, r.m_Name);
                }
                if (c.record.find(note) != std::string::npos) {
                    EXPECT_EQ(note, v[2].m_Note);
                }
            }
            // cut inside the last record: the read fails, whatever the block
            ASSERT_TRUE(WriteWholeFile("blocks.dat", file.substr(0, file.size() - 3)));
            cRecFile* f = OpenRead("blocks.dat");
            ASSERT_NE(nullptr, f);
            cVector<int8_t> padding;
            padding.ReadRaw(f);
            cVector<cVersioned> v;
            v.Read(f);
            EXPECT_FALSE(CloseFile(f)) << c.what << ", shift " << shift;
        }
    }
}

// A count written ahead of what it counts is filled in afterwards: in the
// write buffer, in bytes already gone out to the file (also the last bytes
// of a full buffer), and in a memory file. The rest of the file stays as it
// was written, and nothing goes in once the file is closed.
TEST_F(RecordFiles, CountsFilledInLaterLandWhereverTheirBytesAre) {
    const size_t block = cRecFile::kBufferSize;
    struct Case {
        const char* what;
        bool toMemory;
        size_t before;  // bytes written ahead of the count, the version word included
        size_t after;   // bytes written after it, in pieces of at most piece bytes
        size_t piece;
    };
    const Case cases[] = {
        {"still in the buffer", false, 4, 100, 100},
        {"gone out", false, 4, 3 * block, 4096},
        {"the last bytes of a full buffer", false, block - 4, 10, 10},
        {"followed by a piece larger than the buffer", false, 4, 2 * block + 5, 2 * block + 5},
        {"in memory", true, 4, 3 * block, 4096},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        cRecFile* f = c.toMemory ? cRecFile::OpenMemoryWrite() : OpenWrite("patched.dat");
        ASSERT_NE(nullptr, f);
        std::string expect;
        if (c.toMemory) {
            f->WriteZeros(4);
            expect = std::string(4, '\0');
        } else {
            expect = Int32(static_cast<int32_t>(g_DataVersion));
        }
        const std::string lead(c.before - 4, 'a');
        f->WriteBytes(lead.data(), lead.size());
        expect += lead;
        const uint64_t at = f->WritePos();
        ASSERT_EQ(c.before, at);
        f->WriteInt(0);
        expect += Int32(0x01020304);
        size_t left = c.after;
        for (char fill = 'b'; left > 0; fill = fill == 'z' ? 'b' : static_cast<char>(fill + 1)) {
            const std::string bytes(std::min(left, c.piece), fill);
            f->WriteBytes(bytes.data(), bytes.size());
            expect += bytes;
            left -= bytes.size();
        }
        EXPECT_TRUE(f->PatchInt(at, 0x01020304));
        // a patch past the bytes written fails the file
        if (c.toMemory) {
            EXPECT_TRUE(f->MemoryData() == expect);
            EXPECT_FALSE(f->PatchInt(f->WritePos() - 3, 1));
            EXPECT_TRUE(f->Failed());
            delete f;
            continue;
        }
        f->WriteInt(7);
        expect += Int32(7);
        ASSERT_TRUE(f->Close());
        EXPECT_FALSE(f->WriteInt(8));
        EXPECT_EQ(nullptr, f->TakeRoom(4));
        delete f;
        EXPECT_TRUE(ReadWholeFile("patched.dat") == expect);
    }
    cRecFile* f = OpenWrite("patched.dat");
    ASSERT_NE(nullptr, f);
    EXPECT_FALSE(f->PatchInt(2, 1));
    // a failed file takes nothing more, not even nothing
    EXPECT_FALSE(f->WriteBytes("", 0));
    EXPECT_FALSE(CloseFile(f));
}
