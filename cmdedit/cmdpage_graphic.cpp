#include "cmdedit/cmdpage_graphic.h"

#include "app/services.h"
#include "cmdedit/cmdpage_graphic_res.h"
#include "model/database.h"
#include "model/definitions.h"
#include "model/graphic_kinds.h"
#include "cmdedit/graphic_picker.h"

namespace {

enum { kNumber, kShift };

const int kKindChara = 1;  // "キャラ"
const int kKindOwnBmp = 4;  // "専用bmp"
const int kMaxGraphic = 119;
const int kPreviewSize = 32;

}  // namespace

cCmdDlgGraphic::cCmdDlgGraphic(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                               cCtrl* ownerCtrl, int centre)
    : cCmdDlg(templateId, parent, kind, req, registry, ownerCtrl, centre) {
    cEdCommand* cmd = Cmd();
    if (!cmd) return;
    if (cmd->m_Params.size() < 3) cmd->m_Params.resize(3, 0);
    if (IsNew()) {
        cmd->m_nTime = 0;
        cmd->m_bParallel = 1;
        cmd->m_Params[0] = kKindChara;
        cmd->m_Params[1] = 1;
        cmd->m_Params[2] = 0;
    }
    m_Combos.resize(1);
    m_Combos[0].m_Param.Set(IDC_GR_KIND, &cmd->m_Params[0], g_GraphicKindNames, 0);
    m_Values.resize(2);
    m_Values[kNumber].m_Param.Set(IDC_GR_NUMBER, &cmd->m_Params[1], 1, kMaxGraphic, IDC_GR_NUMBER_SPIN, 1);
    m_Values[kShift].m_Param.Set(IDC_GR_SHIFT, &cmd->m_Params[2], -999, 999, IDC_GR_SHIFT_SPIN, 1);
    m_Buttons.resize(1);
    m_Buttons[0].m_Param.Set(IDC_GR_PICK);
    m_Pictures.resize(1);
    m_Pictures[0].m_Param.Set(IDC_GR_PREVIEW, kPreviewSize, kPreviewSize);
}

cCmdDlgGraphic::~cCmdDlgGraphic() { DestroyModeless(); }

LRESULT cCmdDlgGraphic::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT r = cCmdDlg::MsgProc(hwnd, msg, wp, lp);
    // the preview's control asks its owner to paint it
    if (msg == WM_DRAWITEM && wp == IDC_GR_PREVIEW) {
        Draw();
        return TRUE;
    }
    return r;
}

void cCmdDlgGraphic::OnInitDialog(WPARAM wp, LPARAM lp) {
    cCmdDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Combos);
    AddCtrls(m_Values);
    AddCtrls(m_Buttons);
    AddCtrls(m_Pictures);
    FinishInit();
    Draw();
}

void cCmdDlgGraphic::UpdateCtrls() {
    if (m_Combos.empty()) return;
    cCtrlEditVal<int32_t>& number = m_Values[kNumber].m_Ctrl;
    cCtrlEditVal<int32_t>& shift = m_Values[kShift].m_Ctrl;
    const int kind = m_Combos[0].m_Ctrl.GetCurData();
    // the ranges follow the kind; typing into an edit keeps its text as it
    // is being typed (the edit holds it in its range itself)
    if (kind == m_nShownKind) {
        Draw();
        return;
    }
    m_nShownKind = kind;
    if (kind == kKindChara) {
        shift.Enable(1);
        shift.SetRange(-19, 19);
        number.SetRange(1, kMaxGraphic);
        m_Buttons[0].m_Ctrl.Enable(1);
    } else if (kind == kKindOwnBmp) {
        shift.Enable(1);
        shift.SetRange(-239, 239);
        // record 0 is never a graphic; without another record the number
        // stays at 1 rather than falling below the first record
        const int last = static_cast<int>(g_Database.m_BmpCharaExc.size()) - 1;
        number.SetRange(1, last > 1 ? last : 1);
        m_Buttons[0].m_Ctrl.Enable(0);
    } else {
        shift.Enable(0);
        number.SetRange(1, kMaxGraphic);
        m_Buttons[0].m_Ctrl.Enable(1);
    }
    number.SetValue(number.GetValue());
    shift.SetValue(shift.GetValue());
    Draw();
}

void cCmdDlgGraphic::OnCommand(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == IDC_GR_PICK && HIWORD(wp) == BN_CLICKED && m_bLive && !m_Combos.empty()) {
        int16_t picked = static_cast<int16_t>(m_Values[kNumber].m_Ctrl.GetValue());
        if (PickGraphic(&picked, m_Combos[0].m_Ctrl.GetCurData(), this, &m_Buttons[0].m_Ctrl))
            m_Values[kNumber].m_Ctrl.SetValue(picked);
        Draw();
        return;
    }
    cCmdDlg::OnCommand(wp, lp);
}

void cCmdDlgGraphic::Draw() {
    if (!m_bLive || m_Pictures.empty()) return;
    cCtrlPicture& pic = m_Pictures[0].m_Ctrl;
    if (!pic.m_Screen.m_hDC || !pic.m_Offscreen.m_hDC) return;
    pic.m_Offscreen.Clear(RGB(0, 0, 0));
    cEdChara chara;
    chara.m_GraphicSource = static_cast<int8_t>(m_Combos[0].m_Ctrl.GetCurData());
    chara.m_Graphic = static_cast<int16_t>(m_Values[kNumber].m_Ctrl.GetValue());
    chara.m_GraphicShift = static_cast<int16_t>(m_Values[kShift].m_Ctrl.GetValue());
    chara.m_FaceRight = 0;
    chara.m_AnimeSetNo = 0;
    DrawCharaIcon(&pic.m_Offscreen, 0, 0, chara, 0);
    pic.m_Screen.Blt(0, 0, kPreviewSize, kPreviewSize, pic.m_Offscreen, 0, 0, 1);
}
