#include "TraceEngine.h"

#include <algorithm>
#include <cmath>

#include "FrameDecoder.h"
#include "ReduceSlowBlock.h"
#include "SeriesModel.h"

namespace {

constexpr std::uint32_t kBlue = 0x0000FF;
constexpr int kMarkerHalfHeight = 20;  // volts above and below the trigger point
constexpr double kMinStep = 0.01;      // the spike filter's threshold floor
constexpr double kJitterFactor = 1.4;
constexpr double kMaxSpike = 0.4;  // larger steps are signal, never filtered
constexpr double kEdgeStep = 0.006;

double UnitOf(int timeBaseIndex) {
    return timeBaseIndex > 1 && timeBaseIndex % 2 == 1 ? 1.0 : 1000.0;
}

}  // namespace

// One channel for the length of a tick: the words a worker may change and
// the filter state, copied in at the start and back at the end, so the per
// pair work stays in this frame.
struct TraceEngine::Channel {
    TraceChannelFields& f;
    int index;
    bool shown;
    bool trigger;  // this channel is gTriggerChannel
    int writePos;
    int recordLength;
    double unit;
    ChannelCorrection correction;
    const float* volts;  // readings of codes 0..kRawMax
    float hist[3];
    float jitter;
    float old[2];
    float volt;

    int rolledAt = -1;   // the decimation rollX was worked out for
    double rollX = 0.0;  // X(L - S), where a rolled point goes

    float Volts(const std::uint8_t* pair) const {
        const auto raw = static_cast<std::uint16_t>(pair[2 * index] | (pair[2 * index + 1] << 8));
        return raw <= kRawMax ? volts[raw] : RawToVolts(raw, correction);
    }
    double X(int position, double rate) const { return position * unit / rate; }

    void Store() const {
        f.FWritePos.store(writePos, std::memory_order_relaxed);
        std::copy(hist, hist + 3, f.FHist);
        f.FJitter = jitter;
        std::copy(old, old + 2, f.FOld);
        f.gVolt = volt;
    }
};

struct TraceEngine::Pass {
    Refresh refresh;
    double rate;
    std::uint8_t mask;
    int decimation;
    bool prevFromCh0;  // gPrevTriggerVolt follows CH0
    PulseSampleSink* pulse;
    TraceTickResult& result;
    Channel* channels[kChannelCount];
    float sensorVolt;
    float pulseVolt;
};

TraceEngine::TraceEngine(const TraceFields& fields) : f_(fields) {}

int TraceEngine::DecimationFor(int recordLength) {
    return recordLength <= kMaxPlotted ? 1 : recordLength / kMaxPlotted;
}

double TraceEngine::TimeOf(int position, int timeBaseIndex, int sampleRate) {
    return position * UnitOf(timeBaseIndex) / sampleRate;
}

