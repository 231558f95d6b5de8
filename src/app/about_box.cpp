#include "app/about_box.h"

#include <windows.h>

#include "base/cp1251.h"
#include "toolkit/control.h"

const char* const kAboutCaption = "О программе";
const char* const kAboutText =
    "Программа для расчета производственных цепочек\r\n"
    "\r\n"
    "Автор: разработчики Kelm Economic Calculator aka kelm-calc\r\n"
    "Особая благодарность игрокам Kelm aka пилоты за помощь и советы\r\n"
    "E-mail: не указан\r\n"
    "\r\n"
    "Специально для пилотов Kelm";

void ShowAbout(Control& window) {
    MessageBoxW(window.Window(), Cp1251ToWide(kAboutText).c_str(),
                Cp1251ToWide(kAboutCaption).c_str(), MB_ICONINFORMATION | MB_OK);
}
