#include <windows.h>

#include "app/about_box.h"
#include "app/startup_tables.h"
#include "data/catalogue.h"
#include "toolkit/application.h"
#include "ui/main_form.h"

namespace {

void AboutClicked(void* window, Control&) { ShowAbout(*static_cast<Control*>(window)); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Declared before the window so that the tables outlive it.
    Catalogue catalogue;
    try {
        std::unique_ptr<Control> window = CreateMainForm(catalogue, StartupTablesFolder());
        if (!ReportTableProblems(*window)) {
            TerminateApplication();
            return 1;
        }
        FormOf(*window).AboutButton->OnClick = {&AboutClicked, window.get()};
        RunMessageLoop(*window);
    } catch (...) {
        // Only memory can run out here; there is nothing to save and no one to tell.
        return 1;
    }
    return 0;
}
