#include "TForm1.h"

#include <QChart>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineSeries>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>

#include <filesystem>
#include <tuple>
#include <utility>

#include "ChartTheme.h"
#include "DataFolders.h"
#include "DocumentOpener.h"
#include "DriveAccess.h"
#include "Myconst.h"
#include "OpenBeside.h"
#include "PulseWindowSink.h"
#include "TCalibration.h"
#include "TForm4.h"
#include "TForm6.h"
#include "TForm8.h"
#include "TFrequencySensorFrom.h"
#include "Unit1Globals.h"
#include "testT.h"

namespace {

// The user manual opened by Help > User Manual.
const char kManual[] = "Oscilloscope Spectrum Analyzer User's Manual.docx";

// How far the zoom hint sits above a waveform chart's lower edge: the form
// places it at (16, 287) on a chart 312 pixels high.
constexpr int kHintFromBottom = 25;

}  // namespace

TForm1::TForm1(DeviceLink device, QWidget* parent)
    : QMainWindow(parent),
      drives_(std::move(device.drives)),
      discovery_(std::move(device.discovery)),
      hotplug_(std::move(device.hotplug)),
      simulator_(std::move(device.simulator)),
      languages_(LanguageModules::ForThisProgram()),
      opener_(MakeDesktopDocumentOpener()) {
    setupUi(this);
    CreateTimers();
    SetUpToolBar();
    SetUpCharts();
    // Handlers are bound as the form is loaded; the signals used fire on user
    // actions only, so the settings below run no handler by themselves.
    ConnectHandlers();
    SetUpSimulatorKeys();

    FPictureFileName.clear();
    FBlockQueue.Clear();
    ResetUnit1Globals();
    setWindowTitle(Caption());
    ComboBox3->setCurrentText(QStringLiteral("64"));
    ComboBox3->setItemText(0, QStringLiteral("64"));
    ApplyStartUpSettings();
    LoadPictureSet(windowTitle().contains(QStringLiteral("Oscill")) ? PictureSet::English
                                                                    : PictureSet::Chinese);
    FDecimation = 1;
    gRateMultiple = gSampleRate / 64;
}

TForm1::~TForm1() {
    // Whatever still runs must end before the state it reads goes away.
    StopAnalysis();
    JoinReaders();
}

void TForm1::AttachWindows(TCalibration* calibration, TForm6* form6, TForm4* form4,
                           TFrequencySensorFrom* frequencySensorFrom, TForm8* form8) {
    Calibration = calibration;
    AttachCalibration();
    Form6 = form6;
    Form4 = form4;
    FrequencySensorFrom = frequencySensorFrom;
    pulseSink_ = std::make_unique<PulseWindowSink>(frequencySensorFrom);
    Form8 = form8;
    if (Form8 != nullptr) {
        Form8->SetSource([] { return gSensorVolt; }, [] { return Myconst::Setdistance.Text(); });
    }
}

void TForm1::ShowMessage(const QString& text) {
    // A window-modal box over a window not yet on the screen would never be
    // seen.
    if (isVisible()) {
        OpenMessageBox(text);
    } else {
        pendingMessages_.push_back(text);
    }
    emit MessageShown(text);
}

void TForm1::OpenMessageBox(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (pendingMessages_.isEmpty()) {
        return;
    }
    // Once the window is up, so that each box sits over it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            const QStringList messages = std::exchange(pendingMessages_, {});
            for (const QString& text : messages) {
                OpenMessageBox(text);
            }
        },
        Qt::QueuedConnection);
}

void TForm1::FormCreate() {
    Button3Click();
    RegisterDeviceEvents();
}

