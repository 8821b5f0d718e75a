// The project database: ten tables of named entries that definitions,
// commands, stages and the system settings refer to by index. Each table is
// kept in a file of its own under "data\database\", with a fallback copy
// under "default\database\".
//
// In every table but AnimeSet and SwordType entry 0 is reserved and means
// none. Fields marked "from N" in the declarations are held only by files of
// version N and later; the Read of a record converts what older files hold.
#pragma once

#include "model/db_table.h"

#include <cstdint>

#include "base/record.h"
#include "model/effect_tables.h"

// One frame of an animation.
class cEdAnimeFrame : public cSerialRecord {
public:
    int32_t m_Cell = 0;        // cell number in the graphic
    int32_t m_Time = 0;        // display time, tenths of a second
    int32_t m_RunCommand = 0;  // the frame runs a command

    cEdAnimeFrame() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
};

// An entry of the Anime table.
class cEdAnime : public cSerialRecord {
public:
    cString m_Name;
    cVector<cEdAnimeFrame> m_Frames;
    int16_t m_SampleNo = 0;    // sample graphic of the preview
    uint8_t m_SampleKind = 0;  // graphic sheet of the sample
    int16_t m_SampleCell = 0;  // cell of the sample at which frame cells start

    cEdAnime() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
};

// An entry of the AnimeSet table: a character's basic animations.
class cEdAnimeSet : public cSerialRecord {
public:
    static const int kSlotCount = 4;  // standing, walking, flying, flying and moving

    cString m_Name;
    int32_t m_InvincibleShift = 0;  // cell offsets while invincible,
    int32_t m_BlockShift = 0;       // blocking
    int32_t m_FlyShift = 0;         // and flying
    cVector<cEdAnime> m_Animes;

    cEdAnimeSet() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
};

// An entry of the Bmp_CharaExc table: a bitmap dedicated to characters.
class cEdBmpCharaExc : public cSerialRecord {
public:
    cString m_Name;
    int32_t m_SameAsFile = 0;  // the name follows the file name
    cString m_File;
    int32_t m_Giant = 0;       // the bitmap holds a giant character
    int32_t m_GiantSize = 0;   // side of its cell in blocks of 32 pixels

    cEdBmpCharaExc() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
};

// One position of a sword swing.
class cEdSwordPos : public cSerialRecord {
public:
    int32_t m_OffsetX = 0;
    int32_t m_OffsetY = 0;
    int32_t m_FlipX = 0;      // mirror the X offset when facing right
    int32_t m_FlipY = 0;      // mirror the Y offset when facing right
    int32_t m_Direction = 0;  // attack direction, see SwordDirectionName
    int32_t m_SrcX = 0;       // source rectangle in the bitmap
    int32_t m_SrcY = 0;
    int32_t m_Width = 0;
    int32_t m_Height = 0;
    int32_t m_Time = 0;       // display time, tenths of a second

    cEdSwordPos() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
};

// Attack direction names "前", "後", "上", "下", ended by "".
extern const cString g_SwordDirectionName[5];
// The name of a stored direction; "" for one outside the table.
const cString& SwordDirectionName(int direction);

// An entry of the SwordType table.
class cEdSwordType : public cSerialRecord {
public:
    cString m_Name;
    int32_t m_SameAsFile = 0;
    cString m_FileLeft;   // bitmap for facing left
    cString m_FileRight;  // bitmap for facing right
    cVector<cEdSwordPos> m_Positions;

    cEdSwordType() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
};

// One frame of an effect.
class cEdEffectFrame : public cSerialRecord {
public:
    int32_t m_Cell = 0;
    int32_t m_Time = 0;  // display time, tenths of a second

    cEdEffectFrame() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
};

// An entry of the Effect table.
class cEdEffect : public cSerialRecord {
public:
    cString m_Name;
    int32_t m_SameAsFile = 0;
    cString m_File;
    int32_t m_Width = 0;   // cell size in pixels
    int32_t m_Height = 0;
    int32_t m_AllowEnlarge = 0;
    cVector<cEdEffectFrame> m_Frames;

    cEdEffect() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
};

// An entry of the CharaEffect or the ScrEffect table: a kind of effect_tables.h
// and its five parameters.
class cEdKindEffect : public cSerialRecord {
public:
    cString m_Name;
    int32_t m_Kind = 0;
    int32_t m_Param[kEffectParamCount] = {};

    cEdKindEffect() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
};

class cEdCharaEffect : public cEdKindEffect {};
class cEdScrEffect : public cEdKindEffect {};

// An entry that names a file: the Picture, Sound and Bgm tables.
class cEdFileEntry : public cSerialRecord {
public:
    cString m_Name;
    int32_t m_SameAsFile = 0;
    cString m_File;

    cEdFileEntry() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
};

class cEdPicture : public cEdFileEntry {};
class cEdSound : public cEdFileEntry {};
class cEdBgm : public cEdFileEntry {};


// "data\database\<table>.dat" and "default\database\<table>.dat".
extern const cString g_DatabasePath[kDatabaseTableCount];
extern const cString g_DatabaseDefaultPath[kDatabaseTableCount];
// Entries of a default table: 1 for AnimeSet and SwordType, else 2 (entry 0
// reserved).
int DatabaseDefaultCount(int table);

class cEdDatabase : public cSerialRecord {
public:
    cVector<cEdAnimeSet> m_AnimeSet;
    cVector<cEdAnime> m_Anime;
    cVector<cEdBmpCharaExc> m_BmpCharaExc;
    cVector<cEdSwordType> m_SwordType;
    cVector<cEdEffect> m_Effect;
    cVector<cEdCharaEffect> m_CharaEffect;
    cVector<cEdScrEffect> m_ScrEffect;
    cVector<cEdPicture> m_Picture;
    cVector<cEdSound> m_Sound;
    cVector<cEdBgm> m_Bgm;

    cEdDatabase() { SetDefault(); }
    void SetDefault();
    void Declare(uint32_t version) override;

    // Loads every table from "data\", else from "default\", else keeps its
    // defaults; a table missing under "data\" is written there at once.
    // Returns 1.
    int Load();
    // Writes every table to "data\". A table whose file cannot be written
    // keeps its old file whole and is skipped; false when any was, with the
    // tables' numbers appended to failed when given.
    bool Save(cVector<int>* failed = nullptr);
    // Entry 0 of the two effect tables is no effect.
    void FixFirstEntries();
    // Running time of a sword type: the sum of its position times, at most
    // 9999.
    int16_t GetSwordTime(int16_t index);

    // Calls f(table, index) for each table in table order.
    template <class F>
    void ForEachTable(F&& f) {
        f(m_AnimeSet, kTableAnimeSet);
        f(m_Anime, kTableAnime);
        f(m_BmpCharaExc, kTableBmpCharaExc);
        f(m_SwordType, kTableSwordType);
        f(m_Effect, kTableEffect);
        f(m_CharaEffect, kTableCharaEffect);
        f(m_ScrEffect, kTableScrEffect);
        f(m_Picture, kTablePicture);
        f(m_Sound, kTableSound);
        f(m_Bgm, kTableBgm);
    }

private:
    void PadTables();
};

extern cEdDatabase g_Database;
