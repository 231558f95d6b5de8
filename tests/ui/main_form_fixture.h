#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "base/cp1251.h"
#include "data/catalogue.h"
#include "toolkit/application.h"
#include "toolkit/message_pump.h"
#include "toolkit/window_place.h"
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

    // Shown and active, as only then its controls take the focus.
    void ShowForKeys() {
        window->SetVisible(true);
        SetForegroundWindow(window->Window());
    }

    // A key the player presses on the focused control; the loop makes its characters.
    static void PressKey(int key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, static_cast<WPARAM>(key), 0);
        PumpMessages();
    }

    // A mouse click in the control's top-left corner, as a user makes it.
    static void UserClick(Control& control) {
        SendMessageW(control.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(control.Window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        PumpMessages();
    }

    // A few places, written down from the window's drawing in layout pixels; an auto-sized
    // control's size follows its text.
    struct PlaceCase {
        const char* name;
        const Control* control;
        LayoutRect place;
        bool autoSized;
    };
    std::vector<PlaceCase> SomePlaces() const {
        return {
            {"results group", form->ResultsGroup, MakeLayoutRect(376, 12, 340, 213), false},
            {"main cost caption", form->ResultCaptions[kMainCost], MakeLayoutRect(12, 20, 0, 0), true},
            {"main grid panel", (*form)[kMain].GridPanel, MakeLayoutRect(12, 70, 333, 83), false},
            {"calculate button", form->CalcButton, MakeLayoutRect(228, 177, 100, 25), false},
            {"manual prices", form->ManualPricesCheck, MakeLayoutRect(12, 179, 0, 22), true},
            {"close button", form->CloseButton, MakeLayoutRect(510, 550, 100, 25), false},
        };
    }
    // Where the windows are, and the font each was given, at scale.
    void ExpectPlacedAt(DpiScale scale) const {
        EXPECT_EQ(window->ClientWidth(), scale(722_lpx));
        EXPECT_EQ(window->ClientHeight(), scale(586_lpx));
        for (const PlaceCase& c : SomePlaces()) {
            const DeviceRect real = WindowPlace(c.control->Window()), expected = scale(c.place);
            EXPECT_EQ(real.Left, expected.Left) << c.name;
            EXPECT_EQ(real.Top, expected.Top) << c.name;
            if (!c.autoSized) {
                EXPECT_EQ(real.Width, expected.Width) << c.name;
            }
            if (c.place.Height > 0_lpx) {
                EXPECT_EQ(real.Height, expected.Height) << c.name;
            }
            LOGFONTW font{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c.control->Window(), WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_EQ(font.lfHeight, scale(-11_lpx).Value) << c.name;
        }
    }

    Catalogue catalogue;
    std::unique_ptr<Form> window;
    MainForm* form = nullptr;
};
