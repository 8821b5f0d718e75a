// The pages "キャラエフェクト" and "画面エフェクト" of the database sheet: a
// kind and five parameters whose labels, ranges and defaults follow the kind.
#pragma once

#include "model/database.h"
#include "model/effect_tables.h"
#include "projedit/dbpage.h"

template <class T>
class cDbPageKindEffect : public cDbPage<T> {
public:
    typedef cDbPage<T> Base;

    cDbPageKindEffect(int dlgId, cDlg* parent, cWndRegistry* registry, cVector<T>* table, int listId,
                      eEffectFamily family, const cString* kindNames, int swatch);

    // Labels, enables and (with ranges) re-ranges the five parameter edits
    // after the kind in the combo; with defaults, a kind other than the last
    // one shown gives every parameter its default.
    void UpdateParams(bool ranges, bool defaults);
    // The colour swatch of the character page.
    void Draw() override;

    eEffectFamily m_nFamily;
    int m_bSwatch;
    uint8_t m_nLastKind = 255;  // 255: none shown yet
    cCtrlPictureItem m_Swatch;

protected:
    void AttachOwn() override;
    bool OwnCommand(int id, int code) override;
    void UpdateCtrls(bool init) override;
    void BeforeSelChange() override;
    void AfterSelChange() override;
};

class cDbPageCharaEffect : public cDbPageKindEffect<cEdCharaEffect> {
public:
    cDbPageCharaEffect(cDlg* parent, cWndRegistry* registry);
};

class cDbPageScrEffect : public cDbPageKindEffect<cEdScrEffect> {
public:
    cDbPageScrEffect(cDlg* parent, cWndRegistry* registry);
};
