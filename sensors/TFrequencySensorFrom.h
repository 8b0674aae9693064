#pragma once

#include <QWidget>

#include <cstdint>

#include "PulseEstimator.h"
#include "ScrollingPlot.h"
#include "ui_TFrequencySensorFrom.h"

class QCloseEvent;
class SeriesModel;

// The pulse sensor window, shown from Sensor > Pulse Sensor: the last four
// seconds of the shown channel and the heart rate estimated from them. The
// free-running display feeds it sample by sample while it is active. It
// lives as long as the program; closing stops the feed and keeps the rest.
class TFrequencySensorFrom : public QWidget, private Ui::TFrequencySensorFrom {
    Q_OBJECT

public:
    explicit TFrequencySensorFrom(QWidget* parent = nullptr);

    // Shows the window, beside main when it was hidden, and starts taking
    // samples.
    void Open(const QWidget& main);
    void FormClose();
    bool Active() const { return active_; }

    // One sample of the shown channel (CH0 when bit 0 of mask is set). The
    // estimator works on 64 S/s only; at any other rate the window says the
    // feed is paused and takes nothing, so its four-second window stays
    // whole.
    void AddPulseSample(int rate, std::uint8_t mask, float value);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void calculatefrequency(float value);
    // Label2 and Label5 for the feed as it last came: its channel, and
    // whether it is paused for a rate other than 64 S/s.
    void ShowFeed();
    void RetranslateCode();

    SeriesModel* Series1 = nullptr;
    PulseEstimator estimator_;
    ScrollingPlot plot_{PulseEstimator::kWindow};
    bool active_ = false;
    bool ch1_ = false;
    bool paused_ = false;
};
