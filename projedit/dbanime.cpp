#include "projedit/dbanime.h"

#include <new>

#include "app/services.h"
#include "base/bgm.h"
#include "model/graphic_kinds.h"
#include "projedit/database.h"
#include "projedit/proj_lists.h"

cEdAnime* g_EditAnime = nullptr;

namespace {

const int kTicksPerTenth = 6;  // the preview runs at 60 ticks a second

// The sample controls 1254, 1036, 1038 and 1446 after the kind shown.
template <class P>
void UpdateKindCtrls(P* page) {
    auto* kind = FindCtrl(page->KindCombos(), IDC_ANIME_SAMPLE_KIND);
    auto* number = FindCtrl(page->ShortEdits(), IDC_ANIME_SAMPLE_NO);
    auto* cell = FindCtrl(page->ShortEdits(), IDC_ANIME_SAMPLE_CELL);
    auto* pick = FindCtrl(page->ButtonItems(), IDC_ANIME_PICK);
    if (!kind || !number || !cell || !pick) return;
    const int k = kind->m_Ctrl.GetCurData();
    int numberMax = 119;
    if (k == 1) {
        cell->m_Ctrl.Enable(1);
        cell->m_Ctrl.SetRange(0, 19);
        pick->m_Ctrl.Enable(1);
    } else if (k == 4) {
        cell->m_Ctrl.Enable(1);
        cell->m_Ctrl.SetRange(0, 239);
        numberMax = static_cast<int>(g_Database.m_BmpCharaExc.size()) - 1;
        if (numberMax < 1) numberMax = 1;
        pick->m_Ctrl.Enable(0);
    } else {
        cell->m_Ctrl.Enable(0);
        pick->m_Ctrl.Enable(1);
    }
    number->m_Ctrl.SetRange(1, static_cast<int16_t>(numberMax));
    number->m_Ctrl.OnChange();
    cell->m_Ctrl.OnChange();
}

// The preview of a page: the sample from the controls plus the running frame.
template <class P>
void DrawPagePreview(P* page, cCtrlPicture* picture, int step, int flying) {
    if (!page->m_bReady || !picture->m_Screen.m_hDC) return;
    auto* kind = FindCtrl(page->KindCombos(), IDC_ANIME_SAMPLE_KIND);
    auto* number = FindCtrl(page->ShortEdits(), IDC_ANIME_SAMPLE_NO);
    auto* cell = FindCtrl(page->ShortEdits(), IDC_ANIME_SAMPLE_CELL);
    if (!kind || !number || !cell) return;
    int frame = cell->m_Ctrl.GetValue();
    if (!g_AnimePreview.m_Animes.empty()) frame += step ? g_AnimePreview.Step() : g_AnimePreview.GetValue();
    DrawAnimeSample(picture, kind->m_Ctrl.GetCurData(), number->m_Ctrl.GetValue(), frame, flying);
}

}  // namespace

void SetPreviewAnime(const cEdAnime& anime) {
    cVector<cVector<cAnimeStep>> animes(1);
    for (int i = 0; i < static_cast<int>(anime.m_Frames.size()); ++i) {
        cAnimeStep step;
        step.m_Value = anime.m_Frames[i].m_Cell;
        step.m_Duration = anime.m_Frames[i].m_Time * kTicksPerTenth;
        animes[0].push_back(step);
    }
    cAnimeStep loop;
    loop.m_Value = kAnimeLoop;
    animes[0].push_back(loop);
    g_AnimePreview.SetAnimes(animes);
}

void DrawAnimeSample(cCtrlPicture* picture, int kind, int number, int frame, int flying) {
    cDib& dib = picture->m_Offscreen;
    if (!dib.m_hDC || !picture->m_Screen.m_hDC) return;
    dib.Clear(RGB(0, 0, 0));
    cEdChara chara;
    chara.m_GraphicSource = static_cast<int8_t>(kind);
    chara.m_Graphic = static_cast<int16_t>(number);
    chara.m_GraphicShift = static_cast<int16_t>(frame);
    chara.m_FaceRight = 0;
    chara.m_Invincible = 0;
    chara.m_BlockLike = 0;
    chara.m_Flight = flying ? 1 : 0;
    DrawCharaIcon(&dib, 0, 0, chara, 0);
    picture->m_Screen.Blt(0, 0, dib.m_Width, dib.m_Height, dib, 0, 0, 1);
}

