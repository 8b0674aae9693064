#include <fcntl.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "SigrokLibrary.h"
#include "SigrokSession.h"
#include "TargetFile.h"

namespace {

// libsigrok's word for the failure, or a plain one. srzip puts its own
// words before libzip's reason when the archive cannot be written.
std::string LibraryReason(const char* otherwise) {
    std::string why = SigrokLibrary::LastMessage();
    const std::string saving = "Error saving session file: ";
    if (why.starts_with(saving)) {
        why.erase(0, saving.size());
    }
    return why.empty() ? std::string(otherwise) : why;
}

}  // namespace

// The srzip output module and the device it describes; both go back to
// libsigrok when this goes.
struct SigrokSessionWriter::Output {
    sr_dev_inst* device = nullptr;
    const sr_output* output = nullptr;
    std::vector<sr_channel*> channels;

    ~Output() {
        if (output != nullptr) {
            sr_output_free(output);
        }
        if (device != nullptr) {
            SigrokLibrary::Get().ReturnDevice(device);
        }
    }

    bool Send(int type, const void* payload) const {
        sr_datafeed_packet packet{};
        packet.type = static_cast<std::uint16_t>(type);
        packet.payload = payload;
        GString* text = nullptr;
        const int result = sr_output_send(output, &packet, &text);
        if (text != nullptr) {
            g_string_free(text, TRUE);
        }
        return result == SR_OK;
    }
};

std::unique_ptr<SigrokSessionWriter> SigrokSessionWriter::Create(const std::string& path,
                                                                 std::uint64_t sampleRate,
                                                                 const std::vector<std::string>& channelNames,
                                                                 std::string* error,
                                                                 std::size_t packetSamples) {
    namespace fs = std::filesystem;
    const std::string cannot = path + ": cannot be written: ";
    if (sampleRate == 0 || channelNames.empty() || packetSamples == 0) {
        *error = cannot + "a session needs a sample rate and at least one channel";
        return nullptr;
    }
    fs::path target;
    if (const std::string refusal = ReplaceableTarget(path, &target); !refusal.empty()) {
        *error = cannot + refusal;
        return nullptr;
    }
    // Beside the target, so the rename stays on one file system; hidden,
    // and named after it, should it ever be left behind. Appended piece by
    // piece: GCC 12 at -O3 takes "." + std::string for an overlapping copy
    // (-Wrestrict) once inlined.
    std::string hidden = ".";
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string temporary = (target.parent_path() / hidden).string();
    errno = 0;
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        *error = cannot + std::strerror(errno);
        return nullptr;
    }
    close(fd);

    SigrokLibrary& library = SigrokLibrary::Get();
    SigrokLibrary::ClearMessage();
    auto output = std::make_unique<Output>();
    const sr_output_module* srzip = sr_output_find(const_cast<char*>("srzip"));
    if (library.Context() != nullptr && srzip != nullptr) {
        output->device = library.BorrowDevice(channelNames);
    }
    if (output->device != nullptr) {
        for (GSList* l = sr_dev_inst_channels_get(output->device); l != nullptr; l = l->next) {
            output->channels.push_back(static_cast<sr_channel*>(l->data));
        }
        // The srzip module deletes the file it is given and makes the archive
        // there; libzip then replaces it whole at every packet.
        output->output = sr_output_new(srzip, nullptr, output->device, temporary.c_str());
    }
    if (output->output == nullptr || output->channels.size() != channelNames.size()) {
        *error = cannot + LibraryReason("libsigrok has no session writer");
        output.reset();
        fs::remove(temporary);
        return nullptr;
    }

    sr_datafeed_header header{};
    header.feed_version = 1;
    gettimeofday(&header.starttime, nullptr);
    sr_config rate{SR_CONF_SAMPLERATE, g_variant_new_uint64(sampleRate)};
    g_variant_ref_sink(rate.data);
    GSList config{&rate, nullptr};
    sr_datafeed_meta meta{&config};
    const bool started = output->Send(SR_DF_HEADER, &header) && output->Send(SR_DF_META, &meta);
    g_variant_unref(rate.data);
    if (!started) {
        *error = cannot + LibraryReason("libsigrok refused the session's sample rate");
        output.reset();
        fs::remove(temporary);
        return nullptr;
    }
    return std::unique_ptr<SigrokSessionWriter>(new SigrokSessionWriter(
        path, target.string(), temporary, std::move(output), channelNames.size(), packetSamples));
}

SigrokSessionWriter::SigrokSessionWriter(std::string path, std::string target, std::string temporary,
                                         std::unique_ptr<Output> output, std::size_t channels,
                                         std::size_t packetSamples)
    : path_(std::move(path)),
      target_(std::move(target)),
      temporary_(std::move(temporary)),
      output_(std::move(output)),
      packetSamples_(std::min(packetSamples, static_cast<std::size_t>(kMaxSessionSamples))),
      pending_(channels),
      counts_(channels, 0) {}

