// Times programs from the creation of their process until their top-level window is
// visible. Launches them in turn, round after round, ends each once its window shows,
// and prints every time and the median of each program in milliseconds. A launch that
// shows no window is told of with its exit code and made again, a few times at most: one
// such launch was seen in hundreds under a loaded Wine, and a measure should not fail on it.
// Usage: startup_timer ROUNDS WORKING_FOLDER PROGRAM...

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) return TRUE;
    search->found = window;
    return FALSE;
}

// Milliseconds from CreateProcessW to the visible window; a negative value when it failed or
// showed none within a minute, after saying why.
double TimeStartUp(const wchar_t* program, const wchar_t* folder) {
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    std::vector<wchar_t> command(program, program + wcslen(program) + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup, &process)) {
        std::printf("%ls: not started, error %lu\n", program, GetLastError());
        return -1;
    }
    Search search{process.dwProcessId, nullptr};
    const ULONGLONG givenUp = GetTickCount64() + 60000;
    while (!search.found && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT && GetTickCount64() < givenUp)
        EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&shown);
    DWORD exitCode = STILL_ACTIVE;
    if (!search.found) GetExitCodeProcess(process.hProcess, &exitCode);
    // Ended at once: how long a program takes to close is no part of its start.
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!search.found) {
        std::printf("%ls: ended with code 0x%lx before showing a window\n", program, exitCode);
        return -1;
    }
    return 1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fputs("usage: startup_timer ROUNDS WORKING_FOLDER PROGRAM...\n", stderr);
        return 2;
    }
    const int rounds = _wtoi(argv[1]);
    const int programs = argc - 3;
    int launchesLeftToRepeat = 3;
    std::vector<std::vector<double>> times(static_cast<std::size_t>(programs));
    for (int round = 0; round < rounds; ++round)
        for (int p = 0; p < programs; ++p) {
            double time = TimeStartUp(argv[3 + p], argv[2]);
            for (; time < 0; time = TimeStartUp(argv[3 + p], argv[2]))
                if (launchesLeftToRepeat-- == 0) return 1;
            times[static_cast<std::size_t>(p)].push_back(time);
        }
    for (int p = 0; p < programs; ++p) {
        std::printf("%ls:", argv[3 + p]);
        for (double time : times[static_cast<std::size_t>(p)]) std::printf(" %.0f", time);
        std::printf("\nmedian %.0f ms\n", Median(times[static_cast<std::size_t>(p)]));
    }
    return 0;
}
