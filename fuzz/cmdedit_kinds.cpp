// The command texts and the expression check over arbitrary input: the
// commands of a file of commands, each also shown as every kind of both
// sets (so that any parameters meet any kind), and codes of any bytes.
#include <string>

#include "cmdedit/cmd_summary.h"
#include "cmdedit/expr.h"
#include "fuzz/fuzz_kinds.h"
#include "model/database.h"
#include "model/palette.h"
#include "model/stage.h"

namespace {

// A few named records in every table the texts read, so that names are
// found as well as missed.
void SmallProject() {
    static bool done = false;
    if (done) return;
    done = true;
    g_CommonPalette.m_Blocks.resize(3);
    g_CommonPalette.m_Charas.resize(3);
    g_CommonPalette.m_Items.resize(3);
    g_Stage.m_PalBlocks.resize(2);
    g_Stage.m_PalCharas.resize(2);
    g_Stage.m_PalItems.resize(2);
    g_GValInfo.resize(4);
    g_Stage.m_Vars.resize(4);
    cEdDatabase& db = g_Database;
    db.m_AnimeSet.resize(2);
    db.m_Anime.resize(3);
    db.m_Anime[2].m_Frames.resize(3);
    db.m_SwordType.resize(2);
    db.m_Effect.resize(3);
    db.m_Effect[2].m_Frames.resize(2);
    db.m_CharaEffect.resize(2);
    db.m_ScrEffect.resize(2);
    db.m_Picture.resize(2);
    db.m_Sound.resize(2);
    db.m_Bgm.resize(2);
}

void ShowAllKinds(const cEdCommand& cmd) {
    CmdSummaryText(cmd);
    cEdCommand other(cmd);
    for (int set = 0; set <= 1; ++set) {
        other.m_nCmdSet = static_cast<int8_t>(set);
        for (int kind = -1; kind <= kCmdKindCount; ++kind) {
            other.m_nKind = static_cast<int8_t>(kind);
            CmdSummaryText(other);
        }
    }
    for (const cEdFlow& flow : cmd.m_Flows) {
        for (const cEdCommand& inner : flow.m_Commands) ShowAllKinds(inner);
    }
}

void LoadCommandTexts(const uint8_t* data, size_t size) {
    SmallProject();
    cVector<cEdCommand> commands;
    cRecFile* f = OpenReadBuffer(data, size);
    if (!f) return;
    commands.Read(f);
    CloseFile(f);
    for (const cEdCommand& cmd : commands) ShowAllKinds(cmd);
}

// Commands of several kinds with their move and shot records.
std::string SeedCommandTexts() {
    cVector<cEdCommand> commands(6);
    const int kinds[] = {2, 11, 19, 22, 27, 36};
    for (int i = 0; i < 6; ++i) {
        commands[i].m_nKind = static_cast<int8_t>(kinds[i]);
        commands[i].Validate();
    }
    NewShared(commands[0].m_spMove);
    commands[2].m_Text = "やあ";
    commands[5].m_Text = "hp = rand(0,5) * ( sp + 1 )";
    return FuzzFileOf(commands);
}

// The first byte seeds the random draws, the rest is the code.
void CheckCodeBytes(const uint8_t* data, size_t size) {
    if (size < 1) return;
    unsigned seed = data[0];
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    cExprCheck check = CheckExpr(cString(text), [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) & 0x7FFF);
    });
    (void)check;
}

std::string SeedCode() {
    return std::string("\x05") + "C1 = ( rand(0,5) + my.hp * 2 ) / ( tg.v3 - 1 ) % 7";
}

}  // namespace

FUZZ_KIND("command-texts", LoadCommandTexts, SeedCommandTexts);
FUZZ_KIND("expression", CheckCodeBytes, SeedCode);
