#pragma once
#include <string_view>

#include "toolkit/control.h"

struct GroupBoxArgs {
    ControlArgs Common{};
    std::string_view Text{};
    bool CentredCaption = false;
};

// A frame with a caption around a group of controls, which are its children.
class GroupBox final : public Control {
public:
    static GroupBox& Create(Control& parent, const GroupBoxArgs& args);

private:
    explicit GroupBox(Control& parent) : Control(&parent) {}
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
    bool TakesFirstFocus() const override { return false; }
};
