#include "InstrumentProbe.h"

#include <algorithm>

#include "ScsiCommands.h"
#include "SptiCommands.h"
#include "ZeroAdjust.h"

bool IsInstrumentInquiry(const std::uint8_t* inquiry) {
    return inquiry[8] == 'K' && inquiry[9] == 'R' && inquiry[10] == 'V' && inquiry[16] == 'O' &&
           inquiry[17] == 's' && inquiry[18] == 'c';
}

bool AnswersAsInstrument(ScsiTransport& drive, std::uint8_t* inquiry) {
    std::fill_n(inquiry, kInquiryLength, std::uint8_t{0});
    return Inquiry_SPTI(drive, inquiry) && IsInstrumentInquiry(inquiry);
}

std::vector<InstrumentDrive> ProbeInstrumentDrives(DriveAccess& drives, std::uint8_t* inquiry,
                                                   bool firstOnly) {
    std::vector<InstrumentDrive> found;
    for (char drive = '0'; drive <= '9'; ++drive) {
        std::shared_ptr<ScsiTransport> handle = drives.Open(drive);
        if (handle == nullptr) {
            continue;
        }
        TEST_UNIT_READY_SPTI(*handle);
        if (AnswersAsInstrument(*handle, inquiry)) {
            found.push_back(InstrumentDrive{drive, std::move(handle)});
            if (firstOnly) {
                break;
            }
        }
    }
    return found;
}

std::optional<std::string> FirstZeroAdjustWindow(const IdentityScan& scan) {
    for (const std::string& identity : scan.identities) {
        if (std::optional<std::string> window = ZeroAdjustWindow(identity)) {
            return window;
        }
    }
    return std::nullopt;
}
