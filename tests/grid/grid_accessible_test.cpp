#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <vector>

#include "grid/grid_window_fixture.h"
#include "toolkit/com_ref.h"

// The grid read in its own process, for what the program's grids never show: rows scrolled
// away, a range selected, a disabled grid. The running program is read from outside by
// the end-to-end tests.

namespace {

VARIANT Child(LONG id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

LONG StateOf(IAccessible& table, LONG id) {
    VARIANT state;
    VariantInit(&state);
    table.get_accState(Child(id), &state);
    return state.vt == VT_I4 ? state.lVal : 0;
}

// The child ids a VT_UNKNOWN selection enumerates.
std::vector<LONG> Enumerated(const VARIANT& selection) {
    std::vector<LONG> ids;
    IEnumVARIANT* items = nullptr;
    if (selection.vt != VT_UNKNOWN || FAILED(selection.punkVal->QueryInterface(__uuidof(IEnumVARIANT),
                                                                               reinterpret_cast<void**>(&items))))
        return ids;
    ComRef<IEnumVARIANT> owned(items);
    VARIANT item;
    while (items->Next(1, &item, nullptr) == S_OK) ids.push_back(item.vt == VT_I4 ? item.lVal : -1);
    return ids;
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
    VARIANT selection;
    VariantInit(&selection);
    ASSERT_EQ(table->get_accSelection(&selection), S_OK);
    EXPECT_EQ(Enumerated(selection), (std::vector<LONG>{13, 14, 16, 17}));
    VariantClear(&selection);

    // Over the captions the point is the table's own.
    POINT caption{5, 5};
    ClientToScreen(GridWindow(), &caption);
    VARIANT hit;
    VariantInit(&hit);
    table->accHitTest(caption.x, caption.y, &hit);
    EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == CHILDID_SELF);

    EXPECT_EQ(StateOf(*table.Get(), 13) & STATE_SYSTEM_UNAVAILABLE, 0);
    EnableWindow(form_->Window(), FALSE);
    EXPECT_NE(StateOf(*table.Get(), 13) & STATE_SYSTEM_UNAVAILABLE, 0) << "its window is enabled, its form not";
}

}  // namespace
