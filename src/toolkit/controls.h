#pragma once
#include <memory>
#include <string_view>

#include "toolkit/control.h"

// The control kinds: each wraps one Win32 class with fixed styles and notification codes.
// A child is owned by its parent and starts at the parent's margin.

enum class PanelEdge { None, Raised, Lowered };
enum EditOption : unsigned { kEditDigitsOnly = 1 };
enum ComboOption : unsigned { kComboDropDownList = 1 };

inline constexpr const wchar_t* kFormClass = L"Form";

std::unique_ptr<Control> CreateForm(std::string_view caption);
Control& CreateLabel(Control& parent, std::string_view text);
Control& CreateButton(Control& parent, std::string_view text);
Control& CreateCheckBox(Control& parent, std::string_view text);
Control& CreateGroupBox(Control& parent, std::string_view text);
Control& CreatePanel(Control& parent, PanelEdge edge);
Control& CreateEditBox(Control& parent, unsigned options);   // EditOption flags
Control& CreateComboBox(Control& parent, unsigned options);  // ComboOption flags
// A child of a window class of the caller's own, registered on first use; the caller
// attaches a message filter to give it its behaviour.
Control& CreateCustomControl(Control& parent, const wchar_t* className, UINT classStyle,
                             DWORD style, DWORD exStyle);
