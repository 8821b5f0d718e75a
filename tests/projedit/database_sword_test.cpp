// The sword type page: a new type's position row, and the position dialog,
// which leaves the flip flag of an existing position as it was.
#include "tests/projedit/database_fixture.h"

using namespace dbtest;

TEST_F(DatabaseTest, NewSwordTypeListsOneDefaultPosition) {
    Open();
    ShowPage(kDbPageSwordType);
    Click(kDbPageSwordType, IDC_DB_NEW);
    EXPECT_EQ("前(0,0) 横0 縦0 時間1", Rows(Item(kDbPageSwordType, IDC_SWORD_POSITIONS))[0]);
    Apply();
    cVector<cEdSwordType> types = ReadTable<cEdSwordType>(kTableSwordType);
    ASSERT_EQ(2u, types.size());
    ASSERT_EQ(1u, types[1].m_Positions.size());
    EXPECT_EQ(1, types[1].m_Positions[0].m_FlipX);
}

// Opening the dialog on an existing position whose "右向きなら反転" is off:
// cancelled or confirmed untouched, the flag stays off. A position inserted
// with "挿入" starts with it on.
TEST_F(DatabaseTest, PositionDialogKeepsTheFlipOfAnExistingPosition) {
    g_Database.m_SwordType[0].m_Positions[0].m_FlipX = 0;
    g_Database.m_SwordType[0].m_Positions[0].m_OffsetX = 5;
    Open();
    ShowPage(kDbPageSwordType);
    HWND list = Item(kDbPageSwordType, IDC_SWORD_POSITIONS);
    for (int button : {kIdCancel, kIdOk}) {
        SCOPED_TRACE(button);
        bool checked = true;
        ClickRow(list, 0);
        cOnDialog pos("ソードの位置", [&](HWND dlg) {
            checked = IsDlgButtonChecked(dlg, IDC_POS_FLIP_X) == BST_CHECKED;
            ClickWindow(GetDlgItem(dlg, button));
        });
        Click(kDbPageSwordType, IDC_SWORD_EDIT);
        ASSERT_TRUE(PumpUntil([&] { return pos.Ran(); }));
        PumpMessages(30);
        EXPECT_FALSE(checked);
    }
    bool insertedChecked = false;
    cOnDialog pos("ソードの位置", [&](HWND dlg) {
        insertedChecked = IsDlgButtonChecked(dlg, IDC_POS_FLIP_X) == BST_CHECKED;
        TypeInto(GetDlgItem(dlg, IDC_POS_TIME), "7");
        ClickWindow(GetDlgItem(dlg, kIdOk));
    });
    Click(kDbPageSwordType, IDC_SWORD_INSERT);
    ASSERT_TRUE(PumpUntil([&] { return pos.Ran(); }));
    PumpMessages(30);
    EXPECT_TRUE(insertedChecked);
    Apply();
    cVector<cEdSwordType> types = ReadTable<cEdSwordType>(kTableSwordType);
    ASSERT_EQ(2u, types[0].m_Positions.size());
    EXPECT_EQ(1, types[0].m_Positions[0].m_FlipX);
    EXPECT_EQ(7, types[0].m_Positions[0].m_Time);
    EXPECT_EQ(0, types[0].m_Positions[1].m_FlipX) << "the existing position";
    EXPECT_EQ(5, types[0].m_Positions[1].m_OffsetX);
}