void TForm1::FormClose() {
    JoinReaders();
    StopAnalysis();
    if (gSampleBuffer) {
        gSampleBuffer.reset();
        gSampleBufferAllocated = false;
    }
    // No device event may reopen the drive once the window is closing.
    FDeviceNotify.reset();
    // Readers that still hold the transport keep it until their pass ends;
    // the drive closes when the last of them lets go.
    if (FDeviceHandle.load()) {
        FDeviceHandle.store(nullptr);
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
    emit Closed();
}

void TForm1::LoadPictureSet(PictureSet set) {
    struct Pictures {
        TImage* image;
        const char* english;
        const char* chinese;
    };
    const Pictures pictures[] = {
        {Image10, "CH0", "CH01"},      {Image14, "CH0_1", "CH02"},      {Image15, "CH1_1", "CH12"},
        {Image13, "CH1", "CH11"},      {Image1, "off", "off1"},         {Image2, "on", "on1"},
        {Image5, "start", "start1_1"}, {Image6, "start_1", "start2_2"}, {Image7, "hold", "hold1_1"},
        {Image8, "hold_1", "hold2_2"}, {Image9, "demo1", "demo1_1"},    {Image11, "demo2", "demo2_2"},
        {Image12, "demo3", "demo3_3"}, {Image4, "clear", "clear_1"},
    };
    for (const Pictures& p : pictures) {
        p.image->SetPicture(QString::fromLatin1(set == PictureSet::English ? p.english : p.chinese));
    }
}

void TForm1::CreateTimers() {
    struct TimerSpec {
        QTimer** timer;
        const char* name;
        int interval;
    };
    // Intervals as the form loads them; the time-base handlers retune 1 and 2.
    const TimerSpec timers[] = {{&Timer1, "Timer1", 10},
                                {&Timer2, "Timer2", 70},
                                {&Timer3, "Timer3", 1000},
                                {&Timer4, "Timer4", 1000}};
    for (const TimerSpec& spec : timers) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(spec.name));
        timer->setInterval(spec.interval);
        *spec.timer = timer;
    }
}

void TForm1::SetUpToolBar() {
    // The menus live in a menu bar that is never shown: the tool bar buttons
    // drop them down instead.
    MainMenu1->hide();
    ToolBar1->setFixedHeight(27);
    QMenu* const menus[] = {File1, Edit4, H1, Senors1, Language1};
    int number = 1;
    for (QMenu* menu : menus) {
        auto* button = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(menu->menuAction()));
        if (button == nullptr) {
            continue;
        }
        button->setObjectName(QStringLiteral("ToolButton%1").arg(number++));
        button->setPopupMode(QToolButton::InstantPopup);
        button->setFixedWidth(75);
        if (menu == Edit4) {
            // "Capture" is drawn marked from the start.
            button->setProperty("marked", true);
            button->style()->unpolish(button);
            button->style()->polish(button);
        }
    }
}

void TForm1::SetUpCharts() {
    // The theme restyles series, so it goes on before the series; the
    // titles follow the language (RetranslateCode).
    ChartTheme::Apply(Chart2, QString(), QString(), QString());
    LineSeries5 = &Chart2->AddSeries(QStringLiteral("LineSeries5"), ChartTheme::TracePen(), true);
    LineSeries6 = &Chart2->AddSeries(QStringLiteral("LineSeries6"), ChartTheme::OverlayPen(), false);
    LineSeries7 = &Chart2->AddSeries(QStringLiteral("LineSeries7"), ChartTheme::OverlayPen(), false);
    ChartTheme::Apply(Chart4, QString(), QString(), QString());
    LineSeries2 = &Chart4->AddSeries(QStringLiteral("LineSeries2"), ChartTheme::TracePen(), true);
    LineSeries3 = &Chart4->AddSeries(QStringLiteral("LineSeries3"), ChartTheme::OverlayPen(), false);
    LineSeries4 = &Chart4->AddSeries(QStringLiteral("LineSeries4"), ChartTheme::OverlayPen(), false);
    // The level lines' points run past the axis by design; what is drawn is
    // the level across the visible time axis.
    Chart2->SpanVisibleAxis(1);
    Chart4->SpanVisibleAxis(1);
    ChartTheme::Apply(Chart1, QString(), QString(), QString());
    Series1 = &Chart1->AddSeries(QStringLiteral("Series1"), ChartTheme::SpectrumPen(), true);
    ChartTheme::Apply(Chart3, QString(), QString(), QString());
    FastLineSeries1 = &Chart3->AddSeries(QStringLiteral("FastLineSeries1"), ChartTheme::SpectrumPen(), true);

    // The scales of the start-up settings (64 samples/s, 0.5 s and 2.0 V per
    // division), so the empty window already shows a sensible grid.
    for (TChart* chart : {Chart2, Chart4}) {
        chart->SetBottomAxis(0.0, 127.0 / 64.0, 0.5);
        chart->SetLeftAxis(-10.0, 10.0, 2.0);
        chart->SetZoomAnimated(true);
    }
    for (TChart* chart : {Chart1, Chart3}) {
        chart->SetBottomAxis(0.0, 32.0, 8.0);
        chart->SetLeftAxis(0.0, 1.0, 0.2);
    }
    // The zoom hints keep to the lower left corner as the charts grow.
    for (TChart* chart : {Chart2, Chart4}) {
        chart->installEventFilter(this);
    }
    Label25->raise();
    Label20->raise();
    RetranslateCode();
}

