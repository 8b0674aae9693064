#include "InstrumentFinder.h"

#include <cstdint>
#include <optional>

#include "device/InstrumentProbe.h"
#include "device/ScsiCommands.h"
#include "device/ZeroAdjust.h"

std::vector<FoundInstrument> FindInstruments(const DeviceLink& device, bool firstOnly) {
    std::vector<FoundInstrument> found;
    if (device.drives == nullptr) {
        return found;
    }
    if (device.discovery != nullptr) {
        device.discovery->RefreshDrives();
    }
    std::uint8_t inquiry[kInquiryLength];
    std::vector<InstrumentDrive> drives = ProbeInstrumentDrives(*device.drives, inquiry, firstOnly);
    if (drives.empty()) {
        return found;
    }
    IdentityScan scan;
    if (device.discovery != nullptr) {
        scan = device.discovery->ScanIdentities();
    }
    for (InstrumentDrive& drive : drives) {
        FoundInstrument instrument;
        instrument.drive = drive.drive;
        instrument.handle = std::move(drive.handle);
        const std::size_t index = static_cast<std::size_t>(drive.drive - '0');
        std::optional<std::string> window;
        if (index < scan.identities.size()) {
            window = ZeroAdjustWindow(scan.identities[index]);
            if (window) {
                instrument.identity = scan.identities[index];
            }
        }
        if (!window) {
            for (const std::string& identity : scan.identities) {
                if ((window = ZeroAdjustWindow(identity))) {
                    instrument.identity = identity;
                    break;
                }
            }
        }
        if (window) {
            const ZeroAdjustUpdate update = ParseZeroAdjust(*window);
            update.ApplyTo(instrument.zeroAdjust[0], instrument.zeroAdjust[1]);
            if (!update.ok()) {
                instrument.zeroAdjustProblem = update.error;
            }
        }
        found.push_back(std::move(instrument));
    }
    return found;
}

bool InstrumentAnswers(const DeviceLink& device, char drive) {
    if (device.drives == nullptr) {
        return false;
    }
    const std::shared_ptr<ScsiTransport> handle = device.drives->Open(drive);
    std::uint8_t inquiry[kInquiryLength];
    return handle != nullptr && AnswersAsInstrument(*handle, inquiry);
}
