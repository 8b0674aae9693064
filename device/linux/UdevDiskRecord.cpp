#include "UdevDiskRecord.h"

#include <algorithm>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of letters or of digits that starts at from.
std::string_view RunAt(std::string_view text, std::size_t from) {
    const bool digits = IsDigit(text[from]);
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end]) == digits) {
        ++end;
    }
    return text.substr(from, end - from);
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits.front() == '0') {
        digits.remove_prefix(1);
    }
    return digits;
}

// Both runs are compared by length first: for digits (without leading zeros)
// that is their value, for letters it is the kernel's sdz < sdaa.
int CompareRuns(std::string_view a, std::string_view b) {
    const bool digitsA = IsDigit(a.front());
    const bool digitsB = IsDigit(b.front());
    if (digitsA != digitsB) {
        return digitsA ? -1 : 1;
    }
    if (digitsA) {
        a = WithoutLeadingZeros(a);
        b = WithoutLeadingZeros(b);
    }
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

constexpr std::string_view kByIdPrefix = "/dev/disk/by-id/";

}  // namespace

bool KernelNameLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::string_view runA = RunAt(a, i);
        const std::string_view runB = RunAt(b, j);
        if (const int order = CompareRuns(runA, runB); order != 0) {
            return order < 0;
        }
        i += runA.size();
        j += runB.size();
    }
    // Equal so far: the shorter name (fewer runs) comes first; the plain
    // comparison settles names that differ only in leading zeros.
    if ((i < a.size()) != (j < b.size())) {
        return j < b.size();
    }
    return a < b;
}

std::vector<UdevDiskRecord> OrderedScsiDisks(std::vector<UdevDiskRecord> records) {
    std::erase_if(records, [](const UdevDiskRecord& r) { return r.scsiDriver != "sd"; });
    std::stable_sort(records.begin(), records.end(), [](const UdevDiskRecord& a, const UdevDiskRecord& b) {
        return KernelNameLess(a.sysname, b.sysname);
    });
    return records;
}

std::string DiskIdentity(const UdevDiskRecord& disk) {
    std::vector<std::string_view> parts{disk.serial};
    for (const std::string& link : disk.links) {
        if (link.starts_with(kByIdPrefix) && link.size() > kByIdPrefix.size()) {
            parts.push_back(std::string_view(link).substr(kByIdPrefix.size()));
        }
    }
    parts.push_back(disk.devpath);
    std::string identity;
    for (const std::string_view part : parts) {
        if (part.empty()) {
            continue;
        }
        if (!identity.empty()) {
            identity += ' ';
        }
        identity += part;
    }
    return UpperAscii(identity);
}

HotplugEvent HotplugEventFromUdev(std::string_view action, const UdevDiskRecord& disk) {
    HotplugEvent event;
    if (action == "add") {
        event.action = HotplugAction::Arrival;
    } else if (action == "remove") {
        event.action = HotplugAction::RemoveComplete;
    }
    event.headerType = kDeviceInterfaceHeader;
    event.name = LowerAscii(DiskIdentity(disk));
    return event;
}
