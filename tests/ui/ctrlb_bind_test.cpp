// The small bound controls in a dialog: what OK and cancel store, check
// boxes, labels and buttons, the picture's surfaces, trackbars with their
// companion edit, and the canvas drag scrolling.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/ui/ctrlb_dialog.h"

namespace {

class CtrlbTest : public GuiTest {};

// The user's edits: check the box, type a name, move the thumb one line.
void MakeEdits(cCtrlbDlg* dlg, HWND w) {
    ASSERT_TRUE(BringToFront(w));
    ClickWindow(GetDlgItem(w, IDC_CB_CHECK));
    HWND name = GetDlgItem(w, IDC_CB_NAME);
    ClickWindow(name);
    SendMessageA(name, EM_SETSEL, 0, -1);
    PressKey('X');
    PressKey('Y');
    ClickWindow(GetDlgItem(w, IDC_CB_TRACK));
    SetFocus(GetDlgItem(w, IDC_CB_TRACK));
    SendMessageA(GetDlgItem(w, IDC_CB_TRACK), TBM_SETPOS, TRUE, 40);
    PressKey(VK_RIGHT);
    PumpUntilIdle(20);
    EXPECT_EQ(41, dlg->m_Track.m_Ctrl.GetPos());
    EXPECT_EQ("41", ItemText(w, IDC_CB_TRACKVAL)) << "the companion follows the thumb";
}

TEST_F(CtrlbTest, OkStoresExactlyTheEditsAndCancelNothing) {
    struct Case {
        const char* name;
        int button;
        int result;
        bool stored;
    } cases[] = {
        {"OK", IDC_TEST_OK, 1, true},
        {"cancel", IDC_TEST_CANCEL, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sCtrlbData data;
        const sCtrlbData before = data;
        cCtrlbDlg* dlg = new cCtrlbDlg(&data);
        int r = RunModalScripted(dlg, 0, [&](HWND w) {
            MakeEdits(dlg, w);
            EXPECT_EQ(before, data) << "nothing is stored while the dialog runs";
            ClickWindow(GetDlgItem(w, c.button));
        });
        delete dlg;
        EXPECT_EQ(c.result, r);
        sCtrlbData expected = before;
        if (c.stored) {
            expected.m_bBack = 1;
            expected.m_strName = "xy";
            expected.m_nLevel = 41;
        }
        EXPECT_EQ(expected, data);
    }
}

TEST_F(CtrlbTest, CheckBoxesShowAndStoreTheirState) {
    sCtrlbData data;
    data.m_bBack = 1;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    HWND w = dlg.m_hWnd;
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(w, IDC_CB_CHECK));
    EXPECT_EQ(BST_INDETERMINATE, IsDlgButtonChecked(w, IDC_CB_STATE)) << "the three states pass as they are";

    CheckDlgButton(w, IDC_CB_CHECK, BST_UNCHECKED);
    dlg.m_Back.m_Ctrl.CtrlToData();
    EXPECT_EQ(0, data.m_bBack);

    dlg.m_Back.m_Ctrl.SetCheck(1);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(w, IDC_CB_CHECK));
    EXPECT_EQ(0, data.m_bBack) << "SetCheck leaves the variable alone";
    dlg.m_Back.m_Ctrl.CtrlToData();
    EXPECT_EQ(1, data.m_bBack);

    data.m_nState = 1;
    dlg.m_State.m_Ctrl.DataToCtrl();
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(w, IDC_CB_STATE));
}

TEST_F(CtrlbTest, LabelsAndButtonsAreBoundByIdAndTellWhichButtonWasPressed) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    EXPECT_EQ(kCtrlStatic, dlg.m_Label.m_Ctrl.m_nKind);
    EXPECT_EQ(kCtrlButton, dlg.m_Button.m_Ctrl.m_nKind);
    EXPECT_EQ(GetDlgItem(dlg.m_hWnd, IDC_CB_LABEL), dlg.m_Label.m_Ctrl.m_hWnd);
    dlg.m_Label.m_Ctrl.SetCaption("高さ：");
    EXPECT_EQ("高さ：", ItemText(dlg.m_hWnd, IDC_CB_LABEL));
    ASSERT_TRUE(BringToFront(dlg.m_hWnd));
    ClickWindow(dlg.m_Button.m_Ctrl.m_hWnd);
    PumpUntilIdle(20);
    EXPECT_EQ(IDC_CB_BUTTON, dlg.GetChangedCtrlId(MAKEWPARAM(IDC_CB_BUTTON, BN_CLICKED)));
    ASSERT_FALSE(dlg.m_Commands.empty());
    EXPECT_EQ(IDC_CB_BUTTON, dlg.m_Commands.back());
}

