// libFuzzer entry for the sample file reader: any bytes must end in a file
// or a refusal, within the reader's limits, never a crash or a hang.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "SampleFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::optional<std::uint64_t> limit :
         {std::optional<std::uint64_t>(), std::optional<std::uint64_t>(3)}) {
        std::istringstream in(bytes);
        const SampleFileRead read = ReadSampleFile(in, limit);
        if (read.file.has_value() == !read.error.empty()) {
            std::abort();  // exactly one of a file and a reason
        }
        if (read.file) {
            for (int channel = 0; channel < 2; ++channel) {
                const auto& samples = read.file->channels[static_cast<std::size_t>(channel)];
                if ((!read.file->hasChannel[static_cast<std::size_t>(channel)] && !samples.empty()) ||
                    (limit && samples.size() > *limit)) {
                    std::abort();
                }
            }
        } else if (read.error.size() > 300) {
            std::abort();  // one short line, however long the input's lines
        }
    }
    return 0;
}