void TForm1::ConnectHandlers() {
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(SpinEdit2, &QSpinBox::valueChanged, this, &TForm1::SpinEdit2Change);

    connect(ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);
    connect(RadioGroup1, &RadioGroup::ItemClicked, this, &TForm1::RadioGroup1Click);
    connect(RadioGroup2, &RadioGroup::ItemClicked, this, &TForm1::RadioGroup2Click);
    connect(RadioGroup3, &RadioGroup::ItemClicked, this, &TForm1::RadioGroup3Click);
    connect(RadioGroup4, &RadioGroup::ItemClicked, this, &TForm1::RadioGroup4Click);

    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);

    const std::pair<TImage*, void (TForm1::*)()> images[] = {
        {Image1, &TForm1::Image1Click},   {Image2, &TForm1::Image2Click},   {Image4, &TForm1::Image4Click},
        {Image5, &TForm1::Image5Click},   {Image7, &TForm1::Image7Click},   {Image9, &TForm1::Image9Click},
        {Image10, &TForm1::Image10Click}, {Image11, &TForm1::Image11Click}, {Image12, &TForm1::Image12Click},
        {Image13, &TForm1::Image13Click}, {Image14, &TForm1::Image14Click}, {Image15, &TForm1::Image15Click},
        {Image16, &TForm1::Image16Click}, {Image17, &TForm1::Image17Click},
    };
    for (const auto& [image, handler] : images) {
        connect(image, &TImage::Clicked, this, handler);
    }
    // A click on the check box of an item; setting a check from code runs
    // nothing, as the handler is run explicitly where that is wanted.
    connect(CheckListBox1, &QListWidget::itemClicked, this, &TForm1::CheckListBox1ClickCheck);
    connect(ComboBox2, &QComboBox::activated, this, &TForm1::ComboBox2Change);
    // Edit3Change follows every change of the text, typed or set from code.
    connect(Edit3, &QLineEdit::textChanged, this, &TForm1::Edit3Change);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm1::SpinEdit1Change);
    Edit3->installEventFilter(this);

    using ChartHandler = void (TForm1::*)(Qt::MouseButton, Qt::KeyboardModifiers, int, int);
    const std::tuple<TChart*, ChartHandler, ChartHandler> charts[] = {
        {Chart1, &TForm1::Chart1MouseDown, &TForm1::Chart1MouseUp},
        {Chart2, &TForm1::Chart2MouseDown, &TForm1::Chart2MouseUp},
        {Chart3, &TForm1::Chart3MouseDown, &TForm1::Chart3MouseUp},
        {Chart4, &TForm1::Chart4MouseDown, &TForm1::Chart4MouseUp},
    };
    for (const auto& [chart, mouseDown, mouseUp] : charts) {
        connect(chart, &TChart::MouseDown, this,
                [this, handler = mouseDown](TChart*, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                            int x, int y) { (this->*handler)(button, shift, x, y); });
        connect(chart, &TChart::MouseUp, this,
                [this, handler = mouseUp](TChart*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                          int y) { (this->*handler)(button, shift, x, y); });
    }
    for (TChart* chart : {Chart2, Chart4}) {
        connect(chart, &TChart::ZoomFinished, this, [this, chart] { MoveTriggerLabel(chart); });
        connect(chart->chart(), &QChart::plotAreaChanged, this, [this, chart] { MoveTriggerLabel(chart); });
    }

    const std::pair<QAction*, void (TForm1::*)()> commands[] = {
        {saveas1, &TForm1::saveas1Click},
        {SaveData1, &TForm1::SaveData1Click},
        {Exit1, &TForm1::Exit1Click},
        {Screenshot1, &TForm1::Screenshot1Click},
        {SaveCapture1, &TForm1::SaveCapture1Click},
        {USBADManual1, &TForm1::USBADManual1Click},
        {About1, &TForm1::About1Click},
        {Calibration1, &TForm1::Calibration1Click},
        {DistanceSensor1, &TForm1::DistanceSensor1Click},
        {FrequencySensor1, &TForm1::FrequencySensor1Click},
        {SoundSensor1, &TForm1::SoundSensor1Click},
        {Chinese1, &TForm1::Chinese1Click},
        {English1, &TForm1::English1Click},
    };
    for (const auto& [action, handler] : commands) {
        connect(action, &QAction::triggered, this, [this, action = action, handler = handler] {
            // The commands set and clear their own check marks; undo Qt's
            // automatic toggle so they see the mark as it was when clicked.
            if (action->isCheckable()) {
                action->setChecked(!action->isChecked());
            }
            (this->*handler)();
        });
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == Chart2 || watched == Chart4)) {
        QLabel* hint = watched == Chart2 ? Label25 : Label20;
        hint->move(hint->x(), static_cast<QWidget*>(watched)->height() - kHintFromBottom);
        return false;
    }
    if (watched == Edit3) {
        if (event->type() == QEvent::KeyPress) {
            return Edit3KeyPress(static_cast<QKeyEvent*>(event));
        }
        if (event->type() == QEvent::MouseButtonPress) {
            Edit3Click();
        }
        return false;
    }
    return false;
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::About1Click() {
    if (Form6 == nullptr) {
        return;
    }
    Form6->show();
    Form6->raise();
    Form6->activateWindow();
}

