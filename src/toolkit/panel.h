#pragma once
#include "toolkit/control.h"

enum class PanelEdge { None, Lowered };

struct PanelArgs {
    ControlArgs Common{};
    PanelEdge Edge = PanelEdge::None;
};

// A plain area that holds other controls, with a sunken edge or none.
class Panel final : public Control {
public:
    static Panel& Create(Control& parent, const PanelArgs& args);

private:
    explicit Panel(Control& parent) : Control(&parent) {}
    bool HandleOwnMessage(const Message& message, LRESULT& result) override;
};
