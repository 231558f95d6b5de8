#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <vector>

#include "grid/grid_window_fixture.h"
#include "toolkit/com_ref.h"

// The grid read in its own process, for what the program's grids never show: rows scrolled
// away, a range selected, a disabled grid. The end-to-end tests read the running program.

namespace {

LONG StateOf(IAccessible& table, LONG id) {
    VARIANT child{}, state{};
    child.vt = VT_I4;
    child.lVal = id;
    table.get_accState(child, &state);
    return state.vt == VT_I4 ? state.lVal : 0;
}

TEST_F(GridWindowTest, ReadersFindCellsScrolledAwayARangeSelectedAndADisabledGridUnavailable) {
    grid_.SetRowCount(8);
    grid_.SetOptions(RangeSelect);
    grid_.SetTopRow(4);
    grid_.SelectRange({0, 4, 1, 5});
    void* object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(GridWindow(), OBJID_CLIENT, __uuidof(IAccessible), &object), S_OK);
    ComRef<IAccessible> table(static_cast<IAccessible*>(object));

    EXPECT_NE(StateOf(*table.Get(), 1) & STATE_SYSTEM_OFFSCREEN, 0) << "row 1, scrolled away";
    EXPECT_EQ(StateOf(*table.Get(), 13) & STATE_SYSTEM_OFFSCREEN, 0) << "row 5, the first shown";

    VARIANT selection{};
    ASSERT_EQ(table->get_accSelection(&selection), S_OK);
    ASSERT_EQ(selection.vt, VT_UNKNOWN);
    ComRef<IUnknown> owned(selection.punkVal);
    IEnumVARIANT* items = nullptr;
    ASSERT_EQ(owned->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&items)), S_OK);
    ComRef<IEnumVARIANT> enumerator(items);
    std::vector<LONG> ids;
    for (VARIANT item{}; items->Next(1, &item, nullptr) == S_OK;) ids.push_back(item.lVal);
    EXPECT_EQ(ids, (std::vector<LONG>{13, 14, 16, 17}));

    // Over the captions the point is the table's own.
    POINT caption{5, 5};
    ClientToScreen(GridWindow(), &caption);
    VARIANT hit{};
    table->accHitTest(caption.x, caption.y, &hit);
    EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == CHILDID_SELF);

    EXPECT_EQ(StateOf(*table.Get(), 13) & STATE_SYSTEM_UNAVAILABLE, 0);
    EnableWindow(form_->Window(), FALSE);
    EXPECT_NE(StateOf(*table.Get(), 13) & STATE_SYSTEM_UNAVAILABLE, 0) << "its window is enabled, its form not";
}

}  // namespace
