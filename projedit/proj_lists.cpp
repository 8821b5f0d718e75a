#include "projedit/proj_lists.h"

#include "projedit/bmpconv_res.h"
#include "projedit/database_res.h"
#include "projedit/event_dlg_res.h"
#include "projedit/event_palette_res.h"

namespace {

const int kFrameMax = 99;
const int kSwordPosMax = 99;
const int kEventMax = 99;
const int kFileNameMax = 1000;

}  // namespace

void AnimeSlotRowText(cString* out, int, const cEdAnime* anime) {
    out->Format("%s ×%d", anime->m_Name.CStr(), static_cast<int>(anime->m_Frames.size()));
}

void AnimeFrameRowText(cString* out, int, const cEdAnimeFrame* frame) {
    if (frame->m_RunCommand)
        out->Format("実行 %d-%d", frame->m_Cell, frame->m_Time);
    else
        out->Format("%d-%d", frame->m_Cell, frame->m_Time);
}

void EffectFrameRowText(cString* out, int, const cEdEffectFrame* frame) {
    out->Format("%d-%d", frame->m_Cell, frame->m_Time);
}

void SwordPosRowText(cString* out, int, const cEdSwordPos* pos) {
    out->Format("%s(%d,%d) 横%d 縦%d 時間%d", SwordDirectionName(pos->m_Direction).CStr(), pos->m_OffsetX,
                pos->m_OffsetY, pos->m_Width, pos->m_Height, pos->m_Time);
}

void WorldEventRowText(cString* out, int, const cEdWorldEvent* event) {
    out->Format("%s", event->m_Name.CStr());
}

void EventPageRowText(cString* out, int, const cEdEventPage* page) {
    out->Format("ワールド番号 %d", page->m_WorldNo);
}

void BackLayerRowText(cString* out, int, const cEdBackLayer* layer) {
    *out = layer->m_bShowFirst ? "○" : "‐";
    if (layer->m_bUseColour)
        StrPrintf(out, " 色番号%d", layer->m_Colour);
    else
        StrPrintf(out, " %s", layer->m_Image.CStr());
}

void FileNameRowText(cString* out, int, const cString* name) {
    out->Format("%s", name->CStr());
}

void DeclareAnimeSlotList(cCtrlListParam<cEdAnime>& p, cVector<cEdAnime>* slots) {
    p.Set(IDC_ANIMESET_SLOTS, nullptr, slots, nullptr, 0, AnimeSlotRowText, 0, cEdAnimeSet::kSlotCount,
          cEdAnimeSet::kSlotCount, 0, 0, 0);
}

void DeclareAnimeFrameList(cCtrlListParam<cEdAnimeFrame>& p, cVector<cEdAnimeFrame>* frames,
                           cVector<cEdAnimeFrame>* work, cEdAnimeFrame* edit) {
    p.Set(IDC_PATTERN_FRAMES, frames, work, edit, 1, AnimeFrameRowText, 0, 1, kFrameMax, 0, 1, 0);
}

void DeclareEffectFrameList(cCtrlListParam<cEdEffectFrame>& p, cVector<cEdEffectFrame>* frames) {
    p.Set(IDC_EFFECT_FRAMES, nullptr, frames, nullptr, 1, EffectFrameRowText, 0, 1, kFrameMax, 0, 1, 0);
}

void DeclareSwordPosList(cCtrlListParam<cEdSwordPos>& p, cVector<cEdSwordPos>* positions) {
    p.Set(IDC_SWORD_POSITIONS, nullptr, positions, nullptr, 1, SwordPosRowText, 0, 1, kSwordPosMax, 0, 1, 0);
}

void DeclareEventPaletteList(cCtrlListParam<cEdWorldEvent>& p, cVector<cEdWorldEvent>* templates) {
    p.Set(IDC_EVPAL_LIST, nullptr, templates, nullptr, 1, WorldEventRowText, 1, 1, kEventMax, 0, 1, 0);
}

void DeclareEventPageList(cCtrlListParam<cEdEventPage>& p, cVector<cEdEventPage>* source,
                          cVector<cEdEventPage>* work, cEdEventPage* edit) {
    p.Set(IDC_EVENT_PAGES, source, work, edit, 1, EventPageRowText, 1, 1, kEventMax, 0, 1, 0);
}

void DeclareBackLayerList(cCtrlListParam<cEdBackLayer>& p, cVector<cEdBackLayer>* layers,
                          cVector<cEdBackLayer>* work) {
    p.Set(kBackLayerListId, layers, work, nullptr, 1, BackLayerRowText, 1, 0, kBackLayerMax, 0, 1, 0);
}

void DeclareFileNameList(cCtrlListParam<cString>& p, cVector<cString>* names) {
    p.Set(IDC_BMPCONV_LIST, nullptr, names, nullptr, 0, FileNameRowText, 0, 0, kFileNameMax, 0, 1, 0);
}