SigrokSessionWriter::~SigrokSessionWriter() {
    output_.reset();
    if (!finished_) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

bool SigrokSessionWriter::Fail(const std::string& why) {
    if (error_.empty()) {
        error_ = why;
    }
    output_.reset();
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    return false;
}

bool SigrokSessionWriter::Send(std::size_t channel) {
    std::vector<float>& volts = pending_[channel];
    if (volts.empty()) {
        return true;
    }
    sr_analog_encoding encoding{};
    encoding.unitsize = sizeof(float);
    encoding.is_signed = TRUE;
    encoding.is_float = TRUE;
#if G_BYTE_ORDER == G_BIG_ENDIAN
    encoding.is_bigendian = TRUE;
#endif
    encoding.digits = 7;
    encoding.is_digits_decimal = TRUE;
    encoding.scale = {1, 1};
    encoding.offset = {0, 1};
    GSList channels{output_->channels[channel], nullptr};
    sr_analog_meaning meaning{};
    meaning.mq = SR_MQ_VOLTAGE;
    meaning.unit = SR_UNIT_VOLT;
    meaning.mqflags = SR_MQFLAG_DC;
    meaning.channels = &channels;
    sr_analog_spec spec{7};
    sr_datafeed_analog analog{volts.data(), static_cast<std::uint32_t>(volts.size()), &encoding, &meaning,
                              &spec};
    SigrokLibrary::ClearMessage();
    if (!output_->Send(SR_DF_ANALOG, &analog)) {
        return Fail(path_ + ": cannot be written: " + LibraryReason("libsigrok refused the samples"));
    }
    volts.clear();
    return true;
}

bool SigrokSessionWriter::Append(std::size_t channel, std::span<const float> volts) {
    if (!error_.empty() || finished_ || channel >= pending_.size()) {
        return false;
    }
    if (counts_[channel] + volts.size() > kMaxSessionSamples) {
        return Fail(path_ + ": full: a sigrok session holds at most " + std::to_string(kMaxSessionSamples) +
                    " samples of a channel here");
    }
    counts_[channel] += volts.size();
    std::vector<float>& pending = pending_[channel];
    while (!volts.empty()) {
        const std::size_t take = std::min(volts.size(), packetSamples_ - pending.size());
        pending.insert(pending.end(), volts.begin(), volts.begin() + static_cast<std::ptrdiff_t>(take));
        volts = volts.subspan(take);
        if (pending.size() == packetSamples_ && !Send(channel)) {
            return false;
        }
    }
    return true;
}

bool SigrokSessionWriter::PutFrame(std::span<const float> frame) {
    if (frame.size() != pending_.size()) {
        return Fail(path_ + ": cannot be written: a frame of " + std::to_string(frame.size()) +
                    " values for " + std::to_string(pending_.size()) + " channels");
    }
    for (std::size_t channel = 0; channel < frame.size(); ++channel) {
        if (!Append(channel, frame.subspan(channel, 1))) {
            return false;
        }
    }
    return true;
}

bool SigrokSessionWriter::Finish() {
    if (finished_ || !error_.empty()) {
        return error_.empty();
    }
    for (std::size_t channel = 0; channel < counts_.size(); ++channel) {
        if (counts_[channel] == 0) {
            return Fail(path_ + ": not written: no samples of " + output_->channels[channel]->name +
                        " to save (a sigrok session needs at least one)");
        }
    }
    for (std::size_t channel = 0; channel < pending_.size(); ++channel) {
        if (!Send(channel)) {
            return false;
        }
    }
    SigrokLibrary::ClearMessage();
    if (!output_->Send(SR_DF_END, nullptr)) {
        return Fail(path_ + ": cannot be written: " + LibraryReason("libsigrok did not end the session"));
    }
    output_.reset();
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        return Fail(path_ + ": cannot be written: " + error.message());
    }
    finished_ = true;
    return true;
}

std::string WriteSigrokSession(const std::string& path, std::uint64_t sampleRate,
                               const std::vector<std::string>& channelNames,
                               const std::vector<std::vector<float>>& channels) {
    std::string error;
    if (channels.size() != channelNames.size()) {
        return path + ": cannot be written: " + std::to_string(channels.size()) + " channels for " +
               std::to_string(channelNames.size()) + " names";
    }
    std::unique_ptr<SigrokSessionWriter> writer =
        SigrokSessionWriter::Create(path, sampleRate, channelNames, &error);
    if (writer == nullptr) {
        return error;
    }
    for (std::size_t channel = 0; channel < channels.size(); ++channel) {
        if (!writer->Append(channel, channels[channel])) {
            return writer->Error();
        }
    }
    return writer->Finish() ? std::string() : writer->Error();
}
