#include <windows.h>

#include <cxxabi.h>

#include <exception>

#include "app/about_box.h"
#include "app/command_line.h"
#include "app/startup_tables.h"
#include "data/catalogue.h"
#include "toolkit/application.h"
#include "ui/main_form.h"

namespace {

void AboutClicked(void* window, Control&) { ShowAbout(*static_cast<Control*>(window)); }

// An exception that reached nothing that could catch it: the player hears of it as of any
// internal error, and the program ends.
[[noreturn]] void EndOnUncaughtException() {
    try {
        if (std::exception_ptr failure = std::current_exception()) std::rethrow_exception(failure);
        ReportInternalError({});
    } catch (const std::exception& failure) {
        ReportInternalError(failure.what());
    } catch (...) {
        ReportInternalError({});
    }
    ExitProcess(kInternalErrorExitCode);
}

}  // namespace

// Takes the place of the library's verbose terminate handler, which would bring its name
// demangler into the program (about 44 KB of the 64-bit exe) for a text no one sees.
void __gnu_cxx::__verbose_terminate_handler() { EndOnUncaughtException(); }

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Declared before the window so that the tables outlive it.
    Catalogue catalogue;
    try {
        NativePath tablesFolder = StartupTablesFolder();
        std::unique_ptr<Form> window = CreateMainForm(catalogue, tablesFolder);
        if (!ReportTableProblems(*window, tablesFolder)) {
            TerminateApplication();
            return 1;
        }
        FormOf(*window).AboutButton->OnClick = {&AboutClicked, window.get()};
        // A book given at start: a bad one is told of, and the window starts without it.
        if (std::optional<NativePath> book = FirstArgument(GetCommandLineW())) FormOf(*window).OpenBook(*book);
        return RunMessageLoop(*window);
    } catch (const std::exception& failure) {
        ReportInternalError(failure.what());
    } catch (...) {
        ReportInternalError({});
    }
    return kInternalErrorExitCode;
}
