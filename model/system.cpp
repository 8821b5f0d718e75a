#include "model/system.h"

#include <initializer_list>

#include "model/datafile.h"

const cString g_SystemPath = "data\\System.dat";
const cString g_SystemDefaultPath = "default\\System.dat";

const char* const g_FontName[] = {
    "System", "Terminal", "FixedSys", "Roman", "Script", "Modern", "Small Fonts", "MS Serif",
    "WST_Czec", "WST_Engl", "WST_Fren", "WST_Germ", "WST_Ital", "WST_Span", "WST_Swed", "Courier",
    "MS Sans Serif", "Marlett", "Arial", "Arial CE", "Arial CYR", "Arial Greek", "Arial TUR",
    "Arial Baltic", "Courier New", "Courier New CE", "Courier New CYR", "Courier New Greek",
    "Courier New TUR", "Courier New Baltic", "Lucida Console", "Lucida Sans Unicode",
    "Times New Roman", "Times New Roman CE", "Times New Roman CYR", "Times New Roman Greek",
    "Times New Roman TUR", "Times New Roman Baltic", "Wingdings", "Symbol", "Verdana",
    "Arial Black", "Comic Sans MS", "Impact", "Georgia", "Franklin Gothic Medium",
    "Palatino Linotype", "Tahoma", "Trebuchet MS", "Webdings", "Estrangelo Edessa", "Gautami",
    "Latha", "Mangal", "MV Boli", "Raavi", "Shruti", "Tunga", "Sylfaen", "ＭＳ ゴシック", "ＭＳ Ｐゴシック",
    "MS UI Gothic", "ＭＳ 明朝", "ＭＳ Ｐ明朝", "Microsoft Sans Serif", "Gulim", "GulimChe", "Dotum",
    "DotumChe", "Batang", "BatangChe", "Gungsuh", "GungsuhChe", "SimSun", "NSimSun", "SimSun-PUA",
    "SimHei", "MingLiU", "PMingLiU", "Arial Narrow", "Book Antiqua", "Bookman Old Style", "Century",
    "Century Gothic", "Garamond", "MS Outlook", "HGｺﾞｼｯｸE", "HGPｺﾞｼｯｸE", "HGSｺﾞｼｯｸE",
    "HG丸ｺﾞｼｯｸM-PRO", "HG創英角ｺﾞｼｯｸUB", "HGP創英角ｺﾞｼｯｸUB", "HGS創英角ｺﾞｼｯｸUB", "HG創英角ﾎﾟｯﾌﾟ体",
    "HGP創英角ﾎﾟｯﾌﾟ体", "HGS創英角ﾎﾟｯﾌﾟ体", "HG正楷書体-PRO", "InMusicSym", "Kartika", "Vrinda", "メイリオ",
    "MT Extra", "HGｺﾞｼｯｸM", "HGPｺﾞｼｯｸM", "HGSｺﾞｼｯｸM", "HG行書体", "HGP行書体", "HGS行書体", "HG教科書体",
    "HGP教科書体", "HGS教科書体", "HG明朝B", "HGP明朝B", "HGS明朝B", "HG明朝E", "HGP明朝E", "HGS明朝E", "HG創英ﾌﾟﾚｾﾞﾝｽEB",
    "HGP創英ﾌﾟﾚｾﾞﾝｽEB", "HGS創英ﾌﾟﾚｾﾞﾝｽEB", "OCRB", "Sydnie", "",
};

const char* const g_ColorMode[] = {"256色(8bit) カラーパレットあり", "1677万色(24bit) カラーパレットなし", ""};

