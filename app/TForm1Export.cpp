// Data export of the main window: the plotted samples as text or as a
// sigrok session (File > Save Data As) and the sound sensor's WAV recording
// (Sensor > Sound Sensor).

#include <QFileDialog>

#include <QLocale>
#include <algorithm>

#include <vector>

#include "SampleText.h"
#include "SeriesModel.h"
#include "SigrokSession.h"
#include "SoundRecordingSink.h"
#include "TForm1.h"
#include "Unit1Globals.h"
#include "WholeFile.h"

namespace {

// Resolved against the current directory when a recording starts.
const char kWavFile[] = "out.wav";
constexpr int kWavBlockBytes = 50000;

std::vector<double> YValues(const SeriesModel& series) {
    std::vector<double> values(static_cast<std::size_t>(series.YCount()));
    for (int i = 0; i < series.YCount(); ++i) {
        values[static_cast<std::size_t>(i)] = series.YValue(i);
    }
    return values;
}

// The plotted samples of both charts as a sigrok session at the run's rate:
// each channel that has any, as analog channel CH0 or CH1. Returns why it
// failed, empty on success.
QString SaveSession(const QString& fileName, const SeriesModel& ch0, const SeriesModel& ch1, int sampleRate) {
    std::vector<std::string> names;
    std::vector<std::vector<float>> channels;
    for (const auto& [name, series] : {std::pair{"CH0", &ch0}, std::pair{"CH1", &ch1}}) {
        if (series->YCount() > 0) {
            const std::vector<double> values = YValues(*series);
            names.emplace_back(name);
            channels.emplace_back(values.begin(), values.end());
        }
    }
    if (channels.empty()) {
        return TForm1::tr("there are no samples to save");
    }
    const std::string path = fileName.toStdString();
    std::string error = WriteSigrokSession(path, static_cast<std::uint64_t>(sampleRate), names, channels);
    // The message names the file itself.
    for (const std::string& prefix : {path + ": ", std::string("cannot be written: ")}) {
        if (error.starts_with(prefix)) {
            error.erase(0, prefix.size());
        }
    }
    return QString::fromStdString(error);
}

}  // namespace

void TForm1::SaveData1Click() {
    QFileDialog dialog(this, tr("Save as"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The text files stay first and the default.
    const QString sessionFilter = tr("sigrok session (*.sr)");
    dialog.setNameFilters({tr("Text files(*.txt)"), sessionFilter});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, sessionFilter](const QString& filter) {
        dialog.setDefaultSuffix(filter == sessionFilter ? QStringLiteral("sr") : QStringLiteral("txt"));
    });
    // An existing file is replaced without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString fileName = dialog.selectedFiles().constFirst();
    if (dialog.selectedNameFilter() == sessionFilter ||
        fileName.endsWith(QStringLiteral(".sr"), Qt::CaseInsensitive)) {
        // The charts hold every FDecimation-th sample: that is their rate.
        const int plottedRate = gSampleRate / std::max(FDecimation.load(), 1);
        if (const QString why = SaveSession(fileName, *LineSeries5, *LineSeries2, plottedRate);
            !why.isEmpty()) {
            ShowMessage(tr("Cannot write the data file \"%1\": %2").arg(fileName, why));
        }
        return;
    }
    const std::string text =
        SampleText(YValues(*LineSeries5), YValues(*LineSeries2), QLocale().decimalPoint().toStdString());
    // Written aside and renamed over the old file, so a failed write leaves
    // the previous content whole.
    const QString why = WriteWholeFile(fileName, QByteArray::fromStdString(text));
    if (!why.isEmpty()) {
        ShowMessage(tr("Cannot write the data file \"%1\": %2").arg(fileName, why));
    }
}

void TForm1::SoundSensor1Click() {
    if (SoundSensor1->isChecked()) {
        SoundSensor1->setChecked(false);
        FSoundMode = 0;
        return;
    }
    SoundSensor1->setChecked(true);
    FSoundMode = 1;
    FWavBufferSize = kWavBlockBytes;
    FWavBytesPerSample = 1;
    FWavChannels = 1;
}

std::shared_ptr<VoltSink> TForm1::RecordingSink() {
    // The reader calls back on its own thread; the message is shown on this
    // one. The window outlives its readers, which are joined at close.
    return std::make_shared<SoundRecordingSink>(
        kWavFile, FWavBufferSize.load(), FSoundMode, gSampleRate, [this](const std::string&) {
            QMetaObject::invokeMethod(
                this, [this] { ShowMessage(tr("wav file open error")); }, Qt::QueuedConnection);
        });
}