TraceTickResult TraceEngine::Tick(Refresh refresh, std::span<const TraceBlock> batch,
                                  PulseSampleSink* pulse) {
    TraceTickResult result;
    const int rate = f_.gSampleRate.load(std::memory_order_relaxed);
    const std::uint8_t mask = f_.gChannelMask.load(std::memory_order_relaxed);
    Pass pass{refresh,
              static_cast<double>(rate),
              mask,
              f_.FDecimation.load(std::memory_order_relaxed),
              f_.gTriggerChannel == "CH0",
              refresh == Refresh::FreeRunning ? pulse : nullptr,
              result,
              {},
              f_.gSensorVolt,
              f_.gPulseVolt};
    const bool triggered = refresh == Refresh::Triggered;
    auto load = [&](TraceChannelFields& fields, int index) {
        const ChannelCorrection correction{fields.FZeroAdjust.load(std::memory_order_relaxed),
                                           fields.FCalGain.load(std::memory_order_relaxed),
                                           fields.FCalOffset.load(std::memory_order_relaxed)};
        return Channel{fields,
                       index,
                       (mask & (1 << index)) != 0,
                       triggered && f_.gTriggerChannel == (index == 0 ? "CH0" : "CH1"),
                       fields.FWritePos.load(std::memory_order_relaxed),
                       fields.FRecordLength.load(std::memory_order_relaxed),
                       UnitOf(fields.FTimeBaseIndex.load(std::memory_order_relaxed)),
                       correction,
                       VoltsFor(index, correction),
                       {fields.FHist[0], fields.FHist[1], fields.FHist[2]},
                       fields.FJitter,
                       {fields.FOld[0], fields.FOld[1]},
                       fields.gVolt};
    };
    Channel ch0 = load(f_.ch0, 0);
    Channel ch1 = load(f_.ch1, 1);
    pass.channels[0] = &ch0;
    pass.channels[1] = &ch1;
    const std::atomic<bool>& stop = f_.FStopRequested;
    auto stopped = [&] { return stop.load(std::memory_order_relaxed); };

    for (const TraceBlock& block : batch) {
        if (stopped()) {
            break;
        }
        if (block.data == nullptr || block.length < 1) {
            result.end = TraceTickResult::End::Dropped;
            break;
        }
        const std::uint8_t* data = block.data;
        int length = block.length;
        std::uint8_t slow[kSlowBlockBytes];
        if (rate == kSlowRate) {
            data = SlowBlockFrame(data, length, slow);  // one pair per block
        }
        UpdateDecimation(pass);
        const int pairs = length / kFrameBytes;
        for (int i = 0; i < pairs && !stopped(); i += pass.decimation) {
            const std::uint8_t* pair = data + kFrameBytes * i;
            if ((pair[0] | pair[1] | pair[2] | pair[3]) == 0) {
                result.end = TraceTickResult::End::Dropped;
                break;
            }
            if (!RunChannel(pass, ch0, pair) || !RunChannel(pass, ch1, pair)) {
                break;
            }
            if (triggered && f_.gTriggerMode != 0) {
                f_.gPrevTriggerVolt = pass.prevFromCh0 ? ch0.volt : ch1.volt;
            }
            if (pass.pulse != nullptr) {
                pass.pulse->AddPulseSample(pass.pulseVolt);
            }
        }
        if (result.end != TraceTickResult::End::Batch) {
            break;
        }
    }

    ch0.Store();
    ch1.Store();
    f_.gSensorVolt = pass.sensorVolt;
    f_.gPulseVolt = pass.pulseVolt;
    f_.FDecimation.store(pass.decimation, std::memory_order_relaxed);
    if (result.end != TraceTickResult::End::Batch) {
        return result;
    }

    if (!triggered && (ch0.writePos >= ch0.recordLength || ch1.writePos >= ch1.recordLength) && !stopped() &&
        !f_.FAnalysisStarted) {
        f_.FAnalysisStarted = true;
        result.startAnalysis = true;
    }
    // A confirmed trigger freezes the readouts at the values it showed.
    if (!triggered || f_.gTriggered == 0) {
        ++f_.FReadoutTicks;
        // Counted up to, not matched: a tick skipped under the stop flag or
        // a new transfer size must not stop the readouts for good.
        if (f_.FReadoutTicks >= ReadoutTicksFor(f_.FFramesPerRead.load(std::memory_order_relaxed)) &&
            !stopped()) {
            if (ch0.shown) {
                result.readout0 = ch0.volt;
            }
            if (ch1.shown) {
                result.readout1 = ch1.volt;
            }
            f_.FReadoutTicks = 0;
        }
    }
    return result;
}

const float* TraceEngine::VoltsFor(int channel, const ChannelCorrection& correction) {
    VoltTable& table = tables_[channel];
    const ChannelCorrection& had = table.correction;
    if (!table.built || had.zeroAdjust != correction.zeroAdjust || had.calGain != correction.calGain ||
        had.calOffset != correction.calOffset) {
        for (int raw = 0; raw <= kRawMax; ++raw) {
            table.volts[static_cast<std::size_t>(raw)] =
                RawToVolts(static_cast<std::uint16_t>(raw), correction);
        }
        table.correction = correction;
        table.built = true;
    }
    return table.volts.data();
}

