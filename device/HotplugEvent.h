#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "AsciiCase.h"

// A device arrival or removal as every backend reports it: Windows device
// notifications, udev on Linux, the simulated instrument's plug. The other
// backends copy the Windows vocabulary, so one rule decides what to do.

enum class HotplugAction { Arrival, RemoveComplete, Other };

// DBT_DEVTYP_DEVICEINTERFACE: the broadcast names a device interface. Only
// such events carry a name worth testing.
inline constexpr std::uint32_t kDeviceInterfaceHeader = 5;

struct HotplugEvent {
    HotplugAction action = HotplugAction::Other;
    std::uint32_t headerType = 0;
    std::string name;  // interface name, 8-bit text, lower case

    bool operator==(const HotplugEvent&) const = default;
};

// What the main window does about an event.
enum class DeviceChangeResponse {
    None,            // another device, or an event that names none
    Detect,          // the instrument arrived: detect it
    DetectThenStop,  // the instrument left: detect (and find nothing), then stop the run
};

// Arrival or removal of a device interface whose name holds "oscilloscope"
// concerns the instrument; anything else is left alone.
DeviceChangeResponse ResponseToDeviceChange(const HotplugEvent& event);
