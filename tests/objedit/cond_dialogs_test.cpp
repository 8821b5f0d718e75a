// The condition dialog (170), the seven kind dialogs and the key condition
// dialog, run modal and driven by real input: the defaults of new records,
// editing without the kind choice, cancel, the ranges of the status
// condition, variable renames, and the press times of key conditions.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/services.h"
#include "base/record.h"
#include "model/stage.h"
#include "objedit/cond_charavar.h"
#include "objedit/cond_charavar_res.h"
#include "objedit/cond_commonvar.h"
#include "objedit/cond_commonvar_res.h"
#include "objedit/cond_distance_res.h"
#include "objedit/cond_select.h"
#include "objedit/cond_select_res.h"
#include "objedit/cond_stagevar_res.h"
#include "objedit/cond_status.h"
#include "objedit/cond_stagevar.h"
#include "objedit/cond_status2.h"
#include "objedit/cond_status2_res.h"
#include "objedit/cond_status3_res.h"
#include "objedit/cond_status_res.h"
#include "objedit/keycond.h"
#include "objedit/keycond_res.h"
#include "tests/objedit/dialog_queue.h"
#include "tests/support/gui.h"
#include "ui/propsheet.h"

namespace {

const char kGValPath[] = "data\\GValInfo.dat";

class CondDialogs : public testing::Test {
protected:
    void SetUp() override {
        g_GValInfo.clear();
        g_GValInfo.resize(6);
        g_GValInfo[2].m_Name = "old";
        g_Stage.m_Vars.clear();
        g_Stage.m_Vars.resize(4);
        g_StageEdit.g_CharaSheet = StandInSheet();
        g_StageEdit.m_nLayer = 0;
        g_CondStatusLastItem = -1;
        CreateDirectoryA("data", nullptr);
    }
    void TearDown() override {
        g_StageEdit.g_CharaSheet = nullptr;
        PumpUntilIdle();
    }
    // Runs dialog 170 on the condition.
    int RunSelect(cEdCond* cond, int isNew, int distance, const std::function<void(HWND)>& script) {
        cEditReq req;
        req.m_pRecord = cond;
        req.m_bNew = isNew;
        req.m_bDistance = distance;
        cCondSelectDlg* dlg = new cCondSelectDlg(IDD_COND_SELECT, &m_Owner, kWndDialog, &req, nullptr, nullptr, 0);
        const int r = RunModalScripted(dlg, 0, script);
        delete dlg;
        return r;
    }
    template <class D>
    int RunKind(int id, cEdCond* cond, int isNew, const std::function<void(HWND)>& script) {
        cEditReq req;
        req.m_pRecord = cond;
        req.m_bNew = isNew;
        D* dlg = new D(id, nullptr, kWndDialog, &req, nullptr, nullptr, 0);
        const int r = RunModalScripted(dlg, 0, script);
        delete dlg;
        return r;
    }
    // A stand-in for the open sheet: the dialogs only ask whether one is
    // open. It is never deleted: a sheet that was never registered reports
    // its deletion as a failure.
    static cPropSheet* StandInSheet() {
        static cPropSheet* sheet = new cPropSheet(1, nullptr, nullptr);
        return sheet;
    }
    // the owner page whose lists dialog 170 redraws (it has no window here)
    cDlg m_Owner{IDD_COND_SELECT, nullptr, kWndDialog, nullptr};
};

bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != 0; }

