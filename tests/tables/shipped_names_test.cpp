// The names of the shipped tables measured in the fonts the main window shows them in.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/cp1251.h"
#include "core/temp_folder.h"
#include "data/factory_list.h"
#include "data/table_loader.h"
#include "toolkit/font.h"
#include "toolkit/gdi_handles.h"

namespace {

// The window's font: Tahoma with a character height of 11 pixels.
void MakeWindowFont(Font& font, bool bold) {
    font.SetFaceName("Tahoma");
    font.SetHeight(-11_lpx);
    font.SetStyle(bold ? unsigned{kFontBold} : 0u);
}

int TextWidth(HDC dc, const Font& font, const std::string& text) {
    SelectGuard selected(dc, font.Handle(DpiScale()));
    std::wstring wide = Cp1251ToWide(text);
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

// The factory combo box is 360 pixels wide; frame, margins and drop-down button take 25.
constexpr int kComboTextWidth = 335;
// The bold name labels start 92 pixels into the 360-pixel main group, and support factory
// 2's at 445 pixels into the 710-pixel chain group: about 262 pixels before the frame, less
// a margin for fonts that set a little wider.
constexpr int kNameLabelWidth = 250;

TEST(ShippedNames, FitTheFactoryComboBoxAndTheNameLabels) {
    Catalogue catalogue;
    LoadTables(NativeOf(KELM_SOURCE_DIR) / kTablesFolder, catalogue);
    ASSERT_GE(catalogue.Stations.size(), std::size_t{FactoryList.back()} + 1);
    Font normal, bold;
    MakeWindowFont(normal, false);
    MakeWindowFont(bold, true);
    WindowDc screen(nullptr);
    ASSERT_TRUE(screen.Get());
    ASSERT_GT(TextWidth(screen.Get(), bold, "Завод"), TextWidth(screen.Get(), normal, "Завод"));

    for (std::int32_t index : FactoryList) {
        const std::string& name = catalogue.Stations[index].Name;
        EXPECT_LE(TextWidth(screen.Get(), normal, name), kComboTextWidth) << "station " << index;
    }
    for (std::size_t i = 0; i < catalogue.Stations.size(); ++i) {
        const std::string& name = catalogue.Stations[i].Name;
        EXPECT_LE(TextWidth(screen.Get(), bold, name), kNameLabelWidth) << "station " << i;
    }
}

}  // namespace