namespace {

const int32_t kDefaultFont = 60;  // "ＭＳ Ｐゴシック"

tBgmCountSource s_BgmCount = nullptr;

// ---------------------------------------------------------------------------
// Default entries of the vectors

const uint8_t kDefaultStock[kStockCount] = {
    1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0-12
    1, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0,     // 13-24
};

const char* const kDefaultTexts[kTextCount] = {
    "ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア",
    "スコア", "残り時間", "クリア時間", "残りHP", "残りSP",
    "ステージに挑む", "やっぱりやめる",
    "セーブする", "やっぱりやめる",
    "オートセーブＯＮ", "オートセーブＯＦＦ", "保存先が不明です！一度は「セーブ」して下さい！",
    "タイトルへ戻る", "やっぱりやめる",
    "しゅうりょう", "つづける", "リトライ",
    "リトライ", "マップへ戻る",
    "Vキーでジャンルの切り替え", "スペースキーでタイトルへ戻る", "スペースキーで終了",
    "F3キーでランキングへ登録",
};

const char* const kTitleMenuTexts[kTitleMenuCount] = {
    "はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう",
};
const char* const kMapMenuTexts[kMapMenuCount] = {"セーブ", "オートセーブ", "もどる", "タイトルへ"};
// The texts of the option menu's items, in the order of the items.
const char* const kOptionMenuTexts[kOptionMenuCount] = {
    "カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる",
};

cVector<uint8_t> DefaultStock() {
    return cVector<uint8_t>(kDefaultStock, kDefaultStock + kStockCount);
}

cVector<cEdStatusItem> DefaultStatusItems() {
    struct Entry {
        const char* label;
        int32_t digits;
    };
    static const Entry kEntries[kStatusItemCount] = {
        {"スコア", 4}, {"スコア", 3}, {"HP", 0}, {"SP", 0}, {"人", 2},
    };
    cVector<cEdStatusItem> v(kStatusItemCount);
    for (int i = 0; i < kStatusItemCount; ++i) {
        v[i].m_Show = 1;
        v[i].m_Symbol = 1;
        v[i].m_Label = kEntries[i].label;
        v[i].m_Digits = kEntries[i].digits;
        v[i].m_ShowNumber = 0;
    }
    return v;
}

cVector<cEdMenuItem> DefaultMenu(const char* const* texts, int count) {
    cVector<cEdMenuItem> v(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) v[i].m_Text = texts[i];
    return v;
}

cVector<cEdGameMode> DefaultRanking() {
    cVector<cEdGameMode> v(kGameModeCount);
    for (int mode = 0; mode < kGameModeCount; ++mode) {
        const uint8_t on = mode < 3 ? 1 : 0;
        v[mode].m_RankingOn = on;
        v[mode].m_RankItems.assign(kRankItemCount, on);
    }
    return v;
}

cVector<cString> DefaultTexts() {
    return cVector<cString>(kDefaultTexts, kDefaultTexts + kTextCount);
}

cVector<cEdIniItem> DefaultIniItems() {
    struct Entry {
        int32_t kind;
        const char* key;
        int32_t value;
    };
    static const Entry kEntries[kIniItemCount] = {
        {0, "WindowMode", 0}, {0, "Bpp", 0}, {0, "VSync", 0}, {0, "ShowFps", 1}, {1, "FreeStage", 0},
    };
    cVector<cEdIniItem> v(kIniItemCount);
    for (int i = 0; i < kIniItemCount; ++i) {
        v[i].m_Kind = kEntries[i].kind;
        v[i].m_Key = kEntries[i].key;
        v[i].m_IntDefault = kEntries[i].value;
        v[i].m_TextDefault = "";
    }
    return v;
}

cVector<int32_t> Ints(std::initializer_list<int32_t> values) {
    return cVector<int32_t>(values);
}

// Brings a vector to its fixed length: missing entries are taken from the
// defaults, surplus ones are dropped.
template <class T>
void FitToDefaults(cVector<T>& v, const cVector<T>& defaults) {
    if (v.size() > defaults.size()) v.resize(defaults.size());
    for (size_t i = v.size(); i < defaults.size(); ++i) v.push_back(defaults[static_cast<int>(i)]);
}

// Inserts x at p; the last entry falls off the end.
template <class T>
void InsertShifting(cVector<T>& v, int p, const T& x) {
    if (p < 0 || static_cast<size_t>(p) >= v.size()) return;
    v.insert(v.begin() + p, x);
    v.pop_back();
}

template <class T>
void ResizeWith(cVector<T>& v, int n, const T& x) {
    v.resize(static_cast<size_t>(n), x);
}

}  // namespace

void SetBgmCountSource(tBgmCountSource source) {
    s_BgmCount = source;
}

// ---------------------------------------------------------------------------
// Element records

