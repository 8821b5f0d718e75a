#include "objedit/blockpage.h"

#include "app/services.h"
#include "model/palette.h"
#include "model/stage.h"
#include "ui/dlghelpers.h"

cBlockPage::cBlockPage(int templateId, cDlg* parent, int kind, cWndRegistry* registry)
    : cDlg(templateId, parent, kind, registry) {}

cBlockPage::~cBlockPage() { DestroyModeless(); }

LRESULT cBlockPage::MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefMsgProc(hwnd, msg, wp, lp); }

void cBlockPage::OnInitDialog(WPARAM wp, LPARAM lp) {
    cDlg::OnInitDialog(wp, lp);
    AddCtrls(m_Shorts);
    AddCtrls(m_Ints);
    DataToCtrls();
    m_bReady = 1;
}

void cBlockPage::LoadRecord(const cEdBlock* record) {
    if (!record) return;
    m_Block = *record;
    BindParams();
    AttachCtrls(m_Shorts);
    AttachCtrls(m_Ints);
}

void SetNoLabel(cCtrl* label, int number) {
    cString text;
    text.Format("No.%d", number);
    label->SetCaption(text.c_str());
}

cVector<cEdBlock>& EditedBlockPalette() {
    return g_StageEdit.g_EditSource[0] == 1 ? g_Stage.m_PalBlocks : g_CommonPalette.m_Blocks;
}

void StepBlockRecord(cEdBlock** current, int* index, int step, cBlockPage* page, cCtrl* label) {
    cVector<cEdBlock>& palette = EditedBlockPalette();
    int last = static_cast<int>(palette.size()) - 1;
    if (last < 1 || *index < 1 || *index > last) return;
    page->CtrlsToData();
    palette[*index] = page->m_Block;
    StepWrap(index, step, 1, last);
    *current = &palette[*index];
    page->LoadRecord(*current);
    page->DataToCtrls();
    if (label) SetNoLabel(label, *index);
    page->Draw();
}
