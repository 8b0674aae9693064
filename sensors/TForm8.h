#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

#include "ScrollingPlot.h"
#include "ui_TForm8.h"

class QCloseEvent;
class SeriesModel;

// The distance sensor window, shown from Sensor > Distance Sensor. Between
// Start and Stop (or closing) it takes one reading every 500 ms of the
// voltage its source reports, and plots the last 30 readings. It lives as
// long as the program; hiding it keeps the plot.
class TForm8 : public QWidget, private Ui::TForm8 {
    Q_OBJECT

public:
    static constexpr int kReadingMs = 500;
    static constexpr int kPositions = 30;

    explicit TForm8(QWidget* parent = nullptr);

    // Where readings come from (the main window's last converted value),
    // and the read-out's text for a reading out of range.
    void SetSource(std::function<float()> volts, std::function<QString()> outOfRangeText);

    void Button1Click();
    void Button2Click();
    void Timer2Timer();
    void FormClose();

    bool Reading() const { return Timer2.isActive(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The read-out of a reading: millimetres, or the out-of-range text.
    void ShowReading(std::optional<double> mm);
    void RetranslateCode();

    QTimer Timer2;
    SeriesModel* LineSeries5 = nullptr;
    ScrollingPlot plot_{kPositions};
    std::function<float()> volts_;
    std::function<QString()> outOfRangeText_;
    // The last reading shown; none before the first.
    std::optional<std::optional<double>> shown_;
};
