// The running calculator as a screen reader reads it: through Active Accessibility, from
// another process. Run at every DPI the tests' CMakeLists names (*AtAnyDpi*).
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "calc/chain_calculation.h"
#include "calc/chain_view.h"
#include "data/table_loader.h"
#include "program_driver.h"
#include "toolkit/com_ref.h"
#include "toolkit/cp1251.h"

namespace {

const std::string kSourceDir = KELM_SOURCE_DIR;
constexpr int kItem = 0;  // the factory picked

// The names a reader reads, by factory (main, supports 1 to 3), and for the rest.
struct FactoryNames {
    const char* Grid;
    const char* SalePrice;
};
constexpr std::array<FactoryNames, 4> kFactoryNames = {{
    {"Ресурсы главной фабрики", "Цена продажи, главная фабрика"},
    {"Ресурсы фабрики поддержки 1", "Цена продажи, фабрика поддержки 1"},
    {"Ресурсы фабрики поддержки 2", "Цена продажи, фабрика поддержки 2"},
    {"Ресурсы фабрики поддержки 3", "Цена продажи, фабрика поддержки 3"},
}};
constexpr std::array<const char*, 3> kColumnNames = {"Ресурс", "Кол-во", "Цена покупки"};
constexpr const char* kFactoryListName = "Выберите фабрику, для которой хотите построить цепочку";
constexpr const char* kEditAction = "Изменить";

// The reader's side of COM, for the test's thread.
class ComApartment {
public:
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
};

VARIANT Child(LONG id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::string Taken(BSTR text) {
    std::string result = text ? WideToCp1251({text, SysStringLen(text)}) : "";
    SysFreeString(text);
    return result;
}

ComRef<IAccessible> ObjectOf(HWND window) {
    void* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), &object);
    return ComRef<IAccessible>(static_cast<IAccessible*>(object));
}

std::string NameOf(IAccessible& object, LONG child = CHILDID_SELF) {
    BSTR name = nullptr;
    object.get_accName(Child(child), &name);
    return Taken(name);
}

std::string ValueOf(IAccessible& object, LONG child) {
    BSTR value = nullptr;
    object.get_accValue(Child(child), &value);
    return Taken(value);
}

std::string DefaultActionOf(IAccessible& object, LONG child) {
    BSTR action = nullptr;
    object.get_accDefaultAction(Child(child), &action);
    return Taken(action);
}

// A VT_I4 answer (role, state, child id); -1 for anything else.
template <class Call>
LONG NumberFrom(Call call) {
    VARIANT result;
    VariantInit(&result);
    call(&result);
    const LONG number = result.vt == VT_I4 ? result.lVal : -1;
    VariantClear(&result);
    return number;
}

LONG RoleOf(IAccessible& object, LONG child = CHILDID_SELF) {
    return NumberFrom([&](VARIANT* role) { object.get_accRole(Child(child), role); });
}
LONG StateOf(IAccessible& object, LONG child) {
    return NumberFrom([&](VARIANT* state) { object.get_accState(Child(child), state); });
}

RECT LocationOf(IAccessible& object, LONG child) {
    LONG left = 0, top = 0, width = 0, height = 0;
    object.accLocation(&left, &top, &width, &height, Child(child));
    return {left, top, left + width, top + height};
}

void FindAll(HWND root, const wchar_t* className, std::vector<HWND>& found) {
    for (HWND child : ChildrenOf(root)) {
        wchar_t name[64];
        if (GetClassNameW(child, name, 64) && lstrcmpiW(name, className) == 0) found.push_back(child);
        FindAll(child, className, found);
    }
}

// Every box of a class by the name a reader reads for it.
std::map<std::string, HWND> NamedWindows(HWND form, const wchar_t* className) {
    std::vector<HWND> windows;
    FindAll(form, className, windows);
    std::map<std::string, HWND> named;
    for (HWND window : windows)
        if (ComRef<IAccessible> object = ObjectOf(window)) named[NameOf(*object.Get())] = window;
    return named;
}

bool WaitUntil(bool (*done)(HWND), HWND window) {
    for (int tries = 0; tries < 500; ++tries) {
        if (done(window)) return true;
        Sleep(20);
    }
    return false;
}

