// The calculator's window built the plainest way Win32 allows, as the floor its start-up
// is measured against: the same manifest, the 74 controls with their texts, fonts and
// places, four windows of a grid class that paints its lines, 96 list items, then shown.
// One CreateWindowExW per control, visible from birth on a hidden parent, one measuring DC
// for the auto sizes. Nothing else.

#include <windows.h>

#include <initializer_list>

namespace {

enum Kind { kStatic, kCombo, kGroup, kPanel, kGrid, kEdit, kCheck, kButton };
enum Setting : unsigned {
    kRegular = 1,
    kBold = 2,
    kGreyText = 4,
    kCentred = 8,
    kDisabled = 16,
    kHidden = 32,
    kChecked = 64,
    kWindowBackground = 128,
};
constexpr int kAuto = 0;

struct Row {
    Kind kind;
    int parent;  // an earlier row, or -1 for the window
    int left, top, width, height;
    const wchar_t* text;
    unsigned settings;
};

// The calculator's rows, in its creation order.
constexpr Row kRows[] = {
    {kStatic, -1, 6, 12, kAuto, kAuto, L"Выберите фабрику, для которой хотите построить цепочку", kRegular},
    {kCombo, -1, 6, 30, 360, 22, L"", kRegular | kWindowBackground},
    {kGroup, -1, 6, 229, 710, 310, L"Фабрики цепочки", kBold | kDisabled | kCentred},
    {kStatic, 2, 300, 187, kAuto, kAuto, L"00:00:00", kRegular},
    {kStatic, 2, 236, 187, kAuto, kAuto, L"0", kRegular},
    {kStatic, 2, 175, 187, kAuto, kAuto, L"Продукта:", kRegular},
    {kStatic, 2, 92, 164, kAuto, kAuto, L"", 0},
    {kStatic, 2, 445, 20, kAuto, kAuto, L"", 0},
    {kStatic, 2, 92, 20, kAuto, kAuto, L"", 0},
    {kStatic, 2, 365, 43, kAuto, kAuto, L"Цена продажи", kRegular},
    {kStatic, 2, 236, 43, kAuto, kAuto, L"0", kRegular},
    {kStatic, 2, 617, 43, kAuto, kAuto, L"Цикл:", kRegular},
    {kStatic, 2, 528, 43, kAuto, kAuto, L"Продукта:", kRegular},
    {kStatic, 2, 12, 43, kAuto, kAuto, L"Цена продажи", kRegular},
    {kStatic, 2, 175, 43, kAuto, kAuto, L"Продукта:", kRegular},
    {kStatic, 2, 264, 43, kAuto, kAuto, L"Цикл:", kRegular},
    {kStatic, 2, 300, 43, kAuto, kAuto, L"00:00:00", kRegular},
    {kStatic, 2, 12, 187, kAuto, kAuto, L"Цена продажи", kRegular},
    {kStatic, 2, 589, 43, kAuto, kAuto, L"0", kRegular},
    {kStatic, 2, 264, 187, kAuto, kAuto, L"Цикл:", kRegular},
    {kStatic, 2, 653, 43, kAuto, kAuto, L"00:00:00", kRegular},
    {kPanel, 2, 365, 70, 333, 83, L"", 0},
    {kGrid, 21, 0, 0, 331, 81, L"", kRegular},
    {kPanel, 2, 12, 214, 333, 83, L"", 0},
    {kGrid, 23, 0, 0, 331, 81, L"", kRegular},
    {kPanel, 2, 12, 70, 333, 83, L"", 0},
    {kGrid, 25, 0, 0, 331, 81, L"", kRegular},
    {kEdit, 2, 445, 40, 70, 20, L"", kRegular | kWindowBackground},
    {kEdit, 2, 92, 40, 70, 20, L"", kRegular | kWindowBackground},
    {kEdit, 2, 92, 184, 70, 20, L"", kRegular | kWindowBackground},
    {kCheck, 2, 365, 18, 75, 17, L"Фабрика 2:", kRegular | kChecked},
    {kCheck, 2, 13, 18, 75, 17, L"Фабрика 1:", kRegular | kChecked},
    {kCheck, 2, 12, 162, 75, 17, L"Фабрика 3:", kRegular | kChecked},
    {kGroup, 2, 365, 172, 333, 60, L"", kCentred},
    {kStatic, 33, 118, 0, kAuto, kAuto, L" Цены ресурсов ", kGreyText},
    {kButton, 33, 12, 22, 100, 25, L"Минимальные", kRegular},
    {kButton, 33, 117, 22, 100, 25, L"Средние", kRegular},
    {kButton, 33, 221, 22, 100, 25, L"Максимальные", kRegular},
    {kGroup, 2, 365, 237, 333, 60, L"", kCentred},
    {kStatic, 38, 89, 0, kAuto, kAuto, L" Цена продажи продукта ", kGreyText},
    {kButton, 38, 12, 22, 100, 25, L"Минимальная", kRegular},
    {kButton, 38, 117, 22, 100, 25, L"Средняя", kRegular},
    {kButton, 38, 221, 22, 100, 25, L"Максимальная", kRegular},
    {kGroup, -1, 6, 60, 360, 165, L"Главная фабрика", kBold | kCentred},
    {kStatic, 43, 12, 20, kAuto, kAuto, L"Фабрика:", kRegular},
    {kStatic, 43, 264, 43, kAuto, kAuto, L"Цикл:", kRegular},
    {kStatic, 43, 12, 43, kAuto, kAuto, L"Цена продажи", kRegular},
    {kStatic, 43, 236, 43, kAuto, kAuto, L"0", kRegular},
    {kStatic, 43, 92, 20, kAuto, kAuto, L"", 0},
    {kStatic, 43, 300, 43, kAuto, kAuto, L"00:00:00", kRegular},
    {kStatic, 43, 175, 43, kAuto, kAuto, L"Продукта:", kRegular},
    {kPanel, 43, 12, 70, 333, 83, L"", 0},
    {kGrid, 51, 0, 0, 331, 81, L"", kRegular},
    {kEdit, 43, 92, 40, 70, 20, L"", kRegular | kWindowBackground},
    {kGroup, -1, 376, 12, 340, 213, L"Результаты расчета", kBold | kCentred},
    {kStatic, 54, 260, 80, kAuto, kAuto, L"0", 0},
    {kStatic, 54, 12, 20, kAuto, kAuto, L"Затраты на производство на главной фабрике:", kRegular},
    {kStatic, 54, 260, 20, kAuto, kAuto, L"0", 0},
    {kStatic, 54, 12, 40, kAuto, kAuto, L"Затраты на первой фабрике поддержки:", kRegular},
    {kStatic, 54, 260, 40, kAuto, kAuto, L"0", 0},
    {kStatic, 54, 12, 60, kAuto, kAuto, L"Затраты на второй фабрике поддержки:", kRegular},
    {kStatic, 54, 260, 60, kAuto, kAuto, L"0", 0},
    {kStatic, 54, 12, 80, kAuto, kAuto, L"Затраты на третьей фабрике поддержки:", kRegular},
    {kStatic, 54, 260, 140, kAuto, kAuto, L"0", 0},
    {kStatic, 54, 12, 100, kAuto, kAuto, L"Суммарные затраты на всех фабриках:", kRegular},
    {kStatic, 54, 260, 100, kAuto, kAuto, L"0", 0},
    {kStatic, 54, 12, 120, kAuto, kAuto, L"Доход главной фабрики за сутки:", kRegular},
    {kStatic, 54, 260, 120, kAuto, kAuto, L"0", 0},
    {kStatic, 54, 12, 140, kAuto, kAuto, L"Доход цепочки за сутки:", kRegular},
    {kButton, 54, 228, 177, 100, 25, L"Расчет", kDisabled},
    {kCheck, 54, 12, 179, kAuto, 22, L"Все цены выставляются вручную", kRegular},
    {kButton, -1, 510, 550, 100, 25, L"Закрыть", kRegular},
    {kButton, -1, 615, 550, 100, 25, L"О программе", kRegular},
    {kEdit, -1, 415, 554, 80, 16, L"", kRegular | kHidden | kWindowBackground},
};
constexpr int kRowCount = sizeof kRows / sizeof kRows[0];

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kStaticStyle = kChild | SS_NOTIFY | SS_NOPREFIX | SS_LEFTNOWORDWRAP;

struct Look {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

Look LookOf(const Row& row) {
    switch (row.kind) {
    case kStatic: return {L"STATIC", kStaticStyle, 0};
    case kCombo: return {L"COMBOBOX", kChild | WS_TABSTOP | WS_VSCROLL | CBS_HASSTRINGS | CBS_DROPDOWNLIST, WS_EX_CLIENTEDGE};
    case kGroup: return {L"BUTTON", kChild | WS_GROUP | WS_TABSTOP | BS_GROUPBOX | ((row.settings & kCentred) ? BS_CENTER : 0), WS_EX_CONTROLPARENT};
    case kPanel: return {L"STATIC", kStaticStyle | SS_SUNKEN, WS_EX_CONTROLPARENT};
    case kGrid: return {L"ReferenceGrid", kChild | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case kEdit: return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NUMBER, WS_EX_CLIENTEDGE};
    case kCheck: return {L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
    case kButton: break;
    }
    return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHLIKE, 0};
}

// A grid of three columns and four lines of rows: the header strip and the lines.
LRESULT CALLBACK GridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    RECT header{0, 0, client.right, 20};
    FillRect(dc, &header, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, GetSysColor(COLOR_BTNSHADOW));
    for (int x : {160, 230, 330}) {
        MoveToEx(dc, x, 0, nullptr);
        LineTo(dc, x, client.bottom);
    }
    for (int y = 20; y < client.bottom; y += 20) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, client.right, y);
    }
    SelectObject(dc, old);
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT MakeFont(bool bold) {
    LOGFONTW font{};
    font.lfHeight = -11;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(font.lfFaceName, L"Tahoma");
    return CreateFontIndirectW(&font);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW formClass{};
    formClass.lpfnWndProc = &FormProc;
    formClass.hInstance = instance;
    formClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    formClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    formClass.lpszClassName = L"ReferenceForm";
    RegisterClassW(&formClass);
    WNDCLASSW gridClass{};
    gridClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    gridClass.lpfnWndProc = &GridProc;
    gridClass.hInstance = instance;
    gridClass.lpszClassName = L"ReferenceGrid";
    RegisterClassW(&gridClass);

    const DWORD formStyle = WS_OVERLAPPEDWINDOW & ~DWORD{WS_MAXIMIZEBOX};
    RECT outer{0, 0, 722, 586};
    AdjustWindowRectEx(&outer, formStyle, FALSE, WS_EX_CONTROLPARENT);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    HWND form = CreateWindowExW(WS_EX_CONTROLPARENT, L"ReferenceForm",
                                L"Программа для расчета производственных цепочек в Kelm", formStyle,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);

    const HFONT fonts[2] = {MakeFont(false), MakeFont(true)};
    HDC measuring = CreateCompatibleDC(nullptr);
    HWND windows[kRowCount];
    bool bold[kRowCount];
    for (int i = 0; i < kRowCount; ++i) {
        const Row& row = kRows[i];
        bold[i] = (row.settings & kBold) || (!(row.settings & kRegular) && row.parent >= 0 && bold[row.parent]);
        HFONT font = fonts[bold[i] ? 1 : 0];
        int w = row.width, h = row.height;
        if (w == kAuto) {
            SIZE size{0, 0};
            if (*row.text) {
                SelectObject(measuring, font);
                RECT area{0, 0, 0, 0};
                DrawTextW(measuring, row.text, -1, &area, DT_CALCRECT | DT_NOPREFIX);
                size = {area.right, area.bottom};
            }
            w = row.kind == kCheck ? size.cx + 24 : size.cx + 1;
            if (row.kind != kCheck) h = size.cy + 1;
        }
        Look look = LookOf(row);
        DWORD style = look.style;
        if (row.settings & kDisabled) style |= WS_DISABLED;
        if (row.settings & kHidden) style &= ~DWORD{WS_VISIBLE};
        windows[i] = CreateWindowExW(look.exStyle, look.className, row.text, style, row.left, row.top, w, h,
                                     row.parent >= 0 ? windows[row.parent] : form,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance, nullptr);
        SendMessageW(windows[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (row.settings & kChecked) SendMessageW(windows[i], BM_SETCHECK, BST_CHECKED, 0);
        for (int item = 1; row.kind == kCombo && item <= 96; ++item) {
            wchar_t text[32];
            wsprintfW(text, L"Фабрика № %d", item);
            SendMessageW(windows[i], CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    }
    DeleteDC(measuring);

    ShowWindow(form, SW_SHOW);
    UpdateWindow(form);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    for (HFONT font : fonts) DeleteObject(font);
    return 0;
}
