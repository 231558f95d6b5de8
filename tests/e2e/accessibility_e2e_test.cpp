// The running calculator as a screen reader reads it: through Active Accessibility, from
// another process. Run at every DPI the tests' CMakeLists names (*AtAnyDpi*).
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "base/cp1251.h"
#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "data/table_loader.h"
#include "program_driver.h"
#include "toolkit/com_ref.h"

namespace {

constexpr int kItem = 0;  // the factory picked

// The names a reader reads: each factory's grid and sale-price box (main, supports 1 to 3),
// the grids' columns, the factory list.
constexpr std::array<std::array<const char*, 2>, 4> kFactoryNames = {{
    {"Ресурсы главной фабрики", "Цена продажи, главная фабрика"},
    {"Ресурсы фабрики поддержки 1", "Цена продажи, фабрика поддержки 1"},
    {"Ресурсы фабрики поддержки 2", "Цена продажи, фабрика поддержки 2"},
    {"Ресурсы фабрики поддержки 3", "Цена продажи, фабрика поддержки 3"},
}};
constexpr std::array<const char*, 3> kColumnNames = {"Ресурс", "Кол-во", "Цена покупки"};
constexpr const char* kFactoryListName = "Выберите фабрику, для которой хотите построить цепочку";
// Captions a narrow place may cut short on screen: read whole all the same.
constexpr std::array<std::pair<const wchar_t*, const char*>, 4> kWholeCaptions = {{
    {L"Button", "Фабрика 1:"},
    {L"Button", "Все цены выставляются вручную"},
    {L"Static", "Цена продажи"},
    {L"Static", "Затраты на производство на главной фабрике:"},
}};

VARIANT Child(LONG id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

using TextProperty = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
std::string Read(IAccessible& object, TextProperty property, LONG child = CHILDID_SELF) {
    BSTR text = nullptr;
    (object.*property)(Child(child), &text);
    std::string result = text ? WideToCp1251({text, SysStringLen(text)}) : "";
    SysFreeString(text);
    return result;
}

// A child id, role or state; -1 for an answer that is none.
template <class Call>
LONG Number(Call call) {
    VARIANT result;
    VariantInit(&result);
    call(&result);
    const LONG number = result.vt == VT_I4 ? result.lVal : -1;
    VariantClear(&result);
    return number;
}
LONG Role(IAccessible& object, LONG child = CHILDID_SELF) {
    return Number([&](VARIANT* role) { object.get_accRole(Child(child), role); });
}
LONG State(IAccessible& object, LONG child) {
    return Number([&](VARIANT* state) { object.get_accState(Child(child), state); });
}

ComRef<IAccessible> ObjectOf(HWND window) {
    void* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &object);
    return ComRef<IAccessible>(static_cast<IAccessible*>(object));
}

RECT Location(IAccessible& object, LONG child) {
    LONG left = 0, top = 0, width = 0, height = 0;
    object.accLocation(&left, &top, &width, &height, Child(child));
    return {left, top, left + width, top + height};
}

// The names a reader reads for every window of the class below root.
void CollectNames(HWND root, const wchar_t* className, std::vector<std::string>& names) {
    for (HWND child : ChildrenOf(root)) {
        wchar_t name[64];
        if (GetClassNameW(child, name, 64) && lstrcmpiW(name, className) == 0)
            if (ComRef<IAccessible> object = ObjectOf(child)) names.push_back(Read(*object.Get(), &IAccessible::get_accName));
        CollectNames(child, className, names);
    }
}
bool Named(HWND root, const wchar_t* className, const char* name) {
    std::vector<std::string> names;
    CollectNames(root, className, names);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The calculator with the first factory chosen and «Расчет» pressed, and what its grids
// must show then, from the same tables.
class ReadCalculatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // a reader can't do without
        form = program.WaitForWindow(L"Form");
        ASSERT_NE(form, nullptr);
        HWND calc = FindByText(form, L"Button", "Расчет");
        ASSERT_NE(calc, nullptr);
        PickComboItem(FindByText(form, L"ComboBox", ""), kItem);
        program.WaitUntil([&] { return IsWindowEnabled(calc) != FALSE; }, 10000);
        ClickButton(calc);
        for (std::size_t slot = 0; slot < grids.size(); ++slot) {
            grids[slot] = FindByText(form, L"zelGrid", kFactoryNames[slot][0]);
            ASSERT_NE(grids[slot], nullptr) << kFactoryNames[slot][0];
        }
        Catalogue catalogue;
        LoadTables(NativePath(WindowsPath(KELM_SOURCE_DIR)) / kTablesFolder, catalogue);
        ASSERT_TRUE(ShowChain(expected, catalogue, kItem) && CalculateChain(expected, catalogue, kItem));
    }
    void TearDown() override { CoUninitialize(); }