// The calculator with the first factory chosen and «Расчет» pressed, and the texts its
// grids must show then, from the same tables.
class ReadCalculatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program.Started());
        form = program.WaitForWindow(L"Form");
        ASSERT_NE(form, nullptr);
        HWND combo = FindByText(form, L"ComboBox", "");
        HWND calc = FindByText(form, L"Button", "Расчет");
        ASSERT_TRUE(combo && calc);
        PickComboItem(combo, kItem);
        ASSERT_TRUE(WaitUntil([](HWND button) { return IsWindowEnabled(button) != FALSE; }, calc));
        ClickButton(calc);
        for (std::size_t slot = 0; slot < grids.size(); ++slot) {
            grids[slot] = FindByText(form, L"zelGrid", kFactoryNames[slot].Grid);
            ASSERT_NE(grids[slot], nullptr) << kFactoryNames[slot].Grid;
        }
        Catalogue catalogue;
        LoadTables(NativePath(WindowsPath(kSourceDir)) / kTablesFolder, catalogue);
        ASSERT_TRUE(ShowChain(expected, catalogue, kItem));
        ASSERT_TRUE(CalculateChain(expected, catalogue, kItem));
    }

    ComApartment apartment;
    RunningProgram program{WindowsPath(KELM_CALC_EXE), WindowsPath(kSourceDir)};
    HWND form = nullptr;
    std::array<HWND, 4> grids{};
    ChainModel expected;
};

constexpr LONG kCheckedStates = STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_READONLY |
                                STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_OFFSCREEN;

TEST_F(ReadCalculatorTest, GridsReadAsTablesOfTheirCellsAndEveryBoxByItsNameAtAnyDpi) {
    for (std::size_t slot = 0; slot < grids.size(); ++slot) {
        SCOPED_TRACE(kFactoryNames[slot].Grid);
        ComRef<IAccessible> table = ObjectOf(grids[slot]);
        ASSERT_TRUE(table);
        EXPECT_EQ(RoleOf(*table.Get()), ROLE_SYSTEM_TABLE);
        EXPECT_EQ(NameOf(*table.Get()), kFactoryNames[slot].Grid);
        LONG count = 0;
        table->get_accChildCount(&count);
        ASSERT_EQ(count, 9);
        RECT window, client;
        GetWindowRect(grids[slot], &window);
        GetClientRect(grids[slot], &client);
        MapWindowPoints(grids[slot], HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        for (int row = 0; row < 3; ++row) {
            const ResourceRowTexts& texts = expected.Factories[slot].Rows[row];
            const std::array<const std::string*, 3> values = {&texts.Name, &texts.Quantity, &texts.Price};
            for (int col = 0; col < 3; ++col) {
                const LONG id = row * 3 + col + 1;
                SCOPED_TRACE(id);
                EXPECT_EQ(RoleOf(*table.Get(), id), ROLE_SYSTEM_CELL);
                EXPECT_EQ(NameOf(*table.Get(), id), std::string(kColumnNames[col]) + ", строка " + std::to_string(row + 1));
                EXPECT_EQ(ValueOf(*table.Get(), id), *values[col]);
                // The first cell is the current one; only a named row's price can be typed.
                const bool editable = col == 2 && !texts.Name.empty();
                const LONG state = StateOf(*table.Get(), id);
                EXPECT_EQ(state & kCheckedStates, (id == 1 ? STATE_SYSTEM_SELECTED : 0) |
                                                      (editable ? 0 : STATE_SYSTEM_READONLY) |
                                                      (state & STATE_SYSTEM_OFFSCREEN));
                EXPECT_EQ(DefaultActionOf(*table.Get(), id), editable ? kEditAction : "");
                if (state & STATE_SYSTEM_OFFSCREEN) continue;
                // A cell in view starts over the grid's window; a point of it there is hit.
                const RECT cell = LocationOf(*table.Get(), id);
                const POINT corner{cell.left, cell.top};
                EXPECT_TRUE(PtInRect(&window, corner));
                const POINT inside{cell.left + 2, cell.top + 2};
                if (PtInRect(&client, inside)) {
                    EXPECT_EQ(NumberFrom([&](VARIANT* hit) { table->accHitTest(inside.x, inside.y, hit); }), id);
                }
            }
        }
    }

    const std::map<std::string, HWND> boxes = NamedWindows(form, L"Edit");
    for (const FactoryNames& names : kFactoryNames) EXPECT_EQ(boxes.count(names.SalePrice), 1u) << names.SalePrice;
    EXPECT_EQ(NamedWindows(form, L"ComboBox").count(kFactoryListName), 1u);
}

// What an out-of-context hook heard of client areas: event, window, child.
struct HeardEvent {
    DWORD Event;
    HWND Window;
    LONG Child;
};
std::vector<HeardEvent> heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) heard.push_back({event, window, child});
}

