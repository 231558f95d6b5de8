#pragma once

class Control;

// The About command: one information box over the main window.
void ShowAbout(Control& window);

// The box's caption and text, lines separated by CR LF.
extern const char* const kAboutCaption;
extern const char* const kAboutText;
