#pragma once
#include <windows.h>

#include <vector>

#include "toolkit/control.h"

// A Ctrl+key shortcut of a command of the window menu.
struct Shortcut {
    int Key;      // a virtual key: 'O', 'S', 'C'
    int Command;  // the menu command it runs
    // The key is left to a box with a text selection that has the focus (Ctrl+C copies there).
    bool YieldsToText = false;
};

// A top-level window's shortcuts, one of its owned objects. The message loop asks about
// every key; a shortcut sends the window WM_SYSCOMMAND with its command, as the menu does.
class Shortcuts : public OwnedObject {
public:
    explicit Shortcuts(std::vector<Shortcut> shortcuts) : shortcuts_(std::move(shortcuts)) {}

    // True when the message was a key that ran a command.
    static bool HandleKey(const MSG& message);

private:
    std::vector<Shortcut> shortcuts_;
};
