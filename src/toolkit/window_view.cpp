#include "toolkit/window_view.h"

#include <algorithm>

#include "base/cp1251.h"

std::string WindowView::Text() const {
    int length = window_ ? GetWindowTextLengthW(window_) : 0;
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return WideToCp1251(text);
}

void WindowView::SetText(std::string_view text) const {
    if (window_) SetWindowTextW(window_, Cp1251ToWide(text).c_str());
}