cEdStatusItem::cEdStatusItem() {
    Declare(248);
}

void cEdStatusItem::Declare(uint32_t version) {
    ResetDeclare();
    AddInt(&m_Show);
    AddInt(&m_Symbol);
    AddInt(&m_Digits);
    if (version >= 204) AddInt(&m_ShowNumber);
    AddString(&m_Label);
}

void cEdStatusItem::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    if (g_FileVersion < 204) m_ShowNumber = 1;
}

cEdMenuItem::cEdMenuItem() {
    Declare(248);
    SetDefault();
}

void cEdMenuItem::SetDefault() {
    Clear();
    m_Enabled = 1;
}

void cEdMenuItem::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_Enabled);
    AddString(&m_Text);
}

cEdGameMode::cEdGameMode() : m_RankItems(kRankItemCount, 0) {
    Declare(248);
}

void cEdGameMode::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_RankingOn);
}

void cEdGameMode::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    m_RankItems.ReadRaw(f);
}

void cEdGameMode::Write(cRecFile* f) {
    cSerialRecord::Write(f);
    m_RankItems.WriteRaw(f);
}

cEdIniItem::cEdIniItem() {
    Declare(248);
}

void cEdIniItem::Declare(uint32_t) {
    ResetDeclare();
    AddInt(&m_Kind);
    AddInt(&m_IntDefault);
    AddString(&m_Key);
    AddString(&m_TextDefault);
}

// ---------------------------------------------------------------------------
// cEdSystem

cEdSystem::cEdSystem() {
    Declare(248);
    SetDefault();
}

void cEdSystem::SetDefault() {
    Clear();
    m_Title = "";
    m_Stock = DefaultStock();
    m_ExtendOnClear = 0;
    m_ExtendScore = 100;
    m_HideOnPause = 1;
    m_SymbolText = 0;
    m_Font = kDefaultFont;
    m_EvenSpacing = 0;
    m_ReplayKeys = 1;
    m_TestFlowsAlways = 0;
    m_StatusItems = DefaultStatusItems();
    m_TitleImage = 1;
    m_TitleMenu = DefaultMenu(kTitleMenuTexts, kTitleMenuCount);
    m_MapMenu = DefaultMenu(kMapMenuTexts, kMapMenuCount);
    m_OptionMenu = DefaultMenu(kOptionMenuTexts, kOptionMenuCount);
    m_StoryShareLives = 1;
    m_StoryMapAfterDeath = 1;
    m_StoryLivesOnMap = 1;
    m_ChallengeWorlds = 40;
    m_ChallengeAllWorlds = 1;
    m_InitialLives = Ints({5, 5, 5, 99});
    m_InfiniteLives = Ints({1, 1, 1, 1});
    m_Ranking = DefaultRanking();
    m_StoryShowHiScore = 1;
    m_StoryShowTotal = 1;
    m_StoryResetVars = 1;
    m_StoryRetry = 1;
    m_ChallengeShowHiScore = 1;
    m_ChallengeShowTotal = 1;
    m_ChallengeResetVars = 1;
    m_ChallengeRetry = 1;
    m_FreeResetVars = 1;
    m_TestResetVars = 0;
    m_ColorMode = 0;
    m_TransRed = 0;
    m_TransGreen = 0;
    m_TransBlue = 0;
    m_SoundFiles.Reset(kSoundFileCount);
    m_BgmIndex = Ints({0, 0, 0, 0});
    m_BgmLoop.assign(kBgmCount, 1);
    m_Texts = DefaultTexts();
    m_IniItems = DefaultIniItems();
    m_OldAutoScroll = 0;
    m_OldShotImages = 0;
}

