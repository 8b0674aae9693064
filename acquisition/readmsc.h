#pragma once

#include <QByteArray>

#include <atomic>
#include <cstdint>
#include <memory>

#include "ChannelCorrectionSource.h"
#include "ReaderThread.h"
#include "VoltSink.h"

// The recording reader of the sound sensor mode: reads blocks back to back,
// converts every frame of one channel to volts (CH0 when bit 0 of the channel
// mask is set, else CH1 when bit 1 is) and hands each voltage to the sink.
// Each block that arrived is also handed on whole, as a copy, for the
// low-speed plot. It reaches the window only through queued signals.
class readmsc : public ReaderThread {
    Q_OBJECT

public:
    // sink may be null (nothing is recorded). It is used on this thread
    // until the thread ends.
    readmsc(std::atomic<bool>& stopRequested, const std::atomic<int>& sampleRate,
            std::atomic<int>& framesPerRead, const std::atomic<std::uint8_t>& channelMask,
            const DeviceHandleSlot& device, ChannelCorrectionSource correction0,
            ChannelCorrectionSource correction1, std::shared_ptr<VoltSink> sink, QObject* parent = nullptr);

Q_SIGNALS:
    // The CH0 waveform chart is to be cleared: the plot starts afresh.
    void ChartClearRequested();
    // The reconnect poll is wanted (no device to read from) or no longer
    // needed (the first command went out).
    void ReconnectPollWanted(bool wanted);
    // A block of whole frames arrived; the bytes are this block's own copy.
    void BlockRead(const QByteArray& frames);

protected:
    void run() override;

private:
    std::atomic<bool>& stopFlag_;  // this reader also raises it
    const std::atomic<int>& sampleRate_;
    std::atomic<int>& framesPerRead_;
    const std::atomic<std::uint8_t>& channelMask_;
    const ChannelCorrectionSource correction0_;
    const ChannelCorrectionSource correction1_;
    const std::shared_ptr<VoltSink> sink_;
};