SIZE SurfaceSize(const cDib& dib) {
    return {dib.m_Width, dib.m_Height};
}

TEST_F(CtrlbTest, PictureGetsAScreenAndAWhiteOffscreenSurface) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    cCtrlPicture& pic = dlg.m_Picture.m_Ctrl;
    RECT rc;
    ::GetClientRect(pic.m_hWnd, &rc);
    EXPECT_EQ(64, rc.right) << "a record with both sizes resizes the control";
    EXPECT_EQ(48, rc.bottom);
    EXPECT_EQ(64, SurfaceSize(pic.m_Offscreen).cx);
    EXPECT_EQ(48, SurfaceSize(pic.m_Offscreen).cy);
    EXPECT_EQ(32, pic.m_Offscreen.m_BitmapInfo.bmBitsPixel);
    EXPECT_EQ(0xFFu, pic.m_Offscreen.Row(47)[63 * 4]) << "the surface starts white";
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), GetObjectType(pic.m_Screen.m_hDC));

    // A record with one size of 0 ignores both; attaching again replaces the surfaces.
    SetWindowPos(pic.m_hWnd, nullptr, 0, 0, 30, 25, SWP_NOMOVE | SWP_NOZORDER);
    cCtrlPictureParam half;
    half.Set(IDC_CB_PICTURE, 0, 20);
    pic.Attach(&dlg, half);
    ::GetClientRect(pic.m_hWnd, &rc);
    EXPECT_EQ(rc.right, SurfaceSize(pic.m_Offscreen).cx);
    EXPECT_EQ(rc.bottom, SurfaceSize(pic.m_Offscreen).cy);
    EXPECT_NE(20, rc.bottom);
    EXPECT_EQ(pic.m_hWnd, pic.m_hScreenWnd);
    EXPECT_EQ(static_cast<DWORD>(OBJ_DC), GetObjectType(pic.m_Screen.m_hDC));
}

TEST_F(CtrlbTest, PictureWithoutASizeStaysWithoutAnOffscreenSurface) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    cCtrlPicture& pic = dlg.m_Picture.m_Ctrl;
    SetWindowPos(pic.m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER);
    cCtrlPictureParam none;
    none.Set(IDC_CB_PICTURE, 0, 0);
    pic.Attach(&dlg, none);
    EXPECT_EQ(nullptr, pic.m_Offscreen.m_hBitmap);
    EXPECT_EQ(nullptr, pic.m_Offscreen.m_pBits);
}

