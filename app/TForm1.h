#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DeviceLink.h"
#include "FrontPanel.h"
#include "LanguageModules.h"
#include "LowSpeedPlot.h"
#include "ReaderThreads.h"
#include "SpectrumTransform.h"
#include "TForm1State.h"
#include "TraceEngine.h"
#include "showChart.h"
#include "ui_TForm1.h"

class DocumentOpener;
class DriveAccess;
struct HotplugEvent;
struct ChannelAnalysis;
struct Measurements;
class QKeyEvent;
class QPlainTextEdit;
class QTimer;
class SeriesModel;
class TCalibration;
class TForm4;
class TForm6;
class TForm8;
class TFrequencySensorFrom;
class PulseWindowSink;
class readmsc;
class testT;
class VoltSink;

// The main window: front panel, charts, menus and the shared scope state.
// It owns the established state (TForm1State and the Unit1 globals) and the
// handlers named after their controls; each handler reads the widgets and
// hands the work to a core class. Every handler runs on the user-interface
// thread.
class TForm1 : public QMainWindow, private Ui::TForm1, protected TForm1State {
    Q_OBJECT

public:
    enum class PictureSet { English, Chinese };

    // drives opens the instrument's drive; it may be null (no device access).
    explicit TForm1(std::shared_ptr<DriveAccess> drives, QWidget* parent = nullptr);
    // The whole device link: drives, discovery, hot-plug and, in simulation,
    // the simulated instrument, which Ctrl+Shift+U unplugs and Ctrl+Shift+P
    // plugs back in.
    explicit TForm1(DeviceLink device, QWidget* parent = nullptr);
    ~TForm1() override;

    const TForm1State& State() const { return *this; }
    // The acquisition readers of the current run and any still ending.
    const ReaderThreads& Readers() const { return readers_; }
    // Whether the background analysis of the charts is running.
    bool AnalysisRunning() const;
    // Blocks read and not yet taken for drawing: the display queue's, and
    // in the sound sensor mode the low-speed plotter's.
    int QueuedBlocks() const;

    // The secondary windows that the menu commands show; they live as long
    // as the program, beside this window.
    void AttachWindows(TCalibration* calibration, TForm6* form6, TForm4* form4,
                       TFrequencySensorFrom* frequencySensorFrom, TForm8* form8);

    // Start-up after construction: device detection, then device events.
    void FormCreate();
    // Shutdown; also run by closing the window. Safe to run more than once.
    void FormClose();

    // Puts the language's pictures on the front-panel buttons.
    void LoadPictureSet(PictureSet set);
    // The caption: the program's name in the language in force, a blank, a
    // tab and the version.
    static QString Caption();

    // Where Language > Chinese and English find their modules (by default
    // beside the program and in its installed data folder).
    void SetLanguageModules(LanguageModules modules);
    // What Help > User Manual opens the manual with (by default the
    // desktop's program for its type).
    void SetDocumentOpener(std::unique_ptr<DocumentOpener> opener);

    // Commands of the hidden buttons: Start, Demo, Detect Device, Stop, Clear.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button6Click();
    void Button7Click();
    // Voltage adjustment panel.
    void Button10Click();
    void SpinEdit2Change();

    // Acquisition settings.
    void ComboBox3Change();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void RadioGroup3Click();
    void RadioGroup4Click();

    // Display timers and the reconnect poll.
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();

    // Front panel.
    void Image1Click();
    void Image2Click();
    void Image4Click();
    void Image5Click();
    void Image7Click();
    void Image9Click();
    void Image10Click();
    void Image11Click();
    void Image12Click();
    void Image13Click();
    void Image14Click();
    void Image15Click();
    void Image16Click();
    void Image17Click();
    void CheckListBox1ClickCheck();
    void ComboBox2Change();
    void Edit3Change();
    // Returns true when the key is swallowed and never reaches Edit3.
    bool Edit3KeyPress(QKeyEvent* key);
    void Edit3Click();
    void SpinEdit1Change();

    // Cursor readout; X and Y are pixels of the chart.
    void Chart1MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart2MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart3MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart4MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart1MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart2MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart3MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void Chart4MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

