// The palette data move dialog's operations on a palette vector: move,
// copy and insert, delete, with the fixed entry 0 kept out of every range.
#include <gtest/gtest.h>

#include <vector>

#include "objedit/palmove_dlg.h"

namespace {

cVector<cEdBlock> Numbered(int count) {
    cVector<cEdBlock> v;
    v.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) v[i].m_Graphic = static_cast<int16_t>(i);
    return v;
}

std::vector<int> Order(const cVector<cEdBlock>& v) {
    std::vector<int> out;
    for (const cEdBlock& b : v) out.push_back(b.m_Graphic);
    return out;
}

TEST(PalMove, OperationsOnTheEntries) {
    const struct {
        const char* what;
        int op, first, last, dest;
        std::vector<int> after;
    } cases[] = {
        {"move 3..4 to 1: the range arrives turned round", kPalMove, 3, 4, 1, {0, 4, 3, 1, 2, 5}},
        {"move 1..2 to the end keeps their order", kPalMove, 1, 2, 6, {0, 3, 4, 5, 1, 2}},
        {"move 2..3 before 5", kPalMove, 2, 3, 5, {0, 1, 4, 2, 3, 5}},
        {"move one entry to itself", kPalMove, 3, 3, 3, {0, 1, 2, 3, 4, 5}},
        {"move one entry before the next", kPalMove, 3, 3, 4, {0, 1, 2, 3, 4, 5}},
        {"move just past the range", kPalMove, 2, 3, 4, {0, 1, 2, 3, 4, 5}},
        {"move into the range itself", kPalMove, 1, 4, 3, {0, 1, 2, 3, 4, 5}},
        {"copy 2..3 before 2", kPalCopyInsert, 2, 3, 2, {0, 1, 2, 3, 2, 3, 4, 5}},
        {"copy 1..1 to the end", kPalCopyInsert, 1, 1, 6, {0, 1, 2, 3, 4, 5, 1}},
        {"delete 2..3", kPalDelete, 2, 3, 1, {0, 1, 4, 5}},
        {"delete the last entries leaves entry 0", kPalDelete, 1, 5, 1, {0}},
        {"a range past the end changes nothing", kPalDelete, 4, 9, 1, {0, 1, 2, 3, 4, 5}},
        {"entry 0 is never in a range", kPalDelete, 0, 2, 1, {0, 1, 2, 3, 4, 5}},
        {"a range turned round changes nothing", kPalMove, 4, 2, 1, {0, 1, 2, 3, 4, 5}},
        {"a destination before entry 1 changes nothing", kPalCopyInsert, 2, 2, 0, {0, 1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cVector<cEdBlock> v = Numbered(6);
        ApplyPalMove(v, c.op, c.first, c.last, c.dest);
        EXPECT_EQ(c.after, Order(v));
    }
}

}  // namespace