void cEdSystem::Declare(uint32_t version) {
    ResetDeclare();
    if (version >= 185) AddInt(&m_ExtendOnClear);
    AddInt(&m_ExtendScore);
    AddInt(&m_HideOnPause);
    AddInt(&m_SymbolText);
    if (version >= 205) AddInt(&m_Font);
    if (version >= 170) AddInt(&m_EvenSpacing);
    if (version >= 113) AddInt(&m_TestFlowsAlways);
    if (version >= 184) AddInt(&m_ReplayKeys);
    if (version >= 157) AddInt(&m_TitleImage);
    AddInt(&m_StoryShareLives);
    if (version >= 191) {
        AddInt(&m_StoryMapAfterDeath);
        AddInt(&m_StoryLivesOnMap);
    }
    AddInt(&m_ChallengeWorlds);
    AddInt(&m_ChallengeAllWorlds);
    if (version >= 167) {
        AddInt(&m_StoryShowHiScore);
        AddInt(&m_StoryShowTotal);
        if (version >= 188) AddInt(&m_StoryResetVars);
        if (version >= 224) AddInt(&m_StoryRetry);
        AddInt(&m_ChallengeShowHiScore);
        AddInt(&m_ChallengeShowTotal);
        if (version >= 188) {
            AddInt(&m_ChallengeResetVars);
            if (version >= 224) AddInt(&m_ChallengeRetry);
            AddInt(&m_FreeResetVars);
        }
        if (version >= 192) AddInt(&m_TestResetVars);
    }
    if (version >= 187) {
        AddInt(&m_ColorMode);
        AddByte(&m_TransRed);
        AddByte(&m_TransGreen);
        AddByte(&m_TransBlue);
    }
    if (version >= 214) AddInt(&m_OldAutoScroll);
    if (version >= 221) AddInt(&m_OldShotImages);
    AddString(&m_Title);
}

