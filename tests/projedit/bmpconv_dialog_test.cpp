// The bitmap conversion tool's window: its options kept in the editor
// configuration as they change, the enable rules, the file list without
// repeats, and a conversion run that reports a refused file and ends with
// "変換完了！".
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include <string>
#include <vector>

#include "base/dib.h"
#include "model/prjoption.h"
#include "projedit/bmpconv.h"
#include "projedit/bmpconv_res.h"
#include "tests/support/bmp_fixture.h"
#include "tests/support/gui.h"
#include "tests/support/test_env.h"
#include "ui/registry.h"

namespace {

std::vector<std::string> g_DoneBoxes;

BOOL CALLBACK AnswerDone(HWND wnd, LPARAM) {
    char cls[32] = "", caption[64] = "", text[128] = "";
    GetClassNameA(wnd, cls, sizeof cls);
    GetWindowTextA(wnd, caption, sizeof caption);
    if (lstrcmpA(cls, "#32770") == 0 && lstrcmpA(caption, "変換完了") == 0 && IsWindowVisible(wnd)) {
        HWND label = FindWindowExA(wnd, nullptr, "Static", nullptr);
        while (label && !GetWindowTextA(label, text, sizeof text)) label = FindWindowExA(wnd, label, "Static", nullptr);
        g_DoneBoxes.push_back(text);
        PostMessageA(wnd, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

void CALLBACK DoneTimer(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), AnswerDone, 0);
}

class BmpConvDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        EditConfig.SetDefault();
        for (int i = 0; i < 256; ++i) {
            g_StdPalette[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), 0};
            g_Palette[i] = g_StdPalette[i];
        }
        CreateDirectoryA("pics", nullptr);
        CreateDirectoryA("out", nullptr);
        g_DoneBoxes.clear();
    }
    void TearDown() override {
        PumpMessages(10);
        EXPECT_TRUE(g_WndRegistry.m_Wnds.empty());
    }
    static bool Enabled(HWND wnd, int id) { return IsWindowEnabled(GetDlgItem(wnd, id)) != 0; }
    static int Rows(HWND wnd) { return static_cast<int>(SendDlgItemMessageA(wnd, IDC_BMPCONV_LIST, LB_GETCOUNT, 0, 0)); }
    TestAppWindow m_App;
};

