#include "TForm8.h"

#include <QCloseEvent>
#include <QEvent>

#include "DistanceRule.h"
#include "SensorChart.h"
#include "TChart.h"

TForm8::TForm8(QWidget* parent) : QWidget(parent, Qt::Window) {
    setupUi(this);
    StyleSensorChart(Chart2, QString(), QString(), QString(), Qt::black);
    RetranslateCode();
    LineSeries5 =
        &Chart2->AddSeries(QStringLiteral("LineSeries5"), QPen(QColor(0xc0, 0xc0, 0xc0), 1.5), true);
    LineSeries5->Reserve(kPositions);
    Chart2->SetBottomAxis(0.0, kPositions - 1, 1.0);
    Chart2->SetLeftAxis(24.0, 45.0, 3.0);
    Timer2.setInterval(kReadingMs);
    connect(&Timer2, &QTimer::timeout, this, &TForm8::Timer2Timer);
    connect(Button1, &QPushButton::clicked, this, &TForm8::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm8::Button2Click);
    volts_ = [] { return 0.0f; };
    outOfRangeText_ = [] { return tr("Out of Range"); };
}

void TForm8::SetSource(std::function<float()> volts, std::function<QString()> outOfRangeText) {
    volts_ = std::move(volts);
    outOfRangeText_ = std::move(outOfRangeText);
}

void TForm8::Button1Click() {
    plot_.Reset();
    LineSeries5->Clear();
    Timer2.start();
}

void TForm8::Button2Click() {
    Timer2.stop();
}

void TForm8::FormClose() {
    Timer2.stop();
}

void TForm8::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

void TForm8::Timer2Timer() {
    const ScrollingPlot::Step step = plot_.Next();
    if (step.scroll) {
        // The Y values move one position left; the last position is free.
        LineSeries5->DeleteFirstY();
        LineSeries5->Delete(LineSeries5->Count() - 1);
    }
    const std::optional<double> mm = DistanceMm(volts_());
    ShowReading(mm);
    LineSeries5->AddXY(step.position, mm.value_or(kOutOfRangePlotMm));
}

void TForm8::ShowReading(std::optional<double> mm) {
    shown_ = mm;
    Edit9->setText(mm ? QString::fromStdString(DistanceText(*mm)) : outOfRangeText_());
}

void TForm8::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        RetranslateCode();
        // The layout's read-out text is no reading; the last one stays.
        if (shown_) {
            ShowReading(*shown_);
        }
    }
    QWidget::changeEvent(event);
}

void TForm8::RetranslateCode() {
    Chart2->SetTitle(tr("Waveform"));
    Chart2->SetBottomTitle(tr("Time  (s)"));
    Chart2->SetLeftTitle(tr("Distance  ( mm )"));
}
