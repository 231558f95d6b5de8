#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "data/catalogue.h"
#include "toolkit/application.h"
#include "toolkit/cp1251.h"
#include "toolkit/message_pump.h"
#include "ui/main_form.h"

// The main window built hidden on the shipped tables, as start-up builds it.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCurrentDirectoryW(Cp1251ToWide(KELM_SOURCE_DIR).c_str());
        window = CreateMainForm(catalogue);
        form = &FormOf(*window);
    }
    void TearDown() override {
        window.reset();
        SetApplicationWindow(nullptr);
    }

    // The user presses the down arrow in the closed factory list.
    void PickNextFactory() {
        SendMessageW(form->FactoryCombo->Window(), WM_KEYDOWN, VK_DOWN, 0);
        PumpMessages();
    }

    // A mouse click in the control's top-left corner, as a user makes it.
    static void UserClick(Control& control) {
        SendMessageW(control.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(control.Window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpMessages();
    }

    Catalogue catalogue;
    std::unique_ptr<Form> window;
    MainForm* form = nullptr;
};
