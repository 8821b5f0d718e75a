// The insert-and-edit sequence of the lists that edit through a request
// (conditions, key conditions, commands, the event palette): the request it
// hands over, what OK and cancel leave, and the two refusals.
#include "listctrl/list_instances.h"
#include "tests/listctrl/list_owner.h"

namespace listtest {
namespace {

TEST(InsertRequest, NewRecordEditedThroughTheRequest) {
    struct Case {
        const char* name;
        std::vector<int> records;
        int max;
        std::vector<int> selected;  // the first is the anchor, the last the current row
        bool needCurSel;
        int answer, result;
        std::vector<int> after;
        int cur;
        std::vector<int> boxSel;
        int dialogs;
    } cases[] = {
        {"confirmed: the new record edited, the row after it current", {1, 2, 3}, 999, {2, 1}, true, 1, 1,
         {1, 77, 2, 3}, 2, {2}, 1},
        {"cancelled with three rows selected removes only the new record, the current row stays", {1, 2, 3, 4}, 999, {0, 2, 3}, false, 0, 0,
         {1, 2, 3, 4}, 3, {3}, 1},
        {"refused at the maximum: no dialog", {1, 2}, 2, {0}, false, 1, 0, {1, 2}, 0, {0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        cRecEditDlg::Reset(c.answer, 77);
        cOwnerDlg dlg;
        for (int v : c.records) dlg.m_MWork.push_back(sRec(v));
        dlg.UseMulti(0, c.max, false);
        cRecEditDlg* slot = nullptr;
        int result = -1, cur = -2;
        std::vector<int> boxSel;
        RunOwner(&dlg, [&](cOwnerDlg* d) {
            d->M().ResetSel(c.selected[0], 0);
            for (size_t i = 1; i < c.selected.size(); ++i) d->M().SetCurSel(c.selected[i], 0);
            d->M().Redraw();
            cEditReq req;
            req.m_bDistance = 1;
            result = InsertAndEditRequest(d->M(), &slot, IDD_LIST_EDIT, &req, &g_WndRegistry, kEditWndKeep, 1,
                                          nullptr, c.needCurSel);
            d->M().Redraw();
            cur = d->M().m_nCurSel;
            boxSel = SelRows(d->MultiBox());
        });
        EXPECT_EQ(c.result, result);
        EXPECT_EQ(c.after, Values(dlg.m_MWork));
        EXPECT_EQ(c.dialogs, cRecEditDlg::s_nMade);
        EXPECT_EQ(c.cur, cur);
        EXPECT_EQ(c.boxSel, boxSel);
        if (c.dialogs) {
            ASSERT_EQ(1u, cRecEditDlg::s_Reqs.size());
            EXPECT_EQ(1, cRecEditDlg::s_Reqs[0].m_bNew);
            EXPECT_EQ(1, cRecEditDlg::s_Reqs[0].m_bDistance) << "the owner's flag goes along";
            EXPECT_EQ(static_cast<cCtrl*>(&dlg.M()), cRecEditDlg::s_OwnerCtrl) << "centred over the list";
        }
        EXPECT_EQ(nullptr, slot);
    }
}

}  // namespace
}  // namespace listtest