TEST_F(CtrlbTest, TrackBarTakesLowBitsOfItsRangeWhileTheCompanionKeepsTheFullRange) {
    struct Case {
        const char* name;
        int min, max, value;
        int trackMax;      // what the trackbar holds
        int pos;           // its position after attaching
        const char* shown; // the companion's text
        int stored;        // CtrlToData
    } cases[] = {
        {"in range", 0, 100, 40, 100, 40, "40", 40},
        {"above the range", 0, 100, 150, 100, 100, "100", 100},
        {"below the range", 10, 100, -5, 100, 10, "10", 10},
        {"max beyond 16 bits", 0, 70000, 70000, 70000 & 0xFFFF, 70000 & 0xFFFF, "70000", 70000 & 0xFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sCtrlbData data;
        data.m_nLevel = c.value;
        cCtrlbDlg dlg(&data);
        dlg.m_Track.m_Param.Set(IDC_CB_TRACK, &data.m_nLevel, c.min, c.max, 10, 1, IDC_CB_TRACKVAL);
        dlg.RunModeless(0, 1);
        HWND track = dlg.m_Track.m_Ctrl.m_hWnd;
        EXPECT_EQ(c.trackMax, SendMessageA(track, TBM_GETRANGEMAX, 0, 0));
        EXPECT_EQ(c.pos, dlg.m_Track.m_Ctrl.GetPos());
        EXPECT_EQ(c.shown, ItemText(dlg.m_hWnd, IDC_CB_TRACKVAL));
        EXPECT_EQ(10, SendMessageA(track, TBM_GETPAGESIZE, 0, 0));
        dlg.CtrlsToData();
        EXPECT_EQ(c.stored, data.m_nLevel);
    }
}

TEST_F(CtrlbTest, TrackBarScrollRefreshesOnlyItsOwnCompanion) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    cCtrlTrackBar& track = dlg.m_Track.m_Ctrl;
    SendMessageA(track.m_hWnd, TBM_SETPOS, TRUE, 77);
    EXPECT_EQ(0, track.OnScroll(TB_THUMBTRACK, reinterpret_cast<LPARAM>(dlg.m_Other.m_Ctrl.m_hWnd)));
    EXPECT_EQ(0, track.OnScroll(SB_LINERIGHT, reinterpret_cast<LPARAM>(dlg.m_Scroll.m_Ctrl.m_hWnd)));
    EXPECT_EQ("40", ItemText(dlg.m_hWnd, IDC_CB_TRACKVAL)) << "scrolls of other bars change nothing";
    EXPECT_EQ(0, track.OnScroll(TB_THUMBTRACK, reinterpret_cast<LPARAM>(track.m_hWnd)));
    EXPECT_EQ("77", ItemText(dlg.m_hWnd, IDC_CB_TRACKVAL));
    EXPECT_EQ(40, data.m_nLevel) << "the variable waits for CtrlToData";

    // Through the dialog: every control is offered the message.
    SendMessageA(dlg.m_Other.m_Ctrl.m_hWnd, TBM_SETPOS, TRUE, 200);
    SendMessageA(dlg.m_hWnd, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(dlg.m_Other.m_Ctrl.m_hWnd));
    EXPECT_EQ("77", ItemText(dlg.m_hWnd, IDC_CB_TRACKVAL));
    dlg.CtrlsToData();
    EXPECT_EQ(77, data.m_nLevel);
    EXPECT_EQ(200, data.m_nOther);
}

TEST_F(CtrlbTest, TrackBarEnableGreysTheCompanionToo) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    HWND track = dlg.m_Track.m_Ctrl.m_hWnd;
    HWND edit = GetDlgItem(dlg.m_hWnd, IDC_CB_TRACKVAL);
    dlg.m_Track.m_Ctrl.Enable(FALSE);
    EXPECT_FALSE(IsWindowEnabled(track));
    EXPECT_FALSE(IsWindowEnabled(edit));
    dlg.m_Track.m_Ctrl.Enable(TRUE);
    EXPECT_TRUE(IsWindowEnabled(track));
    EXPECT_TRUE(IsWindowEnabled(edit));
    // Without a companion only the trackbar changes.
    dlg.m_Other.m_Ctrl.Enable(FALSE);
    EXPECT_FALSE(IsWindowEnabled(dlg.m_Other.m_Ctrl.m_hWnd));
    EXPECT_TRUE(IsWindowEnabled(edit));
}