// A new condition chooses its kind by button; OK in the kind dialog stores
// the kind's defaults.
TEST_F(CondDialogs, NewConditionOfEachKindTakesItsDefaults) {
    struct Case {
        int button;
        const char* caption;
        int var, value, item, rightVar;
    } cases[] = {
        {IDC_COND_SELECT_BTN_COMMONVAR, "コモン変数条件", 1, 0, 0, 0},
        {IDC_COND_SELECT_BTN_STAGEVAR, "ステージ変数条件", 1, 0, 0, 0},
        {IDC_COND_SELECT_BTN_CHARAVAR, "キャラ変数条件", 1, 0, 0, 0},
        {IDC_COND_SELECT_BTN_STATUS, "ステータス条件", 1, 0, 0, 0},
        {IDC_COND_SELECT_BTN_STATUS2, "ステータス条件2", 0, 0, 1, 0},
        {IDC_COND_SELECT_BTN_STATUS3, "ステータス条件3", 0, 0, 0, 0},
        {IDC_COND_SELECT_BTN_DISTANCE, "距離条件", 0, 10, 0, 0},
    };
    int kind = 0;
    for (const Case& c : cases) {
        ++kind;
        cEdCond cond;
        DialogQueue queue;
        queue.Add(c.caption, [](HWND dlg) { ClickItem(dlg, 1000); });
        const int r = RunSelect(&cond, 1, 1, [&](HWND dlg) {
            char text[64] = "";
            GetDlgItemTextA(dlg, c.button, text, sizeof text);
            EXPECT_STREQ(c.caption, text);
            ClickItem(dlg, c.button);
        });
        EXPECT_EQ(1, r) << c.caption;
        EXPECT_EQ(0, queue.Pending()) << c.caption;
        EXPECT_EQ(kind, cond.m_nKind) << c.caption;
        EXPECT_EQ(c.var, cond.m_nVar) << c.caption;
        EXPECT_EQ(c.value, cond.m_nValue) << c.caption;
        EXPECT_EQ(c.item, cond.m_nItem) << c.caption;
        EXPECT_EQ(c.rightVar, cond.m_nRightVar) << c.caption;
    }
}

// Closing dialog 170 without a choice, or cancelling the kind dialog,
// leaves the record as it was and reports 0.
TEST_F(CondDialogs, NoChoiceOrCancelStoresNothing) {
    cEdCond cond;
    EXPECT_EQ(0, RunSelect(&cond, 1, 1, [](HWND dlg) { PostMessageA(dlg, WM_CLOSE, 0, 0); }));
    EXPECT_EQ(0, cond.m_nKind);

    cEdCond dist;
    dist.m_nKind = 7;
    dist.m_nValue = 5;
    DialogQueue queue;
    queue.Add("距離条件", [](HWND dlg) {
        TypeInto(dlg, IDC_COND_DISTANCE_VALUE, "30");
        ClickItem(dlg, 1001);
    });
    EXPECT_EQ(0, RunSelect(&dist, 0, 1, [](HWND) {}));
    EXPECT_EQ(5, dist.m_nValue);
    EXPECT_EQ(7, dist.m_nKind);
}

// An existing condition goes straight to its kind's dialog: dialog 170 is
// never seen; the distance edit keeps to 0 .. 40.
TEST_F(CondDialogs, ExistingConditionOpensItsKindAtOnce) {
    struct Case {
        const char* typed;
        int stored;
    } cases[] = {{"25", 25}, {"55", 40}, {"0", 0}};
    for (const Case& c : cases) {
        cEdCond dist;
        dist.m_nKind = 7;
        dist.m_nValue = 5;
        bool selectSeen = false;
        DialogQueue queue;
        queue.Add("距離条件", [&](HWND dlg) {
            selectSeen = FindWindowA("#32770", "条件") && IsWindowVisible(FindWindowA("#32770", "条件"));
            TypeInto(dlg, IDC_COND_DISTANCE_VALUE, c.typed);
            ClickItem(dlg, 1000);
        });
        EXPECT_EQ(1, RunSelect(&dist, 0, 0, [](HWND) {}));
        EXPECT_FALSE(selectSeen);
        EXPECT_EQ(c.stored, dist.m_nValue) << c.typed;
    }
}

// A new distance condition is offered by the flows page in any layer, and
// by the appearance lists only while the character layer is current.
TEST_F(CondDialogs, DistanceButtonByLayerAndOwner) {
    struct Case {
        int layer, allowed;
        bool enabled;
    } cases[] = {{0, 1, true}, {2, 1, true}, {0, 0, false}, {2, 0, false}, {1, 0, true}};
    for (const Case& c : cases) {
        g_StageEdit.m_nLayer = c.layer;
        cEdCond cond;
        RunSelect(&cond, 1, c.allowed, [&](HWND dlg) {
            EXPECT_EQ(c.enabled, Enabled(dlg, IDC_COND_SELECT_BTN_DISTANCE)) << c.layer << " " << c.allowed;
            PostMessageA(dlg, WM_CLOSE, 0, 0);
        });
    }
}