    RunningProgram program{WindowsPath(KELM_CALC_EXE), WindowsPath(KELM_SOURCE_DIR)};
    HWND form = nullptr;
    std::array<HWND, 4> grids{};
    ChainModel expected;
};

constexpr LONG kCheckedStates = STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_READONLY |
                                STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_OFFSCREEN;

TEST_F(ReadCalculatorTest, GridsReadAsTablesOfTheirCellsAndEveryBoxByItsNameAtAnyDpi) {
    for (std::size_t slot = 0; slot < grids.size(); ++slot) {
        SCOPED_TRACE(kFactoryNames[slot][0]);
        ComRef<IAccessible> table = ObjectOf(grids[slot]);
        ASSERT_TRUE(table);
        EXPECT_EQ(Role(*table.Get()), ROLE_SYSTEM_TABLE);
        EXPECT_EQ(Read(*table.Get(), &IAccessible::get_accName), kFactoryNames[slot][0]);
        LONG count = 0;
        table->get_accChildCount(&count);
        ASSERT_EQ(count, 9);
        RECT window, client;
        GetWindowRect(grids[slot], &window);
        GetClientRect(grids[slot], &client);
        MapWindowPoints(grids[slot], HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        for (LONG id = 1; id <= count; ++id) {
            SCOPED_TRACE(id);
            const int col = (id - 1) % 3, row = (id - 1) / 3;
            const ResourceRowTexts& texts = expected.Factories[slot].Rows[row];
            EXPECT_EQ(Role(*table.Get(), id), ROLE_SYSTEM_CELL);
            EXPECT_EQ(Read(*table.Get(), &IAccessible::get_accName, id),
                      std::string(kColumnNames[col]) + ", строка " + std::to_string(row + 1));
            const std::array<const std::string*, 3> values = {&texts.Name, &texts.Quantity, &texts.Price};
            EXPECT_EQ(Read(*table.Get(), &IAccessible::get_accValue, id), *values[col]);
            // The first cell is the current one; only a named row's price can be typed.
            const bool editable = col == 2 && !texts.Name.empty();
            const LONG state = State(*table.Get(), id);
            EXPECT_EQ(state & kCheckedStates, (id == 1 ? STATE_SYSTEM_SELECTED : 0) |
                                                  (editable ? 0 : STATE_SYSTEM_READONLY) |
                                                  (state & STATE_SYSTEM_OFFSCREEN));
            EXPECT_EQ(Read(*table.Get(), &IAccessible::get_accDefaultAction, id), editable ? "Изменить" : "");
            if (state & STATE_SYSTEM_OFFSCREEN) continue;
            // A cell in view starts over the grid's window; a point of it there is hit.
            const RECT cell = Location(*table.Get(), id);
            EXPECT_TRUE(PtInRect(&window, {cell.left, cell.top}));
            const POINT inside{cell.left + 2, cell.top + 2};
            if (PtInRect(&client, inside)) {
                EXPECT_EQ(Number([&](VARIANT* hit) { table->accHitTest(inside.x, inside.y, hit); }), id);
            }
        }
    }
    for (const auto& names : kFactoryNames) EXPECT_TRUE(Named(form, L"Edit", names[1])) << names[1];
    EXPECT_TRUE(Named(form, L"ComboBox", kFactoryListName));
    for (const auto& [className, caption] : kWholeCaptions) {
        HWND window = FindByText(form, className, caption);
        ComRef<IAccessible> object = window ? ObjectOf(window) : ComRef<IAccessible>();
        ASSERT_TRUE(object) << caption;
        EXPECT_EQ(Read(*object.Get(), &IAccessible::get_accName), caption);
    }
}

// What an out-of-context hook heard of the calculator's client areas.
struct HeardEvent {
    DWORD Event;
    HWND Window;
    LONG Child;
};
std::vector<HeardEvent> heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) heard.push_back({event, window, child});
}

// The test's messages bring the hook's calls: the wait takes them until the event has come.
bool Heard(const RunningProgram& program, DWORD event, HWND window, LONG child) {
    return program.WaitUntil(
        [&] {
            return std::any_of(heard.begin(), heard.end(), [&](const HeardEvent& e) {
                return e.Event == event && e.Window == window && e.Child == child;
            });
        },
        5000);
}