// A value edit released while its window lives on (the dialog window goes
// after its items) hands the window back its own procedure: the window
// never reaches the released object and takes every character again.
TEST_F(CtrlbTest, ValueEditReleasedBeforeItsWindowGivesTheProcedureBack) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    HWND edit = GetDlgItem(dlg.m_hWnd, IDC_CB_PLAINEDIT);
    LONG_PTR own = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    int value = 5;
    auto* val = new cCtrlEditVal<int>;
    cCtrlEditValParam<int> p;
    p.Set(IDC_CB_PLAINEDIT, &value, 0, 100, 0, 1);
    val->Attach(&dlg, p);
    EXPECT_NE(own, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    {
        cCtrlEditVal<int> copy = *val;  // a copy leaves the window to the original
    }
    EXPECT_NE(own, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    delete val;
    EXPECT_EQ(own, GetWindowLongPtrA(edit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, GetPropA(edit, "CTRL_EDITVAL_CLASS"));
    SendMessageA(edit, EM_SETSEL, 1, 1);
    SendMessageA(edit, WM_CHAR, 'x', 0);
    EXPECT_EQ("5x", ItemText(dlg.m_hWnd, IDC_CB_PLAINEDIT));
}

TEST_F(CtrlbTest, ScrollBarKeepsRangeAndPageAndSwallowsTheRightClick) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    int menus = 0;
    dlg.m_OnMessage = [&](cTestDlg*, UINT msg) { menus += msg == WM_CONTEXTMENU; };
    dlg.RunModeless(0, 1);
    cCtrlScroll& bar = dlg.m_Scroll.m_Ctrl;
    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar.m_hWnd, SB_CTL, &si);
    EXPECT_EQ(50, si.nMax);
    EXPECT_EQ(10u, si.nPage);
    bar.SetRange(0, 20);
    bar.SetPage(5);
    EXPECT_EQ(16, bar.Scroll(100)) << "the system holds the position inside max - page + 1";
    EXPECT_EQ(16, bar.GetPos());
    EXPECT_EQ(11, bar.Scroll(-5));
    // ScrollBy tells whether the bar moved: not past its ends
    EXPECT_TRUE(bar.ScrollBy(-1));
    EXPECT_EQ(10, bar.GetPos());
    EXPECT_TRUE(bar.ScrollBy(100));
    EXPECT_EQ(16, bar.GetPos());
    EXPECT_FALSE(bar.ScrollBy(1));
    EXPECT_FALSE(bar.ScrollBy(0));
    bar.SetPos(0, TRUE);
    EXPECT_FALSE(bar.ScrollBy(-3));
    EXPECT_EQ(0, bar.GetPos());
    EXPECT_EQ(20, bar.m_nMax);
    EXPECT_EQ(5, bar.m_nPage);

    ASSERT_TRUE(BringToFront(dlg.m_hWnd));
    ClickWindow(bar.m_hWnd, true);
    PumpUntilIdle(50);
    EXPECT_EQ(0, menus) << "no context menu is asked for";
}

// A canvas dialog with both scroll bars for the drag scrolling.
class cDragDlg : public cTestDlg {
public:
    cDragDlg() : cTestDlg(IDD_TEST_CANVAS, nullptr, kWndDialog, &g_WndRegistry, 100, 100) {
        SetLayout(200, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, kHScrollBar | kVScrollBar);
        m_OnInit = [](cTestDlg* d) {
            for (cCtrlScroll* bar : {&d->m_HScroll.m_Ctrl, &d->m_VScroll.m_Ctrl}) {
                bar->SetRange(0, 100);
                bar->SetPage(10);
                bar->SetPos(50, TRUE);
            }
        };
    }
};

TEST_F(CtrlbTest, DragBeyondTheCanvasScrollsByDistance) {
    struct Case {
        const char* name;
        int dx, dy;            // mouse offset beyond the edge
        int frames;
        int hPos, vPos;        // bar positions after the frames
    } cases[] = {
        {"40 beyond the right edge: a column per frame", 40, 0, 5, 55, 50},
        {"10 beyond the right edge: a column every 8 frames", 10, 0, 16, 52, 50},
        {"10 beyond the right edge, 7 frames: nothing yet", 10, 0, 7, 50, 50},
        {"33 beyond the left edge", -33, 0, 3, 47, 50},
        {"beyond the bottom", 0, 50, 2, 50, 52},
        {"beyond the top and the left, near", -1, -1, 8, 49, 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int& n : g_AutoScrollCount) n = 0;
        cDragDlg dlg;
        dlg.RunModeless(0, 1);
        int w = dlg.m_rcCanvas.w, h = dlg.m_rcCanvas.h;
        dlg.m_Mouse.m_nX = c.dx > 0 ? w + c.dx : c.dx < 0 ? c.dx : w / 2;
        dlg.m_Mouse.m_nY = c.dy > 0 ? h + c.dy : c.dy < 0 ? c.dy : h / 2;
        int x = -1, y = -1;
        for (int i = 0; i < c.frames; ++i) dlg.AutoScroll(&x, &y);
        EXPECT_EQ(c.hPos, dlg.m_HScroll.m_Ctrl.GetPos());
        EXPECT_EQ(c.vPos, dlg.m_VScroll.m_Ctrl.GetPos());
        EXPECT_EQ(c.hPos == 50 ? -1 : c.hPos, x) << "x is written only when the bar stepped";
        EXPECT_EQ(c.vPos == 50 ? -1 : c.vPos, y);
    }
}

}  // namespace

