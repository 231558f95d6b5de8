// A control's geometry: the layout place it keeps, the device place its window gets from
// it, and the passes that follow a change of text, place or scale.
#include "toolkit/control.h"

Control& Control::SetPlace(const LayoutRect& place) {
    layout_ = place;
    hostPlace_.reset();
    FitToText();
    // A sibling that gives way measures its room from this place.
    if (parent_) parent_->FitGiveWayChildren();
    return *this;
}

Control& Control::Resize(LayoutPx width, LayoutPx height) {
    const LayoutPx none(0);
    return SetPlace({layout_.Left, layout_.Top, width > none ? width : layout_.Width,
                     height > none ? height : layout_.Height});
}

void Control::PlaceInHost(const DeviceRect& place) {
    hostPlace_ = place;
    FitToText();
}

DeviceRect Control::NaturalPlace(std::string_view text) {
    DeviceRect place = hostPlace_ ? *hostPlace_ : Scale()(layout_);
    SizeToText(place, text);
    return place;
}

// The room up to 2 layout pixels before the nearest visible sibling to the right whose rows
// meet the control's, or 0 when none is there.
DevicePx Control::RoomToTheRight(const DeviceRect& place) const {
    const DevicePx gapBefore = Scale()(2_lpx);
    DevicePx room(0);
    for (const auto& other : parent_->children_) {
        const DeviceRect& theirs = other->device_;
        const bool rowsMeet = theirs.Top < place.Bottom() && place.Top < theirs.Bottom();
        if (other.get() == this || !other->IsVisible() || !rowsMeet || theirs.Left <= place.Left) continue;
        const DevicePx gap = theirs.Left - gapBefore - place.Left;
        if (room == DevicePx(0) || gap < room) room = gap;
    }
    return room;
}

void Control::FitToText() {
    if (!window_) return;
    DeviceRect place = NaturalPlace(Text());
    bool cut = false;
    if (givesWay_ && parent_) {
        const DevicePx room = RoomToTheRight(place);
        cut = room > DevicePx(0) && place.Width > room;
        if (cut) place.Width = room;
    }
    ApplyDevicePlace(place);
    if (cut != captionCut_) {
        captionCut_ = cut;
        CaptionCutChanged();
        if (!cut) context_.Tooltip().Forget(*this);
    }
}

void Control::ApplyDevicePlace(const DeviceRect& place) {
    if (place == device_) return;
    device_ = place;
    SetWindowPos(window_, nullptr, place.Left.Value, place.Top.Value, place.Width.Value,
                 place.Height.Value, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::LayOutChildren() {
    for (auto& child : children_)
        if (!child->givesWay_) child->FitToText();
    FitGiveWayChildren();
    for (auto& child : children_) child->LayOutChildren();
}

void Control::FitGiveWayChildren() {
    for (auto& child : children_)
        if (child->givesWay_) child->FitToText();
}

void Control::TakeScaledFont() {
    if (window_) SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle(Scale())), TRUE);
    for (auto& child : children_) child->TakeScaledFont();
}

void Control::TellScaleChanged() {
    ScaleChanged();
    for (auto& child : children_) child->TellScaleChanged();
}
