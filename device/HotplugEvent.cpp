#include "HotplugEvent.h"

DeviceChangeResponse ResponseToDeviceChange(const HotplugEvent& event) {
    if (event.headerType != kDeviceInterfaceHeader || event.name.find("oscilloscope") == std::string::npos) {
        return DeviceChangeResponse::None;
    }
    switch (event.action) {
        case HotplugAction::Arrival:
            return DeviceChangeResponse::Detect;
        case HotplugAction::RemoveComplete:
            return DeviceChangeResponse::DetectThenStop;
        case HotplugAction::Other:
            break;
    }
    return DeviceChangeResponse::None;
}
