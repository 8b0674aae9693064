#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <string_view>

#include "MessageQuote.h"
#include "SigrokLibrary.h"
#include "SigrokSession.h"
#include "SigrokSessionCheck.h"

namespace {

// What the data feed callback collects while libsigrok streams the session:
// the asked-for channel's samples, and the amounts of everything else, to
// be checked against what the archive states.
struct Feed {
    sr_session* session = nullptr;
    const sr_channel* wanted = nullptr;
    std::uint64_t want = 0;  // samples of it to keep
    std::map<const sr_channel*, std::uint64_t> stated;
    std::map<const sr_channel*, std::uint64_t> received;
    std::uint64_t logicStated = 0;
    std::uint64_t logicReceived = 0;
    std::vector<float> packet;
    std::vector<double>* samples = nullptr;
    bool overflow = false;  // more than stated: a forged or damaged archive
    bool stopped = false;

    void Stop() {
        if (!stopped) {
            stopped = true;
            sr_session_stop(session);
        }
    }
};

extern "C" void OnPacket(const sr_dev_inst*, const sr_datafeed_packet* packet, void* data) {
    Feed& feed = *static_cast<Feed*>(data);
    if (feed.stopped) {
        return;
    }
    if (packet->type == SR_DF_LOGIC) {
        const auto* logic = static_cast<const sr_datafeed_logic*>(packet->payload);
        feed.logicReceived += logic->length;
        if (feed.logicReceived > feed.logicStated) {
            feed.overflow = true;
            feed.Stop();
        }
        return;
    }
    if (packet->type != SR_DF_ANALOG) {
        return;
    }
    const auto* analog = static_cast<const sr_datafeed_analog*>(packet->payload);
    if (analog->meaning == nullptr || analog->meaning->channels == nullptr) {
        return;
    }
    const auto* channel = static_cast<const sr_channel*>(analog->meaning->channels->data);
    std::uint64_t& received = feed.received[channel];
    received += analog->num_samples;
    if (received > feed.stated[channel]) {
        feed.overflow = true;
        feed.Stop();
        return;
    }
    if (channel != feed.wanted) {
        return;
    }
    feed.packet.resize(analog->num_samples);
    if (sr_analog_to_float(analog, feed.packet.data()) != SR_OK) {
        feed.overflow = true;
        feed.Stop();
        return;
    }
    const std::size_t take =
        std::min<std::size_t>(feed.packet.size(), static_cast<std::size_t>(feed.want - feed.samples->size()));
    feed.samples->insert(feed.samples->end(), feed.packet.begin(),
                         feed.packet.begin() + static_cast<std::ptrdiff_t>(take));
    if (feed.samples->size() == feed.want) {
        // The rest of the session is not needed.
        feed.Stop();
    }
}

// Closing the session's device frees what its driver holds (libsigrok
// 0.5's sr_session_destroy does not).
struct SessionFree {
    void operator()(sr_session* session) const {
        [[maybe_unused]] const LibraryLeaksIgnored ignored;
        GSList* devices = nullptr;
        sr_session_dev_list(session, &devices);
        for (GSList* l = devices; l != nullptr; l = l->next) {
            sr_dev_close(static_cast<sr_dev_inst*>(l->data));
        }
        g_slist_free(devices);
        sr_session_destroy(session);
    }
};

std::string Named(const std::string& name) {
    return QuoteForMessage(name, 24);
}

std::string ChannelList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size() && i < 8; ++i) {
        list += (i == 0 ? "" : ", ") + Named(names[i]);
    }
    return names.size() > 8 ? list + ", ..." : list;
}

SigrokChannelRead Refuse(SigrokChannelRead read, std::string why) {
    read.ok = false;
    read.error = std::move(why);
    read.samples.clear();
    return read;
}

}  // namespace

bool LooksLikeSigrokSession(const std::string& path, std::span<const char> start) {
    static constexpr char kZip[] = {'P', 'K', '\x03', '\x04'};
    if (start.size() >= sizeof kZip && std::equal(std::begin(kZip), std::end(kZip), start.begin())) {
        return true;
    }
    if (path.size() < 3) {
        return false;
    }
    std::string suffix = path.substr(path.size() - 3);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return suffix == ".sr";
}

