#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <array>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include "grid/grid_window_fixture.h"
#include "toolkit/com_ref.h"
#include "toolkit/failure.h"

namespace {

ComRef<IAccessible> TableOf(HWND grid) {
    void* object = nullptr;
    if (AccessibleObjectFromWindow(grid, OBJID_CLIENT, __uuidof(IAccessible), &object) != S_OK) return {};
    return ComRef<IAccessible>(static_cast<IAccessible*>(object));
}

VARIANT Child(LONG id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// The out-parameters a reader passes, each set beforehand to what a failed call must not
// leave there; empty when every one the call was given is empty.
class Answers {
public:
    Answers() {
        variant_.vt = VT_I4;
        variant_.lVal = 77;
    }

    IDispatch** Object() { return Use(0, &object_); }
    BSTR* Text() { return Use(1, &text_); }
    VARIANT* Variant() { return Use(2, &variant_); }
    LONG* Number(std::size_t i) { return Use(3 + i, &numbers_[i]); }

    bool Empty() const {
        bool empty = (!used_[0] || !object_) && (!used_[1] || !text_) && (!used_[2] || variant_.vt == VT_EMPTY);
        for (std::size_t i = 0; i < numbers_.size(); ++i) empty = empty && (!used_[3 + i] || numbers_[i] == 0);
        return empty;
    }

private:
    template <class Out>
    Out* Use(std::size_t which, Out* out) {
        used_[which] = true;
        return out;
    }

    IDispatch* object_ = reinterpret_cast<IDispatch*>(&object_);
    BSTR text_ = reinterpret_cast<BSTR>(&text_);
    VARIANT variant_;
    std::array<LONG, 4> numbers_{77, 77, 77, 77};
    std::array<bool, 7> used_{};  // object, text, variant, numbers
};

// Each IAccessible method, asked of a child.
using Call = HRESULT (*)(IAccessible&, VARIANT, Answers&);
constexpr std::array<std::pair<std::string_view, Call>, 21> kEveryMethod = {{
    {"get_accParent", [](IAccessible& a, VARIANT, Answers& o) { return a.get_accParent(o.Object()); }},
    {"get_accChildCount", [](IAccessible& a, VARIANT, Answers& o) { return a.get_accChildCount(o.Number(0)); }},
    {"get_accChild", [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accChild(c, o.Object()); }},
    {"get_accName", [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accName(c, o.Text()); }},
    {"get_accValue", [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accValue(c, o.Text()); }},
    {"get_accDescription", [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accDescription(c, o.Text()); }},
    {"get_accRole", [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accRole(c, o.Variant()); }},
    {"get_accState", [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accState(c, o.Variant()); }},
    {"get_accHelp", [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accHelp(c, o.Text()); }},
    {"get_accHelpTopic",
     [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accHelpTopic(o.Text(), c, o.Number(0)); }},
    {"get_accKeyboardShortcut",
     [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accKeyboardShortcut(c, o.Text()); }},
    {"get_accFocus", [](IAccessible& a, VARIANT, Answers& o) { return a.get_accFocus(o.Variant()); }},
    {"get_accSelection", [](IAccessible& a, VARIANT, Answers& o) { return a.get_accSelection(o.Variant()); }},
    {"get_accDefaultAction",
     [](IAccessible& a, VARIANT c, Answers& o) { return a.get_accDefaultAction(c, o.Text()); }},
    {"accSelect", [](IAccessible& a, VARIANT c, Answers&) { return a.accSelect(SELFLAG_TAKEFOCUS, c); }},
    {"accLocation",
     [](IAccessible& a, VARIANT c, Answers& o) {
         return a.accLocation(o.Number(0), o.Number(1), o.Number(2), o.Number(3), c);
     }},
    {"accNavigate", [](IAccessible& a, VARIANT c, Answers& o) { return a.accNavigate(NAVDIR_NEXT, c, o.Variant()); }},
    {"accHitTest", [](IAccessible& a, VARIANT, Answers& o) { return a.accHitTest(10, 30, o.Variant()); }},
    {"accDoDefaultAction", [](IAccessible& a, VARIANT c, Answers&) { return a.accDoDefaultAction(c); }},
    {"put_accName", [](IAccessible& a, VARIANT c, Answers&) { return a.put_accName(c, nullptr); }},
    {"put_accValue", [](IAccessible& a, VARIANT c, Answers&) { return a.put_accValue(c, nullptr); }},
}};

Call MethodNamed(std::string_view name) {
    for (const auto& [method, call] : kEveryMethod)
        if (method == name) return call;
    return nullptr;
}

// A reader may hold the table, and a cell's id, long after the grid is gone.
TEST_F(GridWindowTest, AReaderHoldingTheTableOfAGridThatIsGoneGetsErrorsFromEveryMethod) {
    ComRef<IAccessible> table = TableOf(GridWindow());
    ASSERT_TRUE(table);
    grid_.AsControl().Destroy();
    for (const LONG child : {static_cast<LONG>(CHILDID_SELF), 5L})
        for (const auto& [method, call] : kEveryMethod) {
            Answers answers;
            const HRESULT result = call(*table.Get(), Child(child), answers);
            EXPECT_TRUE(FAILED(result)) << method << " of " << child << " answered " << std::hex << result;
            EXPECT_TRUE(answers.Empty()) << method << " of " << child;
        }
}

// What the grid's owner throws while answering CanEdit stops at the reader's call, as an
// error: the program goes on, and the next call is answered.
TEST_F(GridWindowTest, AFailureOfTheOwnerWhileAReaderAsksIsAnErrorToTheReader) {
    ComRef<IAccessible> table = TableOf(GridWindow());
    ASSERT_TRUE(table);
    const std::array<std::pair<std::exception_ptr, HRESULT>, 3> failures = {{
        {std::make_exception_ptr(std::bad_alloc()), E_OUTOFMEMORY},
        {std::make_exception_ptr(Failure("the owner failed")), E_FAIL},
        {std::make_exception_ptr(42), E_FAIL},
    }};
    for (const auto& [failure, expected] : failures)
        for (const char* method : {"get_accState", "get_accDefaultAction", "accDoDefaultAction"}) {
            owner_.failure = failure;
            Answers answers;
            EXPECT_EQ(MethodNamed(method)(*table.Get(), Child(3), answers), expected) << method;
            EXPECT_TRUE(answers.Empty()) << method;
        }
    owner_.failure = nullptr;
    VARIANT state{};
    EXPECT_EQ(table->get_accState(Child(3), &state), S_OK);
    EXPECT_EQ(state.lVal & STATE_SYSTEM_READONLY, 0);
}

// A range, which the program's grids never select, is read as the cells it holds; a point
// over the captions is the table's own; a grid in a disabled window can't be used. The
// end-to-end tests read the running program.
TEST_F(GridWindowTest, ReadersGetARangeSelectedAsItsCellsAndAGridInADisabledWindowUnavailable) {
    grid_.SetOptions(RangeSelect);
    grid_.SelectRange({0, 1, 1, 2});
    ComRef<IAccessible> table = TableOf(GridWindow());
    ASSERT_TRUE(table);

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
    // A copy goes on from where its original stands.
    items->Reset();
    VARIANT first{};
    ASSERT_EQ(items->Next(1, &first, nullptr), S_OK);
    IEnumVARIANT* cloned = nullptr;
    ASSERT_EQ(items->Clone(&cloned), S_OK);
    ComRef<IEnumVARIANT> copy(cloned);
    VARIANT rest[4]{};
    ULONG fetched = 0;
    EXPECT_EQ(cloned->Next(4, rest, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 3u);
    EXPECT_EQ(rest[0].lVal, 5);
    EXPECT_EQ(items->Next(1, nullptr, nullptr), E_POINTER);

    POINT caption{5, 5};
    ClientToScreen(GridWindow(), &caption);
    VARIANT hit{};
    table->accHitTest(caption.x, caption.y, &hit);
    EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == CHILDID_SELF);

    EnableWindow(form_->Window(), FALSE);
    VARIANT state{};
    table->get_accState(Child(1), &state);
    EXPECT_NE(state.lVal & STATE_SYSTEM_UNAVAILABLE, 0) << "its own window is enabled";
}

}  // namespace
