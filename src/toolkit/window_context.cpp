#include "toolkit/window_context.h"

HDC WindowContext::MeasuringDc() {
    if (!measuringDc_) measuringDc_.Reset(CreateCompatibleDC(nullptr));
    return measuringDc_.Get();
}
