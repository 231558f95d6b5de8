#pragma once
#include <windows.h>

#include <memory>
#include <string_view>

// The clipboard, open for as long as this lives.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_;
};

// Puts text on the clipboard as Unicode, as a page or a sheet the player copies from does;
// false when the clipboard would not take it.
inline bool PutOnClipboard(HWND owner, std::wstring_view text) {
    struct GlobalFreer {
        void operator()(void* memory) const { GlobalFree(memory); }
    };
    std::unique_ptr<void, GlobalFreer> memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory) return false;
    auto* chars = static_cast<wchar_t*>(GlobalLock(memory.get()));
    chars[text.copy(chars, text.size())] = L'\0';
    GlobalUnlock(memory.get());
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory.get()))
        return false;
    memory.release();  // the clipboard's now
    return true;
}