// The value edits of the status condition take the range of the chosen
// item; the system's items have their own ranges ("時間" -999 .. 999),
// not those of the character status at the same position.
TEST_F(CondDialogs, StatusRangesFollowTheItem) {
    struct Case {
        int who, item;
        const char* typed;
        int stored;
        bool percent;
    } cases[] = {
        {0, 1, "5000000", 999999, true},     // HP
        {0, 5, "500", 99, false},            // キャラID
        {1, 6, "-20", -8, false},            // Z座標
        {2, 0, "5000", 999, false},          // 時間
        {2, 1, "-900", -480, false},         // 横スクロール速度
        {2, 4, "1000", 99, false},           // 残り人数
    };
    for (const Case& c : cases) {
        cEdCond cond;
        cond.m_nKind = 4;
        RunKind<cCondKindDlgStatus>(IDD_COND_STATUS, &cond, 1, [&](HWND dlg) {
            ChooseItem(dlg, IDC_COND_STATUS_WHO, c.who);
            ChooseItem(dlg, IDC_COND_STATUS_ITEM, c.item);
            EXPECT_EQ(c.percent, Enabled(dlg, IDC_COND_STATUS_PERCENT)) << c.who << "/" << c.item;
            TypeInto(dlg, IDC_COND_STATUS_VALUE, c.typed);
            ClickItem(dlg, 1000);
        });
        EXPECT_EQ(c.who, cond.m_nWho);
        EXPECT_EQ(c.item, cond.m_nItem);
        EXPECT_EQ(c.stored, cond.m_nValue) << c.who << "/" << c.item;
    }
}

// "変数" on the left enables the variable side; "キャラ変数" of a character
// lists the eight character variables with the rename button disabled; an
// item without percent clears "％で指定".
TEST_F(CondDialogs, StatusSidesEnableTheirControls) {
    cEdCond cond;
    cond.m_nKind = 4;
    cond.m_nItem = 1;
    cond.m_bPercent = 1;
    RunKind<cCondKindDlgStatus>(IDD_COND_STATUS, &cond, 0, [&](HWND dlg) {
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_PERCENT));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dlg, IDC_COND_STATUS_PERCENT));
        ChooseItem(dlg, IDC_COND_STATUS_ITEM, 0);
        EXPECT_FALSE(Enabled(dlg, IDC_COND_STATUS_PERCENT));
        EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dlg, IDC_COND_STATUS_PERCENT));
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_VAR));
        EXPECT_FALSE(Enabled(dlg, IDC_COND_STATUS_RENAME));
        EXPECT_EQ(8, SendDlgItemMessageA(dlg, IDC_COND_STATUS_VAR, CB_GETCOUNT, 0, 0));
        ChooseItem(dlg, IDC_COND_STATUS_LEFT_KIND, 1);
        EXPECT_FALSE(Enabled(dlg, IDC_COND_STATUS_WHO));
        EXPECT_FALSE(Enabled(dlg, IDC_COND_STATUS_ITEM));
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_LEFT_SCOPE));
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_RENAME));
        EXPECT_EQ(5, SendDlgItemMessageA(dlg, IDC_COND_STATUS_VAR, CB_GETCOUNT, 0, 0));  // common 1 .. 5
        ChooseItem(dlg, IDC_COND_STATUS_RIGHT_SOURCE, 1);
        EXPECT_FALSE(Enabled(dlg, IDC_COND_STATUS_VALUE));
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_RAND_MIN));
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_RAND_MAX));
        EXPECT_FALSE(Enabled(dlg, IDC_COND_STATUS_RIGHT_VAR));
        ChooseItem(dlg, IDC_COND_STATUS_RIGHT_SOURCE, 3);
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_RIGHT_SCOPE));
        EXPECT_TRUE(Enabled(dlg, IDC_COND_STATUS_RIGHT_VAR));
        EXPECT_FALSE(Enabled(dlg, IDC_COND_STATUS_RAND_MIN));
        ClickItem(dlg, 1001);
    });
    EXPECT_EQ(1, cond.m_bPercent);  // cancelled: nothing stored
    EXPECT_EQ(1, cond.m_nItem);
}

