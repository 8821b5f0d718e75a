// The two animation pages of the database sheet, "基本アニメセット" and
// "アニメ", with their running preview, and the frame dialog "アニメパターン".
#pragma once

#include "model/database.h"
#include "projedit/dbpage.h"

// The animation that the next pattern dialog edits.
extern cEdAnime* g_EditAnime;

// Makes the preview sequencer run the anime's frames: each frame's number for
// its display time times 6 ticks, then from the first frame again.
void SetPreviewAnime(const cEdAnime& anime);
// Draws the sample character (kind, number, frame; flying or not) into the
// picture's surface and onto the screen.
void DrawAnimeSample(cCtrlPicture* picture, int kind, int number, int frame, int flying);

class cAnimePatternDlg;

class cDbPageAnime : public cDbPage<cEdAnime> {
public:
    cDbPageAnime(cDlg* parent, cWndRegistry* registry);
    void DrawPreview(int step) override;

    cAnimePatternDlg* m_lpPatternDlg = nullptr;
    cCtrlPictureItem m_Preview;

protected:
    void AttachOwn() override;
    bool OwnCommand(int id, int code) override;
    void UpdateCtrls(bool init) override;
    void AfterFollowUp() override;
};

class cDbPageAnimeSet : public cDbPage<cEdAnimeSet> {
public:
    cDbPageAnimeSet(cDlg* parent, cWndRegistry* registry);
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void DrawPreview(int step) override;
    // The slot row now current (-1 none).
    int CurSlot() const { return m_Slots.m_Ctrl.GetSelData(); }

    cCtrlListItem<cEdAnime> m_Slots;
    cAnimePatternDlg* m_lpPatternDlg = nullptr;
    cCtrlPictureItem m_Preview;

protected:
    void AttachOwn() override;
    bool OwnCommand(int id, int code) override;
    void UpdateCtrls(bool init) override;
    void AfterFollowUp() override;

private:
    void EditSlot();
};

class cAnimePatternDlg : public cDlg {
public:
    cAnimePatternDlg(int dlgId, cDlg* parent, int kind, cWndRegistry* registry, cCtrl* owner, int centre);
    ~cAnimePatternDlg() override;
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;
    void Draw() override;

    cEdAnime* m_lpAnime;
    int m_nSlot;
    cVector<cEdAnimeFrame> m_Frames;
    cEdAnimeFrame m_Edit;
    cCtrlListItem<cEdAnimeFrame> m_List;
    cCtrlCheckItem<int32_t> m_Run;
    cCtrlEditValItem<int32_t> m_Cell;
    cCtrlEditValItem<int32_t> m_Time;
    cCtrlPictureItem m_Preview;
};