// A modeless dialog run again has new windows, and each is subclassed again:
// the dialog itself and the scroll bar (no context menu). The value edit's
// case is with the value edit's tests.
TEST_F(CtrlbTest, ADialogRunAgainSubclassesItsNewWindows) {
    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    int menus = 0;
    dlg.m_OnMessage = [&](cTestDlg*, UINT msg) { menus += msg == WM_CONTEXTMENU; };
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        dlg.RunModeless(0, 1);
        ASSERT_NE(nullptr, dlg.m_hWnd);
        EXPECT_EQ(&dlg, GetPropA(dlg.m_hWnd, "DLG_CLASS"));
        HWND bar = dlg.m_Scroll.m_Ctrl.m_hWnd;
        EXPECT_EQ(&dlg.m_Scroll.m_Ctrl, GetPropA(bar, "CTRL_SCROLL_CLASS"));
        ASSERT_TRUE(BringToFront(dlg.m_hWnd));
        menus = 0;
        ClickWindow(bar, true);
        PumpUntilIdle(50);
        EXPECT_EQ(0, menus) << "no context menu is asked for";
        dlg.Close(0);
        EXPECT_EQ(nullptr, dlg.m_hWnd);
    }
}

// Picture items live in vectors that are filled and resized while a dialog
// builds them; once attached, a copy never takes the drawing objects of the
// picture it was copied from, so each picture releases only its own.
TEST_F(CtrlbTest, PictureItemsCopyWhileBuiltAndNeverShareTheirSurfaces) {
    cVector<cCtrlPictureItem> pictures;
    cCtrlPictureItem item;
    item.m_Param.Set(IDC_CB_PICTURE, 32, 24);
    pictures.push_back(item);
    pictures.resize(2);
    pictures[1] = pictures[0];
    for (int i = 0; i < 2; ++i) EXPECT_EQ(static_cast<uint32_t>(IDC_CB_PICTURE), pictures[i].m_Param.m_nId);

    sCtrlbData data;
    cCtrlbDlg dlg(&data);
    dlg.RunModeless(0, 1);
    ASSERT_NE(nullptr, dlg.m_hWnd);
    EXPECT_EQ(2, dlg.AttachCtrls(pictures));
    cCtrlPicture& first = pictures[0].m_Ctrl;
    ASSERT_NE(nullptr, first.m_Offscreen.m_hBitmap);
    EXPECT_EQ(32, first.m_Offscreen.m_Width);
    {
        cCtrlPicture copy(first);
        EXPECT_EQ(first.m_hWnd, copy.m_hWnd);
        EXPECT_EQ(first.m_nId, copy.m_nId);
        EXPECT_EQ(nullptr, copy.m_Offscreen.m_hBitmap);
        cCtrlPicture assigned;
        assigned = pictures[1].m_Ctrl;
        EXPECT_EQ(first.m_hWnd, assigned.m_hWnd);
        EXPECT_EQ(nullptr, assigned.m_Screen.m_hDC);
    }
    // the copies are gone; the pictures' own surfaces still draw
    BITMAP bm = {};
    EXPECT_NE(0, GetObjectA(first.m_Offscreen.m_hBitmap, sizeof bm, &bm));
    EXPECT_TRUE(PatBlt(first.m_Offscreen.m_hDC, 0, 0, 4, 4, BLACKNESS));
    EXPECT_EQ(0u, static_cast<const uint32_t*>(first.m_Offscreen.m_pBits)[0] & 0xFFFFFF);
    EXPECT_NE(0, GetObjectA(pictures[1].m_Ctrl.m_Offscreen.m_hBitmap, sizeof bm, &bm));
    dlg.Close(0);
}
