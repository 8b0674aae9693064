#include "SigrokLibrary.h"

#include <cstdarg>
#include <cstdio>

namespace {

thread_local std::string tLastMessage;

// libsigrok prefixes its messages with the part that logs them
// ("output/srzip: ", "session-file: "); the reason is what follows.
std::string WithoutPrefix(std::string text) {
    const std::size_t colon = text.find(": ");
    if (colon != std::string::npos && text.find(' ') > colon) {
        text.erase(0, colon + 2);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

extern "C" int KeepMessage(void*, int level, const char* format, va_list args) {
    if (level > SR_LOG_WARN) {
        return SR_OK;
    }
    char text[256];
    std::vsnprintf(text, sizeof text, format, args);
    tLastMessage = WithoutPrefix(text);
    return SR_OK;
}

}  // namespace

SigrokLibrary& SigrokLibrary::Get() {
    // Never destroyed: the devices lent out cannot be freed, and writers
    // may still be open while static objects go.
    static SigrokLibrary* const library = new SigrokLibrary;
    return *library;
}

SigrokLibrary::SigrokLibrary() {
    sr_log_callback_set(KeepMessage, nullptr);
    sr_log_loglevel_set(SR_LOG_WARN);
    if (sr_init(&context_) != SR_OK) {
        context_ = nullptr;
    }
}

std::string SigrokLibrary::LastMessage() {
    return tLastMessage;
}

void SigrokLibrary::ClearMessage() {
    tLastMessage.clear();
}

sr_dev_inst* SigrokLibrary::BorrowDevice(const std::vector<std::string>& channelNames) {
    std::lock_guard<std::mutex> hold(lock_);
    for (Device& device : devices_) {
        if (!device.lent && device.channelNames == channelNames) {
            device.lent = true;
            return device.instance;
        }
    }
    sr_dev_inst* instance = sr_dev_inst_user_new("DAQ", "two-channel DAQ instrument", nullptr);
    if (instance == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < channelNames.size(); ++i) {
        if (sr_dev_inst_channel_add(instance, static_cast<int>(i), SR_CHANNEL_ANALOG,
                                    channelNames[i].c_str()) != SR_OK) {
            // Kept all the same (it cannot be freed), never lent.
            devices_.push_back(Device{instance, {}, true});
            return nullptr;
        }
    }
    devices_.push_back(Device{instance, channelNames, true});
    return instance;
}

void SigrokLibrary::ReturnDevice(sr_dev_inst* instance) {
    std::lock_guard<std::mutex> hold(lock_);
    for (Device& device : devices_) {
        if (device.instance == instance) {
            device.lent = false;
        }
    }
}
