#pragma once

#include <array>
#include <cstdint>

// One SCSI command as the instrument sees it: a CDB and an optional data-in
// buffer. All three commands of the instrument move data from the device.
struct ScsiCommand {
    std::array<std::uint8_t, 16> cdb{};
    std::uint8_t cdbLength = 0;
    std::uint8_t* data = nullptr;  // data-in buffer, dataLength bytes; may be null when dataLength is 0
    std::uint32_t dataLength = 0;
    std::uint32_t timeoutSeconds = 0;
};

// What came back. A command succeeded only when the transport delivered it,
// the target answered with GOOD status and no error was reported on the way.
struct ScsiResult {
    bool ok = false;
    bool deviceGone = false;        // the device was unplugged or is going away
    std::uint32_t transferred = 0;  // bytes that actually arrived in the data buffer
    std::uint8_t scsiStatus = 0;    // SCSI status byte (0 = GOOD, 2 = CHECK CONDITION)
    std::uint8_t senseLength = 0;   // sense bytes actually written
    std::array<std::uint8_t, 32> sense{};
    int systemError = 0;  // errno on Linux, GetLastError() on Windows, 0 if none
};

// Executes one SCSI command on an opened instrument. Implementations: the
// Windows pass-through, Linux SG_IO and the simulated instrument. Execute must
// be safe to call from several threads at once on the same transport: the
// user-interface thread probes the drive while a reader thread reads from it.
class ScsiTransport {
public:
    virtual ~ScsiTransport() = default;
    virtual ScsiResult Execute(const ScsiCommand& command) = 0;
};
