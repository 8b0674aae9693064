#include "TFrequencySensorFrom.h"

#include <QCloseEvent>
#include <QEvent>

#include "OpenBeside.h"
#include "SensorChart.h"
#include "TChart.h"

TFrequencySensorFrom::TFrequencySensorFrom(QWidget* parent) : QWidget(parent, Qt::Window) {
    setupUi(this);
    StyleSensorChart(Chart1, QString(), QString(), QString(), QColor(0x40, 0x40, 0x40));
    RetranslateCode();
    Series1 = &Chart1->AddSeries(QStringLiteral("Series1"), QPen(Qt::white, 1.5, Qt::DashLine), true);
    Series1->Reserve(PulseEstimator::kWindow);
    Chart1->SetBottomAxis(0.0, 4.0, 1.0);
    Chart1->SetLeftAxis(-5.0, 5.0, 1.0);
}

void TFrequencySensorFrom::Open(const QWidget& main) {
    OpenBeside(*this, main);
    active_ = true;
}

void TFrequencySensorFrom::FormClose() {
    active_ = false;
}

void TFrequencySensorFrom::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

void TFrequencySensorFrom::AddPulseSample(int rate, std::uint8_t mask, float value) {
    if (!active_) {
        return;
    }
    // With both channels shown the refresh hands on CH1's values (they come
    // second in each pair), so the label names CH1 then, not CH0.
    ch1_ = (mask & 2) != 0;
    paused_ = rate != PulseEstimator::kRate;
    ShowFeed();
    if (paused_) {
        return;
    }
    const ScrollingPlot::Step step = plot_.Next();
    if (step.scroll) {
        Series1->DeleteFirstY();
        Series1->Delete(Series1->Count() - 1);
    }
    Series1->AddXY(static_cast<double>(step.position) / PulseEstimator::kRate, value);
    calculatefrequency(value);
}

void TFrequencySensorFrom::calculatefrequency(float value) {
    // Without an estimate the last one stays shown.
    if (const std::optional<double> bpm = estimator_.Add(value)) {
        Edit1->setText(QString::fromStdString(BpmText(*bpm)));
    }
}

void TFrequencySensorFrom::ShowFeed() {
    Label2->setText(ch1_ ? QStringLiteral("CH1") : QStringLiteral("CH0"));
    if (paused_) {
        Label5->setText(tr("Paused: the pulse is read at 64 S/s only"));
    } else {
        Label5->clear();
    }
}

void TFrequencySensorFrom::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        RetranslateCode();
        ShowFeed();
    }
    QWidget::changeEvent(event);
}

void TFrequencySensorFrom::RetranslateCode() {
    Chart1->SetTitle(tr("Waveform"));
    Chart1->SetBottomTitle(tr("Time  (s)"));
    Chart1->SetLeftTitle(tr("Voltage  ( V )"));
}
