// The About button's handler for the failure test's copy of the calculator: linked in front
// of the release's objects, it takes the place of the real one. It fails through the
// standard library, as a defect of the program would: caught by the window procedure, or
// with KELM_ABOUT_FAILS=uncaught in the environment (the command line names a price book),
// escaping to the terminate handler.
#include <windows.h>

#include <cwchar>
#include <vector>

#include "app/about_box.h"

namespace {

void ReserveTooMuch() {
    std::vector<char> never;
    never.reserve(never.max_size() + 1);
}

void ReserveTooMuchWithoutCatch() noexcept { ReserveTooMuch(); }

}  // namespace

void ShowAbout(Control&) {
    wchar_t how[16] = {};
    GetEnvironmentVariableW(L"KELM_ABOUT_FAILS", how, 16);
    if (std::wcscmp(how, L"uncaught") == 0)
        ReserveTooMuchWithoutCatch();
    else
        ReserveTooMuch();
}