    // Menu commands.
    void saveas1Click();
    void SaveData1Click();
    void Exit1Click();
    void Screenshot1Click();
    void SaveCapture1Click();
    void USBADManual1Click();
    void About1Click();
    void Calibration1Click();
    void DistanceSensor1Click();
    void FrequencySensor1Click();
    void SoundSensor1Click();
    void Chinese1Click();
    void English1Click();
    // Both language commands: the locale identifier picks the module, the
    // check mark and the picture set (TForm1Language.cpp).
    void SwitchLanguage(int locale);
    // The scales, channel, rate and trigger settings the window starts
    // with; also applied again by a language switch.
    void ApplyStartUpSettings();

    // Device detection and hot-plug (TForm1Device.cpp). Detect Device is
    // Button3Click; Timer3Timer is the reconnect poll.
    void RegisterDeviceEvents();
    // Finds the instrument on drives '0'..'9' by its INQUIRY identity.
    void ProbeDrives();
    // Reads the zero-adjust window from the instrument's identity string.
    void ReadIdentityString();
    // Sets FZeroAdjust0 and FZeroAdjust1 from an eight-character window.
    void ParseZeroAdjust(std::string_view window);
    // An arrival or removal, from the hot-plug monitor or the Windows
    // device messages.
    void OnDeviceChange(const HotplugEvent& event);

    // Shows a message to the user without blocking the caller: the box is
    // modal to the window but the handler that raised it carries on, so a
    // message can never stall a timer or a shutdown.
    // A message box over the window; one raised before the window is on the
    // screen (a calibration.ini problem found at start-up) waits until it is.
    void ShowMessage(const QString& text);

signals:
    // The window has closed: the program ends.
    void Closed();
    // A message was shown (for tests and scripts that follow the window).
    void MessageShown(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenMessageBox(const QString& text);
    QStringList pendingMessages_;  // raised before the window was shown

    void CreateTimers();
    void SetUpToolBar();
    void SetUpCharts();
    // The texts set from code rather than by the layout: caption and chart
    // titles, in the language in force.
    void RetranslateCode();
    void ConnectHandlers();
    void SetUpSimulatorKeys();
    // Binds the calibration window to the calibration fields and its
    // messages to ShowMessage, and loads the calibration (TForm1Calibration.cpp).
    void AttachCalibration();
    void ReadHotplugEvents();

    // Acquisition settings (TForm1Settings.cpp). channel: 0 for CH0, 1 for CH1.
    void TimeBaseClick(int channel);
    void DrawCapturedTrace(TChart* chart, const std::vector<float>& trace, int recordLength,
                           int timeBaseIndex);
    void DrawTriggerOverlays(TChart* chart, const char* channelName, int recordLength, int timeBaseIndex);
    void VoltsClick(RadioGroup* group, TChart* chart, int& voltsIndex);
    static QString TimeAxisTitle(int timeBaseIndex);
    // Label3..Label5: rate, samples per screen and sample time of the signal
    // acquired (CH0's screen, CH1's when CH0 is off) or, during a demo, of
    // the demo wave.
    void ShowSignalFacts(int sampleRate, int samplesPerScreen);
    void ShowSignalFactsInForce();
    void GenerateDemoWave(int wave, int length);

    // Front panel (TForm1FrontPanel.cpp).
    void ChannelTurnedOff(int channel);
    // Edit3's level, or nothing while it is unfinished or no number.
    std::optional<float> TriggerLevelOfEdit3() const;
    void DrawLevelLine(FrontPanel::LevelDrawer drawer, float level);
    void DemoClick(int wave);

    // Display refresh (TForm1Display.cpp): one tick of the trace engine over
    // the queued blocks, then its effects on the widgets.
    TraceTickResult RunDisplayTick(TraceEngine::Refresh refresh);
    void ApplyDisplayTick(const TraceTickResult& result);
    void PlaceTriggerLabel(int channel, double triggerX);
    // Keeps the label at the point it marks when its chart zooms, resizes
    // or changes scale; hidden while that point is off the plot.
    void MoveTriggerLabel(TChart* chart);
    void StartAnalysis(bool once);

    // Spectrum, peak list and background analysis (TForm1Analysis.cpp).
    // ch0: CH0 (Chart1, Memo3), otherwise CH1 (Chart3, Memo5).
    void ComputeSpectrum(const double* samples, int n, int sampleRate, bool ch0);
    void DetectPeaks(const double* magnitudes, int count, bool ch0);
    void ResetPeakList(QPlainTextEdit* memo);
    // ResetPeakList on a list that shows lines; blank lists stay blank.
    void ResetListedPeaks(QPlainTextEdit* memo);
    void WritePeakLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);
    // Stops and joins the analysis thread; results it has sent and not yet
    // shown are dropped.
    void StopAnalysis();
    void SupplyAnalysisSnapshot(int generation, quint64 cycle);
    void ShowAnalysis(int generation, const ChannelAnalysis& result);
    void AnalysisEnded(int generation, bool onceDone);
    // The Measurements box (TForm1Measurements.cpp): channel 0 is the CH0
    // column, 1 the CH1 column; a reset shows "--" in every row.
    void ShowMeasurements(int channel, const Measurements& measurements);
    void ResetMeasurements(int channel);
    // Cursor readout (TForm1Readout.cpp).
    void ShowCursorReadout(TChart* chart, int x, int y);
    PulseSampleSink* PulseWindowFeed();