// Status condition 2: the subject decides the items and each choice its
// own value ("巨大化" counts from 1, the scroll items from 0).
TEST_F(CondDialogs, StateChoicesStoreTheirValues) {
    struct Case {
        int who, itemPos, choicePos;
        int item, value;
    } cases[] = {
        {0, 4, 0, 5, 1},   // 巨大化 しない
        {0, 4, 9, 5, 10},  // 巨大化 ×100
        {0, 2, 3, 3, 3},   // 飛行 ON (ブロックに当たると即死)
        {2, 1, 1, 1, 1},   // 縦スクロール オートスクロール
        {2, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        cEdCond cond;
        cond.m_nKind = 5;
        RunKind<cCondKindDlgStatus2>(IDD_COND_STATUS2, &cond, 1, [&](HWND dlg) {
            ChooseItem(dlg, IDC_COND_STATUS2_WHO, c.who);
            EXPECT_EQ(c.who == 2 ? 2 : 6, SendDlgItemMessageA(dlg, IDC_COND_STATUS2_ITEM, CB_GETCOUNT, 0, 0));
            ChooseItem(dlg, IDC_COND_STATUS2_ITEM, c.itemPos);
            ChooseItem(dlg, IDC_COND_STATUS2_CHOICE, c.choicePos);
            ClickItem(dlg, 1000);
        });
        EXPECT_EQ(c.who, cond.m_nWho);
        EXPECT_EQ(c.item, cond.m_nItem);
        EXPECT_EQ(c.value, cond.m_nVar);
    }
}

// Renaming a common variable writes the names file at once, and the name
// stays when the condition is cancelled; a stage variable's rename writes
// nothing.
TEST_F(CondDialogs, CommonRenameIsSavedAtOnceAndSurvivesCancel) {
    DeleteFileA(kGValPath);
    cEdCond cond;
    cond.m_nKind = 1;
    cond.m_nVar = 2;
    DialogQueue queue;
    queue.Add("変数名の入力", [](HWND dlg) {
        HWND edit = GetNextDlgTabItem(dlg, nullptr, FALSE);
        ClickWindow(edit);
        PressKey(VK_END);
        for (int i = 0; i < 8; ++i) PressKey(VK_BACK);
        for (const char* k = "GATE"; *k; ++k) PressKey(*k);
        ClickItem(dlg, 1000);
    });
    const int r = RunKind<cCondKindDlgCommonVar>(IDD_COND_COMMONVAR, &cond, 0, [&](HWND dlg) {
        ClickItem(dlg, IDC_COND_RENAME);
        char text[64] = "";
        GetDlgItemTextA(dlg, IDC_COND_COMMONVAR_VAR, text, sizeof text);
        EXPECT_STREQ("002 gate", text);
        ClickItem(dlg, 1001);
    });
    EXPECT_EQ(0, r);
    EXPECT_EQ(0, queue.Pending());
    EXPECT_EQ("gate", std::string(g_GValInfo[2].m_Name.c_str()));
    cVector<cEdValInfo> back;
    ASSERT_EQ(1, LoadVector(back, kGValPath));
    ASSERT_EQ(6u, back.size());
    EXPECT_EQ("gate", std::string(back[2].m_Name.c_str()));
}

// A names file that cannot be written is reported; the new name is kept.
TEST_F(CondDialogs, FailedNamesWriteIsReported) {
    cVector<cEdValInfo> before = g_GValInfo;
    ASSERT_EQ(1, SaveVector(before, kGValPath));
    HANDLE held = CreateFileA(kGValPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    MsgBoxCatcher boxes;
    cEdCond cond;
    cond.m_nKind = 1;
    cond.m_nVar = 3;
    DialogQueue queue;
    queue.Add("変数名の入力", [](HWND dlg) {
        HWND edit = GetNextDlgTabItem(dlg, nullptr, FALSE);
        ClickWindow(edit);
        for (const char* k = "PIT"; *k; ++k) PressKey(*k);
        ClickItem(dlg, 1000);
    });
    RunKind<cCondKindDlgCommonVar>(IDD_COND_COMMONVAR, &cond, 0, [&](HWND dlg) {
        ClickItem(dlg, IDC_COND_RENAME);
        ClickItem(dlg, 1000);
    });
    CloseHandle(held);
    EXPECT_EQ("pit", std::string(g_GValInfo[3].m_Name.c_str()));
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ("data\\GValInfo.dat の保存に失敗！", boxes.boxes[0].text);
}

// Rename with no variable chosen does nothing (a beep); the stage
// variables are renamed in the stage alone.
TEST_F(CondDialogs, StageRenameWritesNoFile) {
    DeleteFileA(kGValPath);
    cEdCond cond;
    cond.m_nKind = 2;
    cond.m_nVar = 1;
    DialogQueue queue;
    queue.Add("変数名の入力", [](HWND dlg) {
        HWND edit = GetNextDlgTabItem(dlg, nullptr, FALSE);
        ClickWindow(edit);
        for (const char* k = "LIFT"; *k; ++k) PressKey(*k);
        ClickItem(dlg, 1000);
    });
    EXPECT_EQ(1, RunKind<cCondKindDlgStageVar>(IDD_COND_STAGEVAR, &cond, 0, [&](HWND dlg) {
        ClickItem(dlg, IDC_COND_RENAME);
        ClickItem(dlg, 1000);
    }));
    EXPECT_EQ("lift", std::string(g_Stage.m_Vars[1].m_Name.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kGValPath));
}

int RunKey(cEdKeyCond* key, const std::function<void(HWND)>& script) {
    cEditReq req;
    req.m_pRecord = key;
    req.m_bNew = 1;
    cKeyCondDlg* dlg = new cKeyCondDlg(IDD_KEYCOND, nullptr, kWndDialog, &req, nullptr, nullptr, 0);
    const int r = RunModalScripted(dlg, 0, script);
    delete dlg;
    return r;
}

// A new key condition stores 1 and 1; the longest time follows a longer
// shortest time at once; "1～∞" greys both out and keeps them; key states
// store 1 for "押" and 2 for "離".
TEST(KeyCondDialog, PressTimesAndKeys) {
    cEdKeyCond key;
    EXPECT_EQ(1, RunKey(&key, [](HWND dlg) {
        EXPECT_EQ("1", ItemText(dlg, IDC_KEYCOND_MIN));
        EXPECT_EQ("1", ItemText(dlg, IDC_KEYCOND_MAX));
        ClickItem(dlg, 1000);
    }));
    EXPECT_EQ(1, key.m_nPressMin);
    EXPECT_EQ(1, key.m_nPressMax);
    ASSERT_EQ(19u, key.m_bbKeys.size());

    cEdKeyCond edited;
    EXPECT_EQ(1, RunKey(&edited, [](HWND dlg) {
        TypeInto(dlg, IDC_KEYCOND_MIN, "20");
        EXPECT_EQ("20", ItemText(dlg, IDC_KEYCOND_MAX));
        ChooseItem(dlg, IDC_KEYCOND_RIGHT, 1);
        ChooseItem(dlg, IDC_KEYCOND_Z, 2);
        ChooseItem(dlg, IDC_KEYCOND_RULE, 2);
        ClickItem(dlg, IDC_KEYCOND_NOMAX);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_KEYCOND_MIN)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_KEYCOND_MAX)));
        EXPECT_EQ("20", ItemText(dlg, IDC_KEYCOND_MIN));
        ClickItem(dlg, 1000);
    }));
    EXPECT_EQ(20, edited.m_nPressMin);
    EXPECT_EQ(20, edited.m_nPressMax);
    EXPECT_EQ(1, edited.m_bNoMax);
    EXPECT_EQ(2, edited.m_nRule);
    EXPECT_EQ(1, edited.m_bbKeys[2]);
    EXPECT_EQ(2, edited.m_bbKeys[11]);

    cEdKeyCond kept = edited;
    EXPECT_EQ(0, RunKey(&kept, [](HWND dlg) {
        ChooseItem(dlg, IDC_KEYCOND_F, 1);
        ClickItem(dlg, IDC_KEYCOND_NOMAX);
        ClickItem(dlg, 1001);
    }));
    EXPECT_EQ(edited, kept);
}

}  // namespace
