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

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}