void cEdSystem::Read(cRecFile* f) {
    cSerialRecord::Read(f);
    const uint32_t v = g_FileVersion;
    m_Stock.ReadRaw(f);
    ReadVector(m_StatusItems, f);
    m_InitialLives.ReadRaw(f);
    if (v >= 191) m_InfiniteLives.ReadRaw(f);
    if (v >= 186) ReadVector(m_Ranking, f);
    ReadStringVector(m_Texts, f);
    ReadStringVector(m_SoundFiles, f);
    m_BgmIndex.ReadRaw(f);
    if (v >= 202) m_BgmLoop.ReadRaw(f);
    ReadVector(m_TitleMenu, f);
    ReadVector(m_MapMenu, f);
    ReadVector(m_OptionMenu, f);
    ReadVector(m_IniItems, f);

    if (v < 248) {
        if (v < 113) m_TestFlowsAlways = 0;
        if (v < 157) m_TitleImage = 0;
        if (v < 167) {
            m_StoryShowHiScore = 1;
            m_StoryShowTotal = 1;
            m_ChallengeShowHiScore = 1;
            m_ChallengeShowTotal = 1;
        }
        if (v < 168) {
            ResizeWith<uint8_t>(m_Stock, kStockCount, 0);
            InsertShifting<uint8_t>(m_Stock, 16, 1);
        }
        if (v < 169) {
            ResizeWith(m_MapMenu, kMapMenuCount, cEdMenuItem());
            cEdMenuItem autoSave;
            autoSave.m_Enabled = 1;
            autoSave.m_Text = "オートセーブ";
            InsertShifting(m_MapMenu, 1, autoSave);
            ResizeWith(m_Texts, kTextCount, cString());
            InsertShifting(m_Texts, 12, cString("保存先が不明です！一度は「セーブ」して下さい！"));
            InsertShifting(m_Texts, 12, cString("オートセーブＯＦＦ"));
            InsertShifting(m_Texts, 12, cString("オートセーブＯＮ"));
        }
        if (v < 170) m_EvenSpacing = 0;
        if (v < 181) {
            for (size_t mode = 0; mode < m_Ranking.size() && mode < kGameModeCount; ++mode) {
                cVector<uint8_t>& items = m_Ranking[static_cast<int>(mode)].m_RankItems;
                ResizeWith<uint8_t>(items, kRankItemCount, 0);
                items[3] = 0;
                items[4] = 0;
            }
            ResizeWith(m_Texts, kTextCount, cString());
            InsertShifting(m_Texts, 8, cString("残りHP"));
            InsertShifting(m_Texts, 9, cString("残りSP"));
        }
        if (v < 184) m_ReplayKeys = 1;
        if (v < 185) m_ExtendOnClear = 1;
        if (v < 187) {
            m_ColorMode = 0;
            m_TransRed = 0;
            m_TransGreen = 177;
            m_TransBlue = 0;
        }
        if (v < 188) {
            m_StoryResetVars = 1;
            m_ChallengeResetVars = 1;
            m_FreeResetVars = 1;
        }
        if (v < 191) {
            ResizeWith<int32_t>(m_InfiniteLives, kGameModeCount, 0);
            m_InfiniteLives[0] = 0;
            m_InfiniteLives[1] = 0;
            m_InfiniteLives[2] = 0;
            m_InfiniteLives[3] = 1;
            m_StoryMapAfterDeath = 0;
            m_StoryLivesOnMap = 0;
        }
        if (v < 192) m_TestResetVars = 1;
        if (v < 193) {
            ResizeWith(m_Texts, kTextCount, cString());
            InsertShifting(m_Texts, 22, cString("リトライ"));
            InsertShifting(m_Texts, 23, cString("マップへ戻る"));
        }
        if (v < 201) {
            ResizeWith<uint8_t>(m_Stock, kStockCount, 0);
            InsertShifting<uint8_t>(m_Stock, 14, 0);
        }
        if (v < 202) m_BgmLoop.assign(kBgmCount, 1);
        if (v < 205) m_Font = kDefaultFont;
        if (v < 210) {
            ResizeWith<uint8_t>(m_Stock, kStockCount, 0);
            InsertShifting<uint8_t>(m_Stock, 9, 0);
        }
        if (v < 214) m_OldAutoScroll = 1;
        if (v < 221) m_OldShotImages = 0;
        if (v < 224) {
            m_StoryRetry = 0;
            m_ChallengeRetry = 0;
        }
    }

    // Every vector has its fixed length, whatever the file held.
    FitToDefaults(m_Stock, DefaultStock());
    FitToDefaults(m_StatusItems, DefaultStatusItems());
    FitToDefaults(m_InitialLives, Ints({5, 5, 5, 99}));
    FitToDefaults(m_InfiniteLives, Ints({1, 1, 1, 1}));
    FitToDefaults(m_Ranking, DefaultRanking());
    for (cEdGameMode& mode : m_Ranking) ResizeWith<uint8_t>(mode.m_RankItems, kRankItemCount, 0);
    FitToDefaults(m_Texts, DefaultTexts());
    FitToDefaults(m_SoundFiles, cVector<cString>(kSoundFileCount));
    FitToDefaults(m_BgmIndex, Ints({0, 0, 0, 0}));
    FitToDefaults(m_BgmLoop, cVector<uint8_t>(kBgmCount, 1));
    FitToDefaults(m_TitleMenu, DefaultMenu(kTitleMenuTexts, kTitleMenuCount));
    FitToDefaults(m_MapMenu, DefaultMenu(kMapMenuTexts, kMapMenuCount));
    FitToDefaults(m_OptionMenu, DefaultMenu(kOptionMenuTexts, kOptionMenuCount));
    FitToDefaults(m_IniItems, DefaultIniItems());
    // Indexes into the name tables.
    if (m_Font < 0 || m_Font >= kFontNameCount) m_Font = 0;
    if (m_ColorMode < 0 || m_ColorMode > 1) m_ColorMode = 0;
    ValidateBgm();
}

void cEdSystem::Write(cRecFile* f) {
    ValidateBgm();
    cSerialRecord::Write(f);
    m_Stock.WriteRaw(f);
    WriteVector(m_StatusItems, f);
    m_InitialLives.WriteRaw(f);
    m_InfiniteLives.WriteRaw(f);
    WriteVector(m_Ranking, f);
    WriteStringVector(m_Texts, f);
    WriteStringVector(m_SoundFiles, f);
    m_BgmIndex.WriteRaw(f);
    m_BgmLoop.WriteRaw(f);
    WriteVector(m_TitleMenu, f);
    WriteVector(m_MapMenu, f);
    WriteVector(m_OptionMenu, f);
    WriteVector(m_IniItems, f);
}

void cEdSystem::ValidateBgm() {
    const int count = s_BgmCount ? s_BgmCount() : -1;
    for (int32_t& index : m_BgmIndex) {
        if (index < 0 || (count >= 0 && index >= count)) index = 0;
    }
}