void TForm1::DistanceSensor1Click() {
    if (Form8 == nullptr) {
        return;
    }
    OpenBeside(*Form8, *this);
}

void TForm1::FrequencySensor1Click() {
    // The pulse estimate is made on four seconds at 64 S/s only.
    if (gSampleRate.load() != PulseEstimator::kRate) {
        ShowMessage(Myconst::Smsgfreq.Text());
        return;
    }
    if (FrequencySensorFrom != nullptr) {
        FrequencySensorFrom->Open(*this);
    }
}

void TForm1::USBADManual1Click() {
    const QString name = QString::fromUtf8(kManual);
    const std::filesystem::path program = QCoreApplication::applicationFilePath().toStdString();
    for (const std::filesystem::path& folder : ManualFolders(program, QDir::currentPath().toStdString())) {
        const QFileInfo manual(QDir(QString::fromStdString(folder.string())), name);
        if (manual.isFile()) {
            if (!opener_->Open(manual.absoluteFilePath())) {
                ShowMessage(Myconst::SmsgNoManual.Text().arg(
                    manual.absoluteFilePath(), tr("no program on this computer opens .docx documents.")));
            }
            return;
        }
    }
    ShowMessage(Myconst::SmsgNoManual.Text().arg(
        name, tr("it is neither beside the program, nor in its data folder, nor in the current folder.")));
}

void TForm1::SetDocumentOpener(std::unique_ptr<DocumentOpener> opener) {
    opener_ = std::move(opener);
}

void TForm1::Button10Click() {
    Panel1->hide();
}

// Handlers whose behaviour comes with the acquisition, display, analysis,
// calibration, export and sensor work. They are bound to their controls now
// so each command already has its one place.
void TForm1::Button2Click() {}
void TForm1::SpinEdit2Change() {}

// These do nothing by design: a release over a chart reads nothing.
void TForm1::Chart1MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm1::Chart2MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm1::Chart3MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
void TForm1::Chart4MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {}
