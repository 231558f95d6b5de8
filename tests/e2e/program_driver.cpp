#include "program_driver.h"

#include "base/cp1251.h"

namespace {

bool IsClass(HWND window, const wchar_t* className) {
    wchar_t name[64];
    return GetClassNameW(window, name, 64) > 0 && lstrcmpiW(name, className) == 0;
}

struct WindowSearch {
    DWORD ProcessId;
    const wchar_t* ClassName;
    HWND Found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == search->ProcessId && IsWindowVisible(window) && IsClass(window, search->ClassName)) {
        search->Found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring WindowsPath(std::string_view path) {
    std::wstring result = Cp1251ToWide(path);
    if (!result.empty() && result[0] == L'/') result = L"Z:" + result;
    for (wchar_t& c : result)
        if (c == L'/') c = L'\\';
    return result;
}

RunningProgram::RunningProgram(const std::wstring& exe, const std::wstring& workingFolder,
                               const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, workingFolder.c_str(),
                        &startup, &process_))
        process_ = {};
}

RunningProgram::~RunningProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    if (!process_.hProcess) return nullptr;
    const DWORD start = GetTickCount();
    do {
        WindowSearch search{process_.dwProcessId, className, nullptr};
        EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found) return search.Found;
        if (WaitForSingleObject(process_.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeoutMs) const {
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void RunningProgram::WaitIdle() const {
    if (process_.hProcess) WaitForInputIdle(process_.hProcess, 5000);
}

std::string RunAndCapture(const std::wstring& exe, const std::wstring& arguments, DWORD& exitCode) {
    exitCode = ~DWORD(0);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                  &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
        WaitForSingleObject(process.hProcess, 20000);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return output;
}

std::string TextOf(HWND window) {
    LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return WideToCp1251(text);
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

HWND ChildAt(HWND parent, const wchar_t* className, int x, int y) {
    for (HWND child : ChildrenOf(parent)) {
        RECT rect = RectInParent(child);
        if (rect.left == x && rect.top == y && IsClass(child, className)) return child;
    }
    return nullptr;
}

HWND FindByText(HWND root, const wchar_t* className, std::string_view text) {
    for (HWND child : ChildrenOf(root)) {
        if (IsClass(child, className) && TextOf(child) == text) return child;
        if (HWND found = FindByText(child, className, text)) return found;
    }
    return nullptr;
}

void PickComboItem(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

void ClickButton(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

bool WaitForText(HWND window, std::string_view text, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (TextOf(window) == text) return true;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}
