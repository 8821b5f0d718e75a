#include "cmdedit/cmd_pages.h"

#include "cmdedit/cmdpage_code.h"
#include "cmdedit/cmdpage_move.h"
#include "cmdedit/cmdpage_plain.h"
#include "cmdedit/cmdpage_plain_res.h"
// Jump, shot and sword pages; summon and flow operation pages.
#include "cmdedit/cmdpage_flowop.h"
#include "cmdedit/cmdpage_jump.h"
#include "cmdedit/cmdpage_shot.h"
#include "cmdedit/cmdpage_summon.h"
#include "cmdedit/cmdpage_sword.h"
// Stage clear, game wait, message, warp and target pages.
#include "cmdedit/cmdpage_message.h"
#include "cmdedit/cmdpage_stage.h"
#include "cmdedit/cmdpage_target.h"
#include "cmdedit/cmdpage_warp.h"
// Status operation, item get and graphic change pages.
#include "cmdedit/cmdpage_getitem.h"
#include "cmdedit/cmdpage_graphic.h"
#include "cmdedit/cmdpage_status.h"
#include "cmdedit/cmdpage_status2.h"
// Presentation pages: animation sets, animations, effects, pictures.
#include "cmdedit/cmdpage_anime.h"
#include "cmdedit/cmdpage_effect.h"
#include "cmdedit/cmdpage_picture.h"
// Screen colour, background, sound effect and music pages.
#include "cmdedit/cmdpage_back.h"
#include "cmdedit/cmdpage_color.h"
#include "cmdedit/cmdpage_sound.h"

// Pages of the individual kinds: one include and one table row each.

namespace {

struct cCmdPageEntry {
    int m_nKind;
    CmdPageFactory m_lpMake;
};

// kind -> page class
const cCmdPageEntry kPages[] = {
    {1, MakeCmdPage<cCmdDlgWait>},
    {2, MakeCmdPage<cCmdDlgLineMove>},
    {3, MakeCmdPage<cCmdDlgGroundTurnMove>},
    {4, MakeCmdPage<cCmdDlgCircleMove>},
    {5, MakeCmdPage<cCmdDlgRushMove>},
    {6, MakeCmdPage<cCmdDlgHomingMove>},
    {7, MakeCmdPage<cCmdDlgScreenAvoidMove>},
    {8, MakeCmdPage<cCmdDlgMoveDisable>},
    {9, MakeCmdPage<cCmdDlgTurn>},
    // jump, shot and sword; summons and flow operation
    {10, MakeCmdPage<cCmdDlgJump>},
    {11, MakeCmdPage<cCmdDlgShot>},
    {12, MakeCmdPage<cCmdDlgSword>},
    {13, MakeCmdPage<cCmdDlgSummonBlock>},
    {14, MakeCmdPage<cCmdDlgSummonChara>},
    {15, MakeCmdPage<cCmdDlgSummonItem>},
    {16, MakeCmdPage<cCmdDlgFlowOp>},
    // stage clear, game wait, message, warp and target
    {17, MakeCmdPage<cCmdDlgStageClear>},
    {18, MakeCmdPage<cCmdDlgGameWait>},
    {19, MakeCmdPage<cCmdDlgMessage>},
    {20, MakeCmdPage<cCmdDlgWarp>},
    {21, MakeCmdPage<cCmdDlgTarget>},
    // status operations, item get and graphic change
    {22, MakeCmdPage<cCmdDlgStatus>},
    {23, MakeCmdPage<cCmdDlgStatus2>},
    {24, MakeCmdPage<cCmdDlgGetItem>},
    {25, MakeCmdPage<cCmdDlgGraphic>},
    // presentation: animation set, animation, effects, picture
    {26, MakeCmdPage<cCmdDlgAnimeSet>},
    {27, MakeCmdPage<cCmdDlgAnime>},
    {28, MakeCmdPage<cCmdDlgEffect>},
    {29, MakeCmdPage<cCmdDlgCharaEffect>},
    {30, MakeCmdPage<cCmdDlgScrEffect>},
    {31, MakeCmdPage<cCmdDlgPicture>},
    // screen colour, background, sound effect and music
    {32, MakeCmdPage<cCmdDlgScreenColor>},
    {33, MakeCmdPage<cCmdDlgBack>},
    {34, MakeCmdPage<cCmdDlgSound>},
    {35, MakeCmdPage<cCmdDlgBgm>},
    {36, MakeCmdPage<cCmdDlgCode>},
};

}  // namespace

CmdPageFactory FindCmdPage(int kind) {
    for (const cCmdPageEntry& e : kPages)
        if (e.m_nKind == kind && e.m_lpMake) return e.m_lpMake;
    return nullptr;
}

cCmdDlg* MakeCmdPageForKind(int kind, int templateId, cDlg* parent, const cEditReq* req, cCtrl* ownerCtrl) {
    if (CmdPageFactory make = FindCmdPage(kind)) return make(templateId, parent, req, ownerCtrl);
    return MakeCmdPage<cCmdDlgPlain>(IDD_CMD_PLAIN, parent, req, ownerCtrl);
}