    // Run control (TForm1Acquisition.cpp).
    void StartMainthread();
    void StartRecording();
    // Stops every reader and waits for it, however long its command takes.
    void JoinReaders();
    // The WAV recording of a sound-sensor run (TForm1Export.cpp).
    std::shared_ptr<VoltSink> RecordingSink();
    // Low-speed plotting (TForm1LowSpeedPlot.cpp): the plotter of a
    // recording run takes the reader's blocks; EndPlotter stops and joins it.
    void StartPlotter(readmsc& reader);
    void EndPlotter();
    // Batches are drawn together at most every 50 ms, as the display
    // refresh draws the free-running trace: each push of the chart redraws
    // and re-strokes the whole trace, and a batch comes every 31 ms at
    // 100 kS/s.
    void QueuePlotBatch(std::shared_ptr<const PlotBatch> batch);
    void DrawPlotBatches();
    void ResetPeakList();

    std::shared_ptr<DriveAccess> drives_;
    std::shared_ptr<DeviceDiscovery> discovery_;
    std::shared_ptr<HotplugMonitor> hotplug_;
    std::shared_ptr<SimulatedInstrument> simulator_;
    LanguageModules languages_;
    std::unique_ptr<DocumentOpener> opener_;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    QTimer* Timer4 = nullptr;

    // The series models of the charts, under their component names; the
    // charts show them on their next push. Chart2 (CH0 waveform): trace,
    // trigger level line, trigger marker.
    SeriesModel* LineSeries5 = nullptr;
    SeriesModel* LineSeries6 = nullptr;
    SeriesModel* LineSeries7 = nullptr;
    // Chart4 (CH1 waveform): the same three.
    SeriesModel* LineSeries2 = nullptr;
    SeriesModel* LineSeries3 = nullptr;
    SeriesModel* LineSeries4 = nullptr;
    // Chart1 and Chart3: the CH0 and CH1 spectra.
    SeriesModel* Series1 = nullptr;
    SeriesModel* FastLineSeries1 = nullptr;

    // The spectrum of the demo waveforms, computed on this thread.
    SpectrumTransform spectrum_;
    // The analysis thread: at most one; each start gets a new generation,
    // so results of a replaced or stopped thread still queued are ignored.
    std::unique_ptr<testT> analysis_;
    int analysisGeneration_ = 0;
    bool analysisTriggered_ = false;  // the one-shot analysis of a capture

    // Bound to the fields and series above; made at the first display tick.
    std::unique_ptr<TraceEngine> traceEngine_;

    QPointer<TCalibration> Calibration;
    QPointer<TForm6> Form6;
    QPointer<TForm4> Form4;
    QPointer<TFrequencySensorFrom> FrequencySensorFrom;
    QPointer<TForm8> Form8;
    std::unique_ptr<PulseWindowSink> pulseSink_;  // feeds FrequencySensorFrom

    // The low-speed plotter of a recording run and its drawing.
    std::unique_ptr<showChart> plotter_;
    std::unique_ptr<LowSpeedPlot> lowSpeedPlot_;
    double triggerLabelX_ = 0.0;                                 // the time the trigger label marks
    float triggerLabelLevel_ = 0.0f;                             // and the level it triggered at
    std::vector<std::shared_ptr<const PlotBatch>> plotBatches_;  // to draw at the next plot tick
    QTimer* plotDrawTimer_ = nullptr;

    // Destroyed before the state the readers read (TForm1State is a base);
    // joined explicitly at close and in the destructor all the same.
    ReaderThreads readers_;
};
