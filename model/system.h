// The game's system settings: title and font, the rules of the game modes,
// extra lives, the stock a player keeps between stages, sound effects and
// music, the status window, the game's menus and texts, and the keys the
// game looks up in its "System.ini". One record, stored as "data\System.dat".
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"

extern const cString g_SystemPath;         // "data\System.dat"
extern const cString g_SystemDefaultPath;  // its copy under "default\"

// Font family names of the game's texts, ended by "".
extern const char* const g_FontName[];
const int kFontNameCount = 122;
// Bitmap colour modes, ended by "".
extern const char* const g_ColorMode[];

// Fixed sizes of the settings' vectors.
const int kStockCount = 25;
const int kStatusItemCount = 5;
const int kGameModeCount = 4;  // story, challenge, free, test play
const int kRankItemCount = 5;
const int kSoundFileCount = 17;
const int kBgmCount = 4;
const int kTextCount = 28;
const int kTitleMenuCount = 7;
const int kMapMenuCount = 4;
const int kOptionMenuCount = 6;
const int kIniItemCount = 5;

// One entry of the status window.
class cEdStatusItem : public cSerialRecord {
public:
    int32_t m_Show = 0;
    int32_t m_Symbol = 0;
    cString m_Label;
    int32_t m_ShowNumber = 0;  // files from 204
    int32_t m_Digits = 0;

    cEdStatusItem();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
};

// One item of a game menu.
class cEdMenuItem : public cSerialRecord {
public:
    int32_t m_Enabled = 0;
    cString m_Text;

    cEdMenuItem();
    void SetDefault();
    void Declare(uint32_t version) override;
};

// The ranking of one game mode.
class cEdGameMode : public cSerialRecord {
public:
    int32_t m_RankingOn = 0;
    // What is ranked: score, time left, clear time, HP left, SP left.
    cVector<uint8_t> m_RankItems;

    cEdGameMode();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
};

// A key of the game's "System.ini" and its default.
class cEdIniItem : public cSerialRecord {
public:
    int32_t m_Kind = 0;  // 0 integer, 1 text
    cString m_Key;
    int32_t m_IntDefault = 0;
    cString m_TextDefault;

    cEdIniItem();
    void Declare(uint32_t version) override;
};

class cEdSystem : public cSerialRecord {
public:
    cString m_Title;
    cVector<uint8_t> m_Stock;
    int32_t m_ExtendOnClear = 0;
    int32_t m_ExtendScore = 0;
    int32_t m_HideOnPause = 0;
    int32_t m_SymbolText = 0;
    int32_t m_Font = 0;  // g_FontName
    int32_t m_EvenSpacing = 0;
    int32_t m_ReplayKeys = 0;
    int32_t m_TestFlowsAlways = 0;
    cVector<cEdStatusItem> m_StatusItems;
    int32_t m_TitleImage = 0;
    cVector<cEdMenuItem> m_TitleMenu;
    cVector<cEdMenuItem> m_MapMenu;
    cVector<cEdMenuItem> m_OptionMenu;
    int32_t m_StoryShareLives = 0;
    int32_t m_StoryMapAfterDeath = 0;
    int32_t m_StoryLivesOnMap = 0;
    int32_t m_ChallengeWorlds = 0;
    int32_t m_ChallengeAllWorlds = 0;
    cVector<int32_t> m_InitialLives;   // per game mode
    cVector<int32_t> m_InfiniteLives;  // per game mode
    cVector<cEdGameMode> m_Ranking;    // per game mode
    int32_t m_StoryShowHiScore = 0;
    int32_t m_StoryShowTotal = 0;
    int32_t m_StoryResetVars = 0;
    int32_t m_StoryRetry = 0;
    int32_t m_ChallengeShowHiScore = 0;
    int32_t m_ChallengeShowTotal = 0;
    int32_t m_ChallengeResetVars = 0;
    int32_t m_ChallengeRetry = 0;
    int32_t m_FreeResetVars = 0;
    int32_t m_TestResetVars = 0;
    int32_t m_ColorMode = 0;  // g_ColorMode
    uint8_t m_TransRed = 0;   // transparent colour of 24-bit bitmaps
    uint8_t m_TransGreen = 0;
    uint8_t m_TransBlue = 0;
    cVector<cString> m_SoundFiles;
    cVector<int32_t> m_BgmIndex;  // records of the database's Bgm table
    cVector<uint8_t> m_BgmLoop;
    cVector<cString> m_Texts;
    cVector<cEdIniItem> m_IniItems;
    int32_t m_OldAutoScroll = 0;
    int32_t m_OldShotImages = 0;

    cEdSystem();
    void SetDefault();
    void Declare(uint32_t version) override;
    void Read(cRecFile* f) override;
    void Write(cRecFile* f) override;
    // Music indexes that name no record of the Bgm table become 0.
    void ValidateBgm();
};

// The number of records of the database's Bgm table, asked by ValidateBgm.
// The owner of the database installs it; without it only negative indexes
// are reset.
typedef int (*tBgmCountSource)();
void SetBgmCountSource(tBgmCountSource source);

extern cEdSystem g_System;