TEST_F(ReadCalculatorTest, ArrowKeysMoveTheFocusedCellAndItsDefaultActionOpensTheEditor) {
    HWND grid = grids[0];
    ComRef<IAccessible> table = ObjectOf(grid);
    ASSERT_TRUE(table);
    // Under Wine a hook that names a process and skips its own hears nothing: this one
    // doesn't skip.
    DWORD process = 0;
    GetWindowThreadProcessId(grid, &process);
    heard.clear();
    std::unique_ptr<std::remove_pointer_t<HWINEVENTHOOK>, decltype(&UnhookWinEvent)> hook(
        SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Hear, process, 0, WINEVENT_OUTOFCONTEXT),
        &UnhookWinEvent);
    ASSERT_TRUE(hook);
    const auto focus = [&] { return Number([&](VARIANT* child) { table->get_accFocus(child); }); };

    // A click on the first cell focuses the grid, and in it that cell.
    const RECT first = Location(*table.Get(), 1);
    POINT point{first.left + 2, first.top + 2};
    ScreenToClient(grid, &point);
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(focus(), 1);
    SendMessageW(grid, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(Heard(program, EVENT_OBJECT_FOCUS, grid, 4));
    EXPECT_TRUE(Heard(program, EVENT_OBJECT_SELECTION, grid, 4));
    EXPECT_EQ(focus(), 4);
    EXPECT_NE(State(*table.Get(), 4) & STATE_SYSTEM_FOCUSED, 0);
    EXPECT_EQ(State(*table.Get(), 1) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED), 0);
    SendMessageW(grid, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(Heard(program, EVENT_OBJECT_FOCUS, grid, 5));
    EXPECT_EQ(Number([&](VARIANT* selection) { table->get_accSelection(selection); }), 5);
    // The last row is shown only in part: going there scrolls the first out of view.
    SendMessageW(grid, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(Heard(program, EVENT_OBJECT_FOCUS, grid, 8));
    EXPECT_NE(State(*table.Get(), 2) & STATE_SYSTEM_OFFSCREEN, 0);
    EXPECT_EQ(State(*table.Get(), 8) & STATE_SYSTEM_OFFSCREEN, 0);

    const std::array<std::array<LONG, 3>, 11> steps = {{{5, NAVDIR_UP, 2},
                                                        {5, NAVDIR_DOWN, 8},
                                                        {5, NAVDIR_LEFT, 4},
                                                        {3, NAVDIR_RIGHT, -1},
                                                        {5, NAVDIR_NEXT, 6},
                                                        {3, NAVDIR_NEXT, 4},
                                                        {9, NAVDIR_NEXT, -1},
                                                        {4, NAVDIR_PREVIOUS, 3},
                                                        {1, NAVDIR_PREVIOUS, -1},
                                                        {CHILDID_SELF, NAVDIR_FIRSTCHILD, 1},
                                                        {CHILDID_SELF, NAVDIR_LASTCHILD, 9}}};
    for (const auto& [from, direction, to] : steps)
        EXPECT_EQ(Number([&](VARIANT* end) { table->accNavigate(direction, Child(from), end); }), to)
            << from << " " << direction;

    // The first row's price: its editor opens over it, named as the cell, and what is
    // typed there and stored is the cell's new value.
    ASSERT_EQ(table->accDoDefaultAction(Child(3)), S_OK);
    HWND editor = GetWindow(grid, GW_CHILD);
    ASSERT_TRUE(editor && IsWindowVisible(editor));
    ComRef<IAccessible> edit = ObjectOf(editor);
    ASSERT_TRUE(edit);
    EXPECT_EQ(Read(*edit.Get(), &IAccessible::get_accName), "Цена покупки, строка 1");
    SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4321"));
    SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(Heard(program, EVENT_OBJECT_VALUECHANGE, grid, 3));
    EXPECT_EQ(Read(*table.Get(), &IAccessible::get_accValue, 3), "4321");
    EXPECT_EQ(table->accDoDefaultAction(Child(1)), DISP_E_MEMBERNOTFOUND);

    // A factory left out: its grid's cells can't be used.
    ClickButton(FindByText(form, L"Button", "Фабрика 3:"));
    ComRef<IAccessible> leftOut = ObjectOf(grids[3]);
    ASSERT_TRUE(leftOut);
    EXPECT_NE(State(*leftOut.Get(), 3) & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(Read(*leftOut.Get(), &IAccessible::get_accDefaultAction, 3), "");
}

}  // namespace