// ---------------------------------------------------------------------------
// "アニメ"

cDbPageAnime::cDbPageAnime(cDlg* parent, cWndRegistry* registry)
    : cDbPage(IDD_DB_ANIME, parent, registry, &g_Database.m_Anime, IDC_DB_LIST_ANIME, 999, 1, nullptr) {
    AddButton(IDC_ANIME_EDIT_PATTERN);
    AddByteCombo(IDC_ANIME_SAMPLE_KIND, &m_Edit.m_SampleKind, g_GraphicKindNames, 0);
    AddShort(IDC_ANIME_SAMPLE_NO, &m_Edit.m_SampleNo, 1, 119, IDC_ANIME_SAMPLE_NO_SPIN);
    AddButton(IDC_ANIME_PICK);
    AddShort(IDC_ANIME_SAMPLE_CELL, &m_Edit.m_SampleCell, 0, 19, IDC_ANIME_SAMPLE_CELL_SPIN);
    m_Preview.m_Param.Set(IDC_ANIME_PREVIEW, 32, 32);
}

void cDbPageAnime::AttachOwn() {
    m_Preview.m_Ctrl.Attach(this, m_Preview.m_Param);
}

bool cDbPageAnime::OwnCommand(int id, int code) {
    if (id == IDC_ANIME_EDIT_PATTERN && code == BN_CLICKED && m_List.m_Ctrl.GetSelData() != -1) {
        g_EditAnime = &m_Edit;
        if (m_lpRegistry) m_lpRegistry->EnableAll(false);
        m_lpPatternDlg = new (std::nothrow) cAnimePatternDlg(IDD_ANIME_PATTERN, this, kWndDialog, m_lpRegistry,
                                                             &FindCtrl(m_Buttons, IDC_ANIME_EDIT_PATTERN)->m_Ctrl, 0);
        if (!m_lpPatternDlg) {
            OutOfMemory();
        } else {
            m_lpPatternDlg->RunModal(0);
            SafeDelete(&m_lpPatternDlg);
        }
        if (m_lpRegistry) m_lpRegistry->EnableAll(true);
        ShowFields();
    }
    return true;
}

void cDbPageAnime::UpdateCtrls(bool) {
    UpdateKindCtrls(this);
}

void cDbPageAnime::AfterFollowUp() {
    SetPreviewAnime(m_Edit);
}

void cDbPageAnime::DrawPreview(int step) {
    DrawPagePreview(this, &m_Preview.m_Ctrl, step, 0);
}

// ---------------------------------------------------------------------------
// "基本アニメセット"

cDbPageAnimeSet::cDbPageAnimeSet(cDlg* parent, cWndRegistry* registry)
    : cDbPage(IDD_DB_ANIMESET, parent, registry, &g_Database.m_AnimeSet, IDC_DB_LIST_ANIMESET, 999, 0, nullptr) {
    AddInt(IDC_ANIMESET_FLY, &m_Edit.m_FlyShift, 0, 999, IDC_ANIMESET_FLY_SPIN);
    AddInt(IDC_ANIMESET_INVINCIBLE, &m_Edit.m_InvincibleShift, 0, 999, IDC_ANIMESET_INVINCIBLE_SPIN);
    AddInt(IDC_ANIMESET_BLOCK, &m_Edit.m_BlockShift, 0, 999, IDC_ANIMESET_BLOCK_SPIN);
    AddButton(IDC_ANIMESET_EDIT);
    // the sample is kept in the first slot
    if (m_Edit.m_Animes.empty()) m_Edit.m_Animes.resize(cEdAnimeSet::kSlotCount);
    AddByteCombo(IDC_ANIME_SAMPLE_KIND, &m_Edit.m_Animes[0].m_SampleKind, g_GraphicKindNames, 0);
    AddShort(IDC_ANIME_SAMPLE_NO, &m_Edit.m_Animes[0].m_SampleNo, 1, 119, IDC_ANIME_SAMPLE_NO_SPIN);
    AddButton(IDC_ANIME_PICK);
    AddShort(IDC_ANIME_SAMPLE_CELL, &m_Edit.m_Animes[0].m_SampleCell, 0, 19, IDC_ANIME_SAMPLE_CELL_SPIN);
    DeclareAnimeSlotList(m_Slots.m_Param, &m_Edit.m_Animes);
    m_Preview.m_Param.Set(IDC_ANIME_PREVIEW, 32, 32);
}