SigrokChannelRead ReadSigrokChannel(const std::string& path, const SigrokChannelChoice& choice,
                                    std::optional<std::uint64_t> maxSamples) {
    SigrokChannelRead read;
    SessionLayout layout;
    if (std::string why = CheckSessionArchive(path, &layout); !why.empty()) {
        return Refuse(read, why);
    }
    SigrokLibrary& library = SigrokLibrary::Get();
    if (library.Context() == nullptr) {
        return Refuse(read, "libsigrok cannot be set up: " + SigrokLibrary::LastMessage());
    }
    SigrokLibrary::ClearMessage();
    sr_session* loaded = nullptr;
    int result = SR_OK;
    {
        [[maybe_unused]] const LibraryLeaksIgnored ignored;
        result = sr_session_load(library.Context(), path.c_str(), &loaded);
    }
    if (result != SR_OK || loaded == nullptr) {
        const std::string why = SigrokLibrary::LastMessage();
        if (loaded != nullptr) {
            SessionFree{}(loaded);
        }
        return Refuse(read, "libsigrok cannot load it as a session" + (why.empty() ? "" : ": " + why));
    }
    std::unique_ptr<sr_session, SessionFree> session(loaded);
    GSList* devices = nullptr;
    sr_session_dev_list(session.get(), &devices);
    const guint deviceCount = g_slist_length(devices);
    sr_dev_inst* device = deviceCount == 1 ? static_cast<sr_dev_inst*>(devices->data) : nullptr;
    g_slist_free(devices);
    if (device == nullptr) {
        return Refuse(read, "libsigrok finds " + std::to_string(deviceCount) + " devices in it, not one");
    }

    // Its analog channels, in the order libsigrok streams them.
    std::vector<const sr_channel*> analog;
    for (GSList* l = sr_dev_inst_channels_get(device); l != nullptr; l = l->next) {
        const auto* channel = static_cast<const sr_channel*>(l->data);
        if (channel->type == SR_CHANNEL_ANALOG) {
            analog.push_back(channel);
            read.analogChannels.emplace_back(channel->name != nullptr ? channel->name : "");
        }
    }
    if (analog.size() != layout.analogSamples.size()) {
        return Refuse(read, "damaged: its metadata states " + std::to_string(layout.analogSamples.size()) +
                                " analog channels, libsigrok finds " + std::to_string(analog.size()));
    }

    std::size_t position = analog.size();
    if (choice.position) {
        position = *choice.position;
    } else {
        position = static_cast<std::size_t>(
            std::find(read.analogChannels.begin(), read.analogChannels.end(), choice.name) -
            read.analogChannels.begin());
    }
    if (position >= analog.size()) {
        read.channelMissing = true;
        return Refuse(read, "holds no analog channel " +
                                (choice.position ? std::to_string(*choice.position) : Named(choice.name)) +
                                "; its analog channels are " + ChannelList(read.analogChannels));
    }
    read.channel = read.analogChannels[position];
    read.channelSamples = layout.analogSamples[position];

    // What libsigrok would decompress on the way: bounded, whatever the
    // archive states, before anything is read.
    const std::uint64_t want = maxSamples ? std::min(*maxSamples, read.channelSamples) : read.channelSamples;
    const std::string most =
        "; daq-cli reads at most " + std::to_string(kMaxSessionSamples) + " samples of a channel";
    if (want > kMaxSessionSamples) {
        return Refuse(read, "it holds " + std::to_string(read.channelSamples) + " samples of " +
                                Named(read.channel) + most + " (--points takes the first ones)");
    }
    for (std::size_t i = 0; i < position; ++i) {
        if (layout.analogSamples[i] > kMaxSessionSamples) {
            return Refuse(read, "it holds " + std::to_string(layout.analogSamples[i]) + " samples of " +
                                    Named(read.analogChannels[i]) + most);
        }
    }
    if (layout.logicBytes > kMaxSessionSamples * sizeof(std::uint64_t)) {
        return Refuse(read,
                      "it holds " + std::to_string(layout.logicBytes) + " bytes of logic samples" + most);
    }

    GVariant* rate = nullptr;
    if (sr_config_get(sr_dev_inst_driver_get(device), device, nullptr, SR_CONF_SAMPLERATE, &rate) == SR_OK &&
        rate != nullptr) {
        read.sampleRate = g_variant_get_uint64(rate);
        g_variant_unref(rate);
    }

    Feed feed;
    feed.session = session.get();
    feed.wanted = analog[position];
    feed.want = want;
    for (std::size_t i = 0; i < analog.size(); ++i) {
        feed.stated[analog[i]] = layout.analogSamples[i];
    }
    feed.logicStated = layout.logicBytes;
    read.samples.reserve(static_cast<std::size_t>(want));
    feed.samples = &read.samples;
    if (want > 0) {
        SigrokLibrary::ClearMessage();
        [[maybe_unused]] const LibraryLeaksIgnored ignored;
        if (sr_session_datafeed_callback_add(session.get(), OnPacket, &feed) != SR_OK ||
            sr_session_start(session.get()) != SR_OK || sr_session_run(session.get()) != SR_OK) {
            const std::string why = SigrokLibrary::LastMessage();
            return Refuse(read, "libsigrok cannot read its samples" + (why.empty() ? "" : ": " + why));
        }
    }
    if (feed.overflow) {
        return Refuse(read, "damaged or forged: it holds more samples than its zip directory states");
    }
    if (read.samples.size() < want) {
        return Refuse(read, "damaged: only " + std::to_string(read.samples.size()) + " of the " +
                                std::to_string(read.channelSamples) + " samples of " + Named(read.channel) +
                                " can be read");
    }
    read.ok = true;
    return read;
}