void TraceEngine::UpdateDecimation(Pass& pass) {
    const bool ch0 = (pass.mask & 1) != 0;
    const bool ch1 = (pass.mask & 2) != 0;
    if (ch0) {
        pass.decimation = DecimationFor(f_.ch0.FRecordLength.load(std::memory_order_relaxed));
    }
    if (ch1) {
        f_.gDecimation1 = DecimationFor(f_.ch1.FRecordLength.load(std::memory_order_relaxed));
        // CH1 alone plots at its own decimation: an older value, from a
        // shorter screen, would put up to 200704 points on one trace.
        pass.decimation = ch0 ? std::min(pass.decimation, f_.gDecimation1) : f_.gDecimation1;
    }
    pass.decimation = std::max(pass.decimation, 1);
}

bool TraceEngine::RunChannel(Pass& pass, Channel& channel, const unsigned char* pair) {
    TraceChannelFields& f = channel.f;
    if (!channel.shown) {
        f.trace.Clear();
        channel.writePos = 0;
        return true;
    }
    const bool freeRunning = pass.refresh == Refresh::FreeRunning;
    const int S = pass.decimation;
    const int L = channel.recordLength;
    int& P = channel.writePos;
    float* const h = channel.hist;
    float* const o = channel.old;

    const float v = channel.Volts(pair);
    channel.volt = v;
    if (freeRunning || channel.index == 1) {
        pass.sensorVolt = v;
    }

    if (P == 0) {
        h[2] = v;
        f.trace.AddXY(channel.X(0, pass.rate), v);
        if (freeRunning) {
            pass.pulseVolt = v;
        }
    } else if (P == S) {
        h[1] = v;
        channel.jitter = static_cast<float>(std::fabs(static_cast<double>(h[1]) - h[2]));
    } else {
        h[0] = v;
        const double threshold = channel.jitter > kMinStep ? kJitterFactor * channel.jitter : kMinStep;
        const double step1 = static_cast<double>(h[1]) - h[2];
        const double step2 = static_cast<double>(h[0]) - h[1];
        const double d1 = std::fabs(step1);
        const double d2 = std::fabs(step2);
        const bool spikeSized = (threshold <= d1 && d1 <= kMaxSpike) || (threshold <= d2 && d2 <= kMaxSpike);
        if (spikeSized && step1 * step2 < 0.0) {
            h[1] = static_cast<float>((static_cast<double>(h[2]) + h[0]) / 2.0);
        }
        const float y = h[1];
        channel.volt = y;
        channel.jitter =
            static_cast<float>((std::fabs(static_cast<double>(h[1]) - h[2]) + channel.jitter) / 2.0);
        if (freeRunning) {
            pass.sensorVolt = y;
            pass.pulseVolt = y;
        }

        if (P - S < L) {
            f.trace.AddXY(channel.X(P - S, pass.rate), y);
        } else if (freeRunning || f_.gTriggerMode != 0 || !channel.trigger) {
            P = L + S;
            if (channel.rolledAt != S) {
                channel.rolledAt = S;
                channel.rollX = channel.X(P - 2 * S, pass.rate);
            }
            f.trace.DeleteFirstY();
            f.trace.Delete(f.trace.Count() - 1);
            f.trace.AddXY(channel.rollX, y);
        } else {
            if (L / 5 >= f_.FTriggerPos) {
                CompleteCapture(pass, channel);
                return false;
            }
            f_.FTriggerPos -= S;
            f_.FTriggerPosShown = f_.FTriggerPos;
            // The write position runs on here, so the last point moves S
            // further right with every pair.
            f.trace.DeleteFirstY();
            f.trace.Delete(f.trace.Count() - 1);
            f.trace.AddXY(channel.X(P - 2 * S, pass.rate), y);
            DrawMarker(channel, pass);
        }

        if (!freeRunning) {
            o[1] = o[0];
        }
        o[0] = h[2];
        h[2] = h[1];
        h[1] = h[0];
    }

    if (channel.trigger) {
        if (f_.FTriggerConfirm > 0) {
            const int count = f_.FTriggerConfirm++;
            if (count == 2) {
                const float before =
                    static_cast<float>((static_cast<double>(f_.FCandidateA) + f_.FCandidateB) / 2.0);
                const float after = static_cast<float>((static_cast<double>(o[0]) + h[2]) / 2.0);
                const float level = f_.gTriggerLevel;
                if ((f_.gTriggerEdge == 1 && after > before && after >= level) ||
                    (f_.gTriggerEdge == 2 && after < before && after <= level)) {
                    ConfirmTrigger(pass, channel);
                }
            }
            if (f_.FTriggerConfirm >= 3) {
                f_.FTriggerConfirm = 0;
            }
        }
        // The search is armed once the fifth of the screen that a capture
        // shows before its trigger point has been drawn: an earlier
        // crossing would complete the capture with its trigger far left.
        const int drawnAt = P - S < L ? P - S : P - 2 * S;
        if (f_.gTriggerMode != 0 && f_.gPrevTriggerVolt < kNoPreviousVolt && drawnAt >= L / 5) {
            const double y = channel.volt;
            const double q = f_.gPrevTriggerVolt;
            const double level = f_.gTriggerLevel;
            const double older = o[1];
            const double mean = (older + o[0]) / 2.0;
            // CH1 accepts a step of exactly the minimum against the output
            // four pairs back.
            auto past = [&](double d) { return channel.index == 1 ? d >= kEdgeStep : d > kEdgeStep; };
            const bool candidate = (f_.gTriggerEdge == 1 && y >= level && q < level && y - q > kEdgeStep &&
                                    past(h[2] - older) && past(h[1] - older) && mean < h[1]) ||
                                   (f_.gTriggerEdge == 2 && q > level && y <= level && q - y > kEdgeStep &&
                                    past(older - h[2]) && past(older - h[1]) && h[1] < mean);
            if (candidate) {
                f_.FTriggerConfirm = 1;
                f_.FCandidateA = o[1];
                f_.FCandidateB = o[0];
                f_.FTriggerPos = drawnAt;
                f_.FTriggerPosShown = f_.FTriggerPos;
            }
        }
    }
    P += S;
    return true;
}