void cDbPageAnimeSet::AttachOwn() {
    AddCtrl(m_Slots);
    m_PopupLists.push_back(&m_Slots.m_Ctrl);
    m_Preview.m_Ctrl.Attach(this, m_Preview.m_Param);
}

LRESULT cDbPageAnimeSet::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && lp && reinterpret_cast<NMHDR*>(lp)->code == static_cast<UINT>(PSN_APPLY)) {
        DefMsgProc(hwnd, msg, wp, lp);
        cDatabaseSheet* sheet = Sheet();
        bool saved = sheet ? sheet->CommitAll() : true;
        // a table that could not be written keeps the sheet open with Apply on
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, saved ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
        DrawPreview(0);
        return 1;
    }
    if (msg == WM_DESTROY) {
        LRESULT r = cDbPage::MsgProc(hwnd, msg, wp, lp);
        g_BgmManager.Stop();
        OnDatabaseClosed();
        return r;
    }
    LRESULT r = cDbPage::MsgProc(hwnd, msg, wp, lp);
    if (r) DrawPreview(0);
    return r;
}

void cDbPageAnimeSet::EditSlot() {
    const int d = CurSlot();
    if (d < 0 || d >= static_cast<int>(m_Edit.m_Animes.size())) return;
    StoreFields();
    cEdAnime& first = m_Edit.m_Animes[0];
    cEdAnime& slot = m_Edit.m_Animes[d];
    slot.m_SampleKind = first.m_SampleKind;
    slot.m_SampleNo = first.m_SampleNo;
    slot.m_SampleCell = first.m_SampleCell;
    g_EditAnime = &slot;
    if (m_Slots.m_Ctrl.Edit(&m_lpPatternDlg, IDD_ANIME_PATTERN, m_lpRegistry, kEditWndKeep, 1))
        m_List.m_Ctrl.ApplyEdit();
}

bool cDbPageAnimeSet::OwnCommand(int id, int code) {
    if (id == IDC_ANIMESET_SLOTS) {
        if (code == LBN_SELCHANGE) m_Slots.m_Ctrl.OnSelChange();
        if (code == LBN_DBLCLK) EditSlot();
    } else if (id == IDC_ANIMESET_EDIT && code == BN_CLICKED) {
        EditSlot();
    }
    return true;
}

void cDbPageAnimeSet::UpdateCtrls(bool) {
    UpdateKindCtrls(this);
    DrawPreview(0);
}

void cDbPageAnimeSet::AfterFollowUp() {
    const int d = CurSlot();
    if (d >= 0 && d < static_cast<int>(m_Edit.m_Animes.size())) SetPreviewAnime(m_Edit.m_Animes[d]);
}

void cDbPageAnimeSet::DrawPreview(int step) {
    const int d = CurSlot();
    DrawPagePreview(this, &m_Preview.m_Ctrl, step, d == 2 || d == 3);
}

// ---------------------------------------------------------------------------
// "アニメパターン"