// Every event of the calculator's process, as a reader hooks them. Under Wine a hook that
// names a process and also skips its own process hears nothing: this one doesn't skip.
class EventHook {
public:
    explicit EventHook(HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        heard.clear();
        hook_ = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE, nullptr, &Hear, process, 0,
                                WINEVENT_OUTOFCONTEXT);
    }
    ~EventHook() {
        if (hook_) UnhookWinEvent(hook_);
    }
    EventHook(const EventHook&) = delete;
    EventHook& operator=(const EventHook&) = delete;
    explicit operator bool() const { return hook_ != nullptr; }

private:
    HWINEVENTHOOK hook_;
};

// Takes the test's messages, which bring the hook's calls, until the event has come.
bool Heard(DWORD event, HWND window, LONG child) {
    for (int tries = 0; tries < 250; ++tries) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        for (const HeardEvent& e : heard)
            if (e.Event == event && e.Window == window && e.Child == child) return true;
        Sleep(20);
    }
    return false;
}

LONG FocusOf(IAccessible& object) {
    return NumberFrom([&](VARIANT* focus) { object.get_accFocus(focus); });
}

LONG NavigateFrom(IAccessible& object, LONG child, LONG direction) {
    return NumberFrom([&](VARIANT* end) { object.accNavigate(direction, Child(child), end); });
}

HWND VisibleChild(HWND parent) {
    for (HWND child : ChildrenOf(parent))
        if (IsWindowVisible(child)) return child;
    return nullptr;
}

TEST_F(ReadCalculatorTest, ArrowKeysMoveTheFocusedCellAndItsDefaultActionOpensTheEditor) {
    HWND grid = grids[0];
    ComRef<IAccessible> table = ObjectOf(grid);
    ASSERT_TRUE(table);
    EventHook hook(grid);
    ASSERT_TRUE(hook);

    // A click on the first cell focuses the grid: the focus is in that cell.
    const RECT first = LocationOf(*table.Get(), 1);
    POINT point{first.left + 2, first.top + 2};
    ScreenToClient(grid, &point);
    SendMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    SendMessageW(grid, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(FocusOf(*table.Get()), 1);

    SendMessageW(grid, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(Heard(EVENT_OBJECT_FOCUS, grid, 4));
    EXPECT_TRUE(Heard(EVENT_OBJECT_SELECTION, grid, 4));
    EXPECT_EQ(FocusOf(*table.Get()), 4);
    EXPECT_NE(StateOf(*table.Get(), 4) & STATE_SYSTEM_FOCUSED, 0);
    EXPECT_EQ(StateOf(*table.Get(), 1) & (STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED), 0);
    SendMessageW(grid, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(Heard(EVENT_OBJECT_FOCUS, grid, 5));
    EXPECT_EQ(NumberFrom([&](VARIANT* selection) { table->get_accSelection(selection); }), 5);

    struct Step {
        LONG from, direction, to;
    } steps[] = {{5, NAVDIR_UP, 2},    {5, NAVDIR_DOWN, 8},       {5, NAVDIR_LEFT, 4},
                 {3, NAVDIR_RIGHT, -1}, {3, NAVDIR_NEXT, 4},       {1, NAVDIR_PREVIOUS, -1},
                 {CHILDID_SELF, NAVDIR_FIRSTCHILD, 1}, {CHILDID_SELF, NAVDIR_LASTCHILD, 9}};
    for (const Step& step : steps)
        EXPECT_EQ(NavigateFrom(*table.Get(), step.from, step.direction), step.to) << step.from << " " << step.direction;

    // The first row's price: its editor opens over it, named as the cell, and what is
    // typed there and stored changes the cell's value.
    ASSERT_EQ(table->accDoDefaultAction(Child(3)), S_OK);
    HWND editor = VisibleChild(grid);
    ASSERT_NE(editor, nullptr);
    ComRef<IAccessible> edit = ObjectOf(editor);
    ASSERT_TRUE(edit);
    EXPECT_EQ(NameOf(*edit.Get()), "Цена покупки, строка 1");
    SendMessageW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4321"));
    SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(Heard(EVENT_OBJECT_VALUECHANGE, grid, 3));
    EXPECT_EQ(ValueOf(*table.Get(), 3), "4321");
    EXPECT_EQ(table->accDoDefaultAction(Child(1)), DISP_E_MEMBERNOTFOUND);
}

}  // namespace
