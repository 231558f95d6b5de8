#include "program_driver.h"

#include <algorithm>
#include <cwchar>

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

struct BoxSearch {
    HWND Besides;
    HWND Found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    if (window == search->Besides || !IsClass(window, L"#32770") || !IsWindowVisible(window)) return TRUE;
    search->Found = window;
    return FALSE;
}

struct UnhookWinEventFree {
    void operator()(HWINEVENTHOOK hook) const { UnhookWinEvent(hook); }
};
using OwnedWinEventHook = OwnedHandle<HWINEVENTHOOK, UnhookWinEventFree>;

// Its call is all it is for: the message that brings it ends the wait.
void CALLBACK Wake(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {}

JobProcess StartInJob(std::wstring commandLine, const wchar_t* workingFolder, STARTUPINFOW& startup,
                      bool inheritHandles) {
    JobProcess started;
    started.Job.Reset(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!started.Job ||
        !SetInformationJobObject(started.Job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
        return {};
    // Suspended until it is in the job, so that nothing it starts escapes it.
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, inheritHandles, CREATE_SUSPENDED, nullptr,
                        workingFolder, &startup, &process))
        return {};
    OwnedKernelHandle thread(process.hThread);
    started.Process.Reset(process.hProcess);
    started.Id = process.dwProcessId;
    if (!AssignProcessToJobObject(started.Job.Get(), process.hProcess)) {
        TerminateProcess(process.hProcess, 1);
        return {};
    }
    ResumeThread(process.hThread);
    return started;
}

}  // namespace

std::wstring WindowsPath(std::string_view path) {
    std::wstring result = Cp1251ToWide(path);
    if (!result.empty() && result[0] == L'/') result = L"Z:" + result;
    for (wchar_t& c : result)
        if (c == L'/') c = L'\\';
    return result;
}

DWORD Patience(DWORD nativeMs) {
    static const DWORD factor = [] {
        wchar_t text[16] = {};
        const DWORD length = GetEnvironmentVariableW(L"KELM_WAIT_FACTOR", text, 16);
        const unsigned long value = length > 0 && length < 16 ? std::wcstoul(text, nullptr, 10) : 0;
        return value > 0 ? static_cast<DWORD>(value) : DWORD{1};
    }();
    return nativeMs * factor;
}

RunningProgram::RunningProgram(const std::wstring& exe, const std::wstring& workingFolder,
                               const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    program_ = StartInJob(std::move(commandLine), workingFolder.c_str(), startup, false);
}

RunningProgram::~RunningProgram() {
    program_.Job.Reset();
    if (program_.Process) WaitForSingleObject(program_.Process.Get(), Patience(5000));
}

HWND RunningProgram::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    WindowSearch search{program_.Id, className, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
            return search.Found != nullptr;
        },
        timeoutMs);
    return search.Found;
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeoutMs) const {
    if (!program_.Process || WaitForSingleObject(program_.Process.Get(), Patience(timeoutMs)) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(program_.Process.Get(), &code);
    return code;
}

bool RunningProgram::WaitForText(HWND window, std::string_view text, DWORD timeoutMs) const {
    return WaitUntil([&] { return TextOf(window) == text; }, timeoutMs);
}

bool RunningProgram::WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) const {
    if (!program_.Process) return false;
    // Any window event of the program wakes this thread to look again. Not every change
    // raises one under Wine: without an event it looks again after a while all the same.
    OwnedWinEventHook hook(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_VALUECHANGE, nullptr, &Wake,
                                           program_.Id, 0, WINEVENT_OUTOFCONTEXT));
    const DWORD start = GetTickCount(), limit = Patience(timeoutMs), recheck = Patience(100);
    HANDLE process = program_.Process.Get();
    for (;;) {
        if (done()) return true;
        const DWORD waited = GetTickCount() - start;
        if (waited >= limit) return false;
        if (MsgWaitForMultipleObjects(1, &process, FALSE, std::min(limit - waited, recheck), QS_ALLINPUT) ==
            WAIT_OBJECT_0)
            return done();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

std::string RunAndCapture(const std::wstring& exe, const std::wstring& arguments, DWORD& exitCode) {
    exitCode = ~DWORD(0);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    OwnedKernelHandle reading(readEnd), writing(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    JobProcess process = StartInJob(L"\"" + exe + L"\" " + arguments, nullptr, startup, true);
    writing.Reset();  // the output ends when the program's copy of the pipe closes
    std::string output;
    if (!process.Process) return output;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
    WaitForSingleObject(process.Process.Get(), Patience(20000));
    GetExitCodeProcess(process.Process.Get(), &exitCode);
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

HWND BoxOfThread(HWND window, HWND besides) {
    BoxSearch search{besides, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), &MatchBox, reinterpret_cast<LPARAM>(&search));
    return search.Found;
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
