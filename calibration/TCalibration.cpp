#include "TCalibration.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QStringList>

#include <charconv>
#include <string>

namespace {

bool KeyAccepted(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'.' || c == U'-' || c == U'\b' || c == U'\r';
}

QString Native(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// A coefficient as the user typed it or the rule gave it: shortest form,
// decimal point whatever the locale.
QString Coefficient(float value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? QString::fromLatin1(text, static_cast<int>(end - text)) : QString();
}

}  // namespace

TCalibration::TCalibration(QWidget* parent, CalibrationLocations where)
    : QWidget(parent, Qt::Window), where_(std::move(where)) {
    setupUi(this);
    connect(Set, &QPushButton::clicked, this, &TCalibration::SetClick);
    for (QLineEdit* edit : Edits()) {
        edit->installEventFilter(this);
    }
}

std::array<QLineEdit*, 8> TCalibration::Edits() const {
    return {Edit9, Edit10, Edit12, Edit13, Edit14, Edit15, Edit16, Edit17};
}

void TCalibration::Bind(const CalibrationFields& fields) {
    fields_.emplace(fields);
    LoadCalibration();
}

void TCalibration::SetChannel(int channel, CalibrationCorrection correction) {
    (channel == 0 ? fields_->FCalGain0 : fields_->FCalGain1).store(correction.gain);
    (channel == 0 ? fields_->FCalOffset0 : fields_->FCalOffset1).store(correction.offset);
}

float TCalibration::ZeroAdjust(int channel) const {
    return (channel == 0 ? fields_->FZeroAdjust0 : fields_->FZeroAdjust1).load();
}

void TCalibration::LoadCalibration() {
    if (!fields_) {
        return;
    }
    fields_->FIniFile = std::make_unique<CSimpleIniA>();
    const CalibrationLoad load = LoadCalibrationFile(CalibrationReadPath(where_), fields_->FIniFile.get(),
                                                     {ZeroAdjust(0), ZeroAdjust(1)});
    // Without the section both channels get the identity, which is what the
    // load reports then.
    for (int channel = 0; channel < 2; ++channel) {
        SetChannel(channel, load.channel[static_cast<std::size_t>(channel)]);
    }
    previous_ = load.channel;
    stored_ = load.texts;
    for (QLineEdit* edit : Edits()) {
        edit->clear();
    }
    ReportLoadProblem(load);
}

void TCalibration::ReportLoadProblem(const CalibrationLoad& load) {
    const QString file = Native(load.path);
    const QString detail = QString::fromStdString(load.detail);
    QStringList sentences;
    switch (load.problem) {
        case CalibrationFileProblem::None:
            break;
        case CalibrationFileProblem::Unreadable:
            sentences << tr("The calibration file \"%1\" cannot be read (%2). Both channels are used "
                            "without calibration.")
                             .arg(file, detail);
            break;
        case CalibrationFileProblem::TooLarge:
            sentences << tr("The calibration file \"%1\" is too large to be one (%2). Both channels are used "
                            "without calibration, and the file is left as it is.")
                             .arg(file, detail);
            break;
        case CalibrationFileProblem::BadValues:
            sentences << tr("The calibration file \"%1\" holds values that are no numbers: %2. They are "
                            "ignored.")
                             .arg(file, detail);
            break;
    }
    for (int channel = 0; channel < 2; ++channel) {
        if (const std::optional<CalibrationCorrection> unusable =
                load.unusable[static_cast<std::size_t>(channel)]) {
            sentences << tr("The calibration of CH%1 in \"%2\" (gain %3, offset %4) cannot give finite "
                            "readings. CH%1 is used without calibration.")
                             .arg(channel)
                             .arg(file, Coefficient(unusable->gain), Coefficient(unusable->offset));
        }
    }
    if (!sentences.isEmpty()) {
        emit Failed(sentences.join(QLatin1Char(' ')));
    }
}

void TCalibration::SetClick() {
    if (!fields_) {
        return;
    }
    const std::array<QLineEdit*, 8> edits = Edits();
    bool anyEntered = false;
    for (int channel = 0; channel < 2; ++channel) {
        const int first = channel * 4;
        // Every text given for the channel must be a number; a channel
        // already done keeps what it got.
        std::array<std::optional<float>, 4> values;
        for (int i = 0; i < 4; ++i) {
            const QString text = edits[static_cast<std::size_t>(first + i)]->text();
            if (text.isEmpty()) {
                continue;
            }
            const std::optional<double> number = ParseCalibrationNumber(text.toStdString());
            if (!number) {
                emit Failed(tr("\"%1\" is not a valid number (%2).")
                                .arg(text, QString::fromLatin1(
                                               kCalibrationKeys[static_cast<std::size_t>(first + i)])));
                return;
            }
            values[static_cast<std::size_t>(i)] = static_cast<float>(*number);
        }
        fields_->FCalIn1 = values[0].value_or(0.0f);
        fields_->FCalOut1 = values[1].value_or(0.0f);
        fields_->FCalIn2 = values[2].value_or(0.0f);
        fields_->FCalOut2 = values[3].value_or(0.0f);
        const PointRuleResult rule = ApplyPointRule({values[0], values[1], values[2], values[3]});
        CalibrationCorrection correction = rule.correction;
        if (correction.gain != 0.0f) {
            correction = CombineWithPrevious(previous_[static_cast<std::size_t>(channel)], correction);
        }
        if (!GivesFiniteReadings(correction, ZeroAdjust(channel))) {
            emit Failed(tr("The points of CH%1 give no usable correction.").arg(channel));
            return;
        }
        anyEntered = anyEntered || rule.entered;
        SetChannel(channel, correction);
        if (correction.gain == 0.0f) {
            // The correction is off for the channel; its texts stay.
            continue;
        }
        for (int point = 0; point < 2; ++point) {
            const std::size_t input = static_cast<std::size_t>(first + point * 2);
            const QString typed = edits[input]->text();
            if (!typed.isEmpty()) {
                stored_[input] = typed.toStdString();
            } else if (stored_[input].empty()) {
                stored_[input + 1].clear();
                continue;
            }
            // Stored inputs were all numbers when they were stored.
            const std::optional<double> in = ParseCalibrationNumber(stored_[input]);
            stored_[input + 1] = in ? OutputText(*in, correction) : std::string();
        }
    }
    if (!anyEntered) {
        emit NoValidVoltage();
        return;
    }
    const std::filesystem::path path = CalibrationWritePath(where_);
    if (const std::string error = WriteCalibrationFile(path, stored_); !error.empty()) {
        // The new correction is in force; the boxes stay for another try.
        emit Failed(tr("The calibration could not be saved to \"%1\": %2. It is in use until the "
                       "calibration is loaded again (Help > Calibration, or the next start).")
                        .arg(Native(path), QString::fromStdString(error)));
        return;
    }
    emit Completed();
    for (QLineEdit* edit : edits) {
        edit->clear();
    }
    close();
}

bool TCalibration::EditKeyPress(QKeyEvent* key) {
    // Keys that type nothing (arrows, Delete, Tab) edit or move as usual.
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab ||
        key->key() == Qt::Key_Backtab) {
        return false;
    }
    for (const char32_t character : text.toUcs4()) {
        if (!KeyAccepted(character)) {
            return true;
        }
    }
    return false;
}

bool TCalibration::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* edit : Edits()) {
            if (watched == edit) {
                return EditKeyPress(static_cast<QKeyEvent*>(event));
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TCalibration::showEvent(QShowEvent* event) {
    // Centred on the desktop when it first opens; later the user's place stands.
    if (const QScreen* desktop = screen(); desktop != nullptr && !centred_) {
        centred_ = true;
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
    }
    QWidget::showEvent(event);
}

void TCalibration::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
    }
    QWidget::changeEvent(event);
}