void TraceEngine::ConfirmTrigger(Pass& pass, Channel& channel) {
    const int S = pass.decimation;
    const int L = channel.recordLength;
    f_.gTriggered = f_.gTriggerMode;
    f_.gTriggerState = 2;
    // The trace rolled on while the candidate was checked: the point has
    // moved left by the pairs rolled since.
    if (f_.FTriggerPos + 2 * S >= L) {
        f_.FTriggerPos -= f_.FTriggerPos + S >= L ? 2 * S : S;
    }
    f_.FTriggerPosShown = f_.FTriggerPos;
    f_.gTriggerMode = 0;
    DrawMarker(channel, pass);
    pass.result.confirmedChannel = channel.index;
    if ((pass.mask & 1) != 0) {
        pass.result.readout0 = pass.prevFromCh0 ? f_.gPrevTriggerVolt : pass.channels[0]->volt;
    }
    if ((pass.mask & 2) != 0) {
        pass.result.readout1 = f_.gTriggerChannel == "CH1" ? f_.gPrevTriggerVolt : pass.channels[1]->volt;
    }
}

void TraceEngine::CompleteCapture(Pass& pass, Channel& channel) {
    f_.FCapturedLength = f_.ch0.FRecordLength.load(std::memory_order_relaxed);
    // Exactly what is on the screen; the time-base handlers read no further.
    auto copy = [](const SeriesModel& trace, std::vector<float>& captured) {
        captured.resize(static_cast<std::size_t>(trace.YCount()));
        for (int i = 0; i < trace.YCount(); ++i) {
            captured[static_cast<std::size_t>(i)] = static_cast<float>(trace.YValue(i));
        }
    };
    if ((pass.mask & 1) != 0) {
        copy(f_.ch0.trace, f_.ch0.gCapturedTrace);
    }
    if ((pass.mask & 2) != 0) {
        copy(f_.ch1.trace, f_.ch1.gCapturedTrace);
    }
    pass.result.end = TraceTickResult::End::Captured;
    pass.result.capture = TraceTickResult::Capture{channel.index, channel.X(f_.FTriggerPos, pass.rate)};
    pass.result.startAnalysis = true;
}

void TraceEngine::DrawMarker(const Channel& channel, const Pass& pass) {
    SeriesModel& marker = channel.f.marker;
    marker.Clear();
    marker.SetVisible(true);
    marker.SetDotted(true);
    const double x = channel.X(f_.FTriggerPos, pass.rate);
    for (int k = -kMarkerHalfHeight; k <= kMarkerHalfHeight; ++k) {
        marker.AddXY(x, k, kBlue);
    }
}