cAnimePatternDlg::cAnimePatternDlg(int dlgId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* owner,
                                   int centre)
    : cDlg(dlgId, parent, kind, registry, owner, centre), m_lpAnime(g_EditAnime), m_nSlot(-1) {
    cDbPageBase* page = dynamic_cast<cDbPageBase*>(parent);
    cDatabaseSheet* sheet = page ? page->Sheet() : nullptr;
    if (sheet && sheet->m_lpAnimeSet) m_nSlot = sheet->m_lpAnimeSet->CurSlot();
    if (m_lpAnime && m_lpAnime->m_Frames.empty()) m_lpAnime->m_Frames.resize(1);
    DeclareAnimeFrameList(m_List.m_Param, m_lpAnime ? &m_lpAnime->m_Frames : nullptr, &m_Frames, &m_Edit);
    m_Run.m_Param.Set(IDC_PATTERN_RUN, &m_Edit.m_RunCommand);
    m_Cell.m_Param.Set(IDC_PATTERN_CELL, &m_Edit.m_Cell, 0, 299, IDC_PATTERN_CELL_SPIN, 1);
    m_Time.m_Param.Set(IDC_PATTERN_TIME, &m_Edit.m_Time, 1, 9999, IDC_PATTERN_TIME_SPIN, 1);
    m_Preview.m_Param.Set(IDC_PATTERN_PREVIEW, 32, 32);
}

cAnimePatternDlg::~cAnimePatternDlg() {
    DestroyModeless();
}

void cAnimePatternDlg::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrl(m_List);
    AddCtrl(m_Run);
    AddCtrl(m_Cell);
    AddCtrl(m_Time);
    m_Preview.m_Ctrl.Attach(this, m_Preview.m_Param);
    SetInsertListKeys(m_List.m_Ctrl);
    m_List.m_Ctrl.SetCurSel(0, 1);
    cDbPageBase* page = dynamic_cast<cDbPageBase*>(m_lpParentClass);
    cDatabaseSheet* sheet = page ? page->Sheet() : nullptr;
    if (sheet && sheet->m_hWnd && sheet->GetCurPage() == kDbPageAnimeSet) m_Run.m_Ctrl.Enable(0);
    for (int i = 1; i < static_cast<int>(m_Ctrls.size()); ++i) m_Ctrls[i]->DataToCtrl();
    m_bReady = 1;
}

LRESULT cAnimePatternDlg::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    int r = DefMsgProc(hwnd, msg, wp, lp);
    if (m_bReady && IsActive() && m_List.m_Ctrl.SelectAtPoint(m_ptPopup)) TrackPopup(m_List.m_Ctrl.m_hPopupMenu);
    if (msg == WM_CLOSE) {
        Close(0);
        return 1;
    }
    if (msg != WM_DESTROY && msg != WM_NCDESTROY) Draw();
    return r;
}

void cAnimePatternDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (!AllowCommand(wp)) return;
    cDlg::OnCommand(wp, lp);
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    cCtrlList<cEdAnimeFrame>& list = m_List.m_Ctrl;
    auto showOthers = [this] {
        for (int i = 1; i < static_cast<int>(m_Ctrls.size()); ++i) m_Ctrls[i]->DataToCtrl();
    };
    if (id == kIdOk) {
        CtrlsToData();
        Close(1);
        return;
    }
    if (id == kIdCancel) {
        Close(0);
        return;
    }
    if (id == IDC_PATTERN_INSERT && code == BN_CLICKED) {
        if (list.Insert()) showOthers();
    } else if (id == IDC_PATTERN_DELETE && code == BN_CLICKED) {
        if (list.Delete(-1, false)) showOthers();
    } else if (id == IDC_PATTERN_FRAMES && code == LBN_SELCHANGE) {
        list.OnSelChange();
        showOthers();
    } else if (list.OnAccelCommand(wp) || list.OnPopupCommand(wp)) {
        showOthers();
    }
    if (m_bReady && GetChangedCtrlId(wp) && id != IDC_PATTERN_INSERT && id != IDC_PATTERN_DELETE) {
        for (int i = 1; i < static_cast<int>(m_Ctrls.size()); ++i) m_Ctrls[i]->CtrlToData();
        list.ApplyEdit();
    }
    RedrawList();
}

void cAnimePatternDlg::Draw() {
    if (!m_bReady || !m_lpAnime || !m_Preview.m_Ctrl.m_Screen.m_hDC) return;
    const int frame = m_lpAnime->m_SampleCell + m_Cell.m_Ctrl.GetValue();
    DrawAnimeSample(&m_Preview.m_Ctrl, m_lpAnime->m_SampleKind, m_lpAnime->m_SampleNo, frame,
                    m_nSlot == 2 || m_nSlot == 3);
}