TEST_F(BmpConvDlgTest, OptionsAreKeptAsTheyChangeAndGreyTheirEdits) {
    cBmpConvDlg dlg(nullptr, &g_WndRegistry);
    RunModalScripted(&dlg, 0, [&](HWND wnd) {
        char caption[64] = "";
        GetWindowTextA(wnd, caption, sizeof caption);
        EXPECT_STREQ("ビットマップ変換ツール", caption);
        EXPECT_TRUE(Enabled(wnd, IDC_BMPCONV_TRANS));
        EXPECT_FALSE(Enabled(wnd, IDC_BMPCONV_LINE_IN));
        EXPECT_TRUE(Enabled(wnd, IDC_BMPCONV_FOLDER));
        ClickWindow(GetDlgItem(wnd, IDC_BMPCONV_LINE));
        ASSERT_TRUE(PumpUntil([&] { return Enabled(wnd, IDC_BMPCONV_LINE_OUT); }));
        EXPECT_EQ(1, EditConfig.m_bConvReplaceLine) << "kept at once";
        ClickWindow(GetDlgItem(wnd, IDC_BMPCONV_USE_TRANS));
        ASSERT_TRUE(PumpUntil([&] { return !Enabled(wnd, IDC_BMPCONV_TRANS); }));
        EXPECT_EQ(0, EditConfig.m_bConvUseTransparent);
        ClickWindow(GetDlgItem(wnd, IDC_BMPCONV_SAME));
        ASSERT_TRUE(PumpUntil([&] { return !Enabled(wnd, IDC_BMPCONV_FOLDER); }));
        EXPECT_EQ(1, EditConfig.m_bConvSameFolder);
        SetDlgItemTextA(wnd, IDC_BMPCONV_LINE_OUT, "12");
        EXPECT_EQ(12, EditConfig.m_nConvLineOut);
        SetDlgItemTextA(wnd, IDC_BMPCONV_TRANS, "300");
        PumpMessages(20);
        TourShot(wnd, "bmpconv");
        SendMessageA(wnd, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(255, EditConfig.m_nConvTransparent) << "held at 255";
}

TEST_F(BmpConvDlgTest, ListsEveryBitmapOnceFromNamesAndDrops) {
    BmpSpec s;
    s.width = 4;
    s.height = 2;
    ASSERT_TRUE(WriteBmp("pics\\a.bmp", s));
    ASSERT_TRUE(WriteBmp("pics\\b.bmp", s));
    ASSERT_TRUE(WriteWholeFile("pics\\note.txt", "x"));
    CreateDirectoryA("more", nullptr);
    ASSERT_TRUE(WriteBmp("more\\x.bmp", s));
    cBmpConvDlg dlg(nullptr, &g_WndRegistry);
    RunModalScripted(&dlg, 0, [&](HWND wnd) {
        char full[MAX_PATH];
        GetFullPathNameA("pics", MAX_PATH, full, nullptr);
        dlg.AddDropped(cVector<cString>{cString(full), cString("pics\\a.bmp"), cString("pics\\note.txt")});
        EXPECT_EQ(2u, dlg.m_Files.size());
        dlg.AddNames(cVector<cString>{cString("pics\\b.bmp"), cString("pics\\c.bmp")});
        ASSERT_EQ(3u, dlg.m_Files.size());
        EXPECT_EQ("pics\\a.bmp", dlg.m_Files[0]) << "made relative to the project folder";
        EXPECT_EQ(3, Rows(wnd) - dlg.m_List.m_Param.m_bSeparator);
        // a real drop message: a folder's bitmaps after the names listed
        char folder[MAX_PATH];
        GetFullPathNameA("more", MAX_PATH, folder, nullptr);
        std::string names = std::string(folder) + '\0' + std::string(folder) + "\\x.bmp" + '\0' + '\0';
        HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
        DROPFILES* df = static_cast<DROPFILES*>(GlobalLock(mem));
        df->pFiles = sizeof(DROPFILES);
        memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), names.data(), names.size());
        GlobalUnlock(mem);
        SendMessageA(wnd, WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0);
        ASSERT_EQ(4u, dlg.m_Files.size());
        EXPECT_EQ("more\\x.bmp", dlg.m_Files[3]);
        EXPECT_EQ(4, Rows(wnd) - dlg.m_List.m_Param.m_bSeparator);
        ClickWindow(GetDlgItem(wnd, IDC_BMPCONV_CLEAR));
        ASSERT_TRUE(PumpUntil([&] { return dlg.m_Files.empty(); }));
        SendMessageA(wnd, WM_CLOSE, 0, 0);
    });
}

TEST_F(BmpConvDlgTest, ARunConvertsWhatItCanAndEndsWithTheDoneBox) {
    BmpSpec good;
    good.width = 8;
    good.height = 3;
    good.pixels = PatternPixels(8, 3, 1);
    ASSERT_TRUE(WriteBmp("pics\\good.bmp", good));
    BmpSpec rgb;
    rgb.width = 2;
    rgb.height = 2;
    rgb.bits = 24;
    rgb.pixels.assign(12, 9);
    ASSERT_TRUE(WriteBmp("pics\\rgb.bmp", rgb));
    EditConfig.m_strConvFolder = "out";
    MsgBoxCatcher errors;
    cBmpConvDlg dlg(nullptr, &g_WndRegistry);
    RunModalScripted(&dlg, 0, [&](HWND wnd) {
        dlg.AddNames(cVector<cString>{cString("pics\\good.bmp"), cString("pics\\rgb.bmp"), cString("pics\\none.bmp")});
        UINT_PTR timer = SetTimer(nullptr, 0, 30, DoneTimer);
        ClickWindow(GetDlgItem(wnd, IDC_BMPCONV_RUN));
        ASSERT_TRUE(PumpUntil([&] { return !g_DoneBoxes.empty(); }, 10000));
        KillTimer(nullptr, timer);
        SendMessageA(wnd, WM_CLOSE, 0, 0);
    });
    ASSERT_EQ(1u, g_DoneBoxes.size());
    EXPECT_EQ("変換完了！", g_DoneBoxes[0]);
    ASSERT_EQ(2u, errors.boxes.size());
    EXPECT_EQ("pics\\rgb.bmp は256色ではありません！", errors.boxes[0].text);
    EXPECT_EQ("pics\\none.bmp のロードに失敗！", errors.boxes[1].text);
    EXPECT_TRUE(FileExists("out\\good.bmp"));
    EXPECT_FALSE(FileExists("out\\rgb.bmp"));
    EXPECT_EQ(0, dlg.m_bBusy);
}

}  // namespace
