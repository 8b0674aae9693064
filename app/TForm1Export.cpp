// Data export of the main window: the plotted samples as text (File > Save
// Data As) and the sound sensor's WAV recording (Sensor > Sound Sensor).

#include <QFileDialog>
#include <QLocale>

#include <vector>

#include "SampleText.h"
#include "SeriesModel.h"
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

}  // namespace

void TForm1::SaveData1Click() {
    QFileDialog dialog(this, tr("Save as"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("Text files(*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    // An existing file is replaced without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString fileName = dialog.selectedFiles().constFirst();
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
