#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <vector>

#include "grid/grid_window_fixture.h"
#include "toolkit/com_ref.h"

namespace {

// A range, which the program's grids never select, is read as the cells it holds; a point
// over the captions is the table's own; a grid in a disabled window can't be used. The
// end-to-end tests read the running program.
TEST_F(GridWindowTest, ReadersGetARangeSelectedAsItsCellsAndAGridInADisabledWindowUnavailable) {
    grid_.SetOptions(RangeSelect);
    grid_.SelectRange({0, 1, 1, 2});
    void* object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(GridWindow(), OBJID_CLIENT, __uuidof(IAccessible), &object), S_OK);
    ComRef<IAccessible> table(static_cast<IAccessible*>(object));

    VARIANT selection{};
    ASSERT_EQ(table->get_accSelection(&selection), S_OK);
    ASSERT_EQ(selection.vt, VT_UNKNOWN);
    ComRef<IUnknown> owned(selection.punkVal);
    IEnumVARIANT* items = nullptr;
    ASSERT_EQ(owned->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&items)), S_OK);
    ComRef<IEnumVARIANT> enumerator(items);
    std::vector<LONG> ids;
    for (VARIANT item{}; items->Next(1, &item, nullptr) == S_OK;) ids.push_back(item.lVal);
    EXPECT_EQ(ids, (std::vector<LONG>{4, 5, 7, 8}));

    POINT caption{5, 5};
    ClientToScreen(GridWindow(), &caption);
    VARIANT hit{};
    table->accHitTest(caption.x, caption.y, &hit);
    EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == CHILDID_SELF);

    EnableWindow(form_->Window(), FALSE);
    VARIANT cell{}, state{};
    cell.vt = VT_I4;
    cell.lVal = 1;
    table->get_accState(cell, &state);
    EXPECT_NE(state.lVal & STATE_SYSTEM_UNAVAILABLE, 0) << "its own window is enabled";
}

}  // namespace
