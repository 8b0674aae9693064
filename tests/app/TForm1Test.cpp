#include <gtest/gtest.h>

#include <ostream>

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <climits>
#include <memory>

#include "RadioGroup.h"
#include "TForm1.h"
#include "TForm6.h"
#include "TImage.h"
#include "Unit1Globals.h"

namespace {

template <typename T>
T* Find(const QObject& parent, const char* name) {
    return parent.findChild<T*>(QString::fromLatin1(name));
}

class TForm1Test : public ::testing::Test {
protected:
    TForm1 form{nullptr};
};

TEST_F(TForm1Test, StartsWithTheDocumentedDefaults) {
    const QString caption = form.windowTitle();
    EXPECT_TRUE(caption.startsWith(QStringLiteral("Oscilloscope/Spectrum Analyzer ")))
        << caption.toStdString();
    EXPECT_TRUE(caption.endsWith(QStringLiteral("\tV3.03"))) << caption.toStdString();
    EXPECT_EQ(gSampleRate.load(), 64);
    EXPECT_EQ(int{gChannelMask.load()}, 1);
    EXPECT_EQ(gRateMultiple, 1);
    EXPECT_EQ(gTriggerEdge, 1);
    EXPECT_EQ(gTriggerMode, 0);
    EXPECT_EQ(gTriggerChannel, "CH0");
    EXPECT_FLOAT_EQ(gTriggerLevel, 0.0f);
    // ComboBox1's 1024 is replaced at once by the time-base handlers: "0.5s"
    // at 64 samples/s.
    EXPECT_EQ(form.State().FRecordLength0.load(), 128);
    EXPECT_EQ(form.State().FRecordLength1.load(), 128);
    EXPECT_EQ(form.State().FFramesPerRead.load(), 1);
    EXPECT_EQ(form.State().FDecimation.load(), 1);
    EXPECT_FALSE(form.State().FStopRequested.load());
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);

    auto* channels = Find<QListWidget>(form, "CheckListBox1");
    ASSERT_EQ(channels->count(), 2);
    EXPECT_EQ(channels->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(channels->item(1)->checkState(), Qt::Unchecked);

    auto* rate = Find<QComboBox>(form, "ComboBox3");
    EXPECT_EQ(rate->currentIndex(), 0);
    EXPECT_EQ(rate->currentText(), QStringLiteral("64"));

    EXPECT_EQ(Find<QLineEdit>(form, "Edit2")->text(), QStringLiteral("No device found!"));
    EXPECT_TRUE(Find<QLineEdit>(form, "Edit2")->isReadOnly());
    EXPECT_TRUE(Find<QPlainTextEdit>(form, "Memo1")->toPlainText().isEmpty());
}

TEST_F(TForm1Test, SelectsTheStartUpScales) {
    const std::pair<const char*, int> expected[] = {
        {"RadioGroup1", 7}, {"RadioGroup2", 4}, {"RadioGroup3", 4}, {"RadioGroup4", 7}};
    for (const auto& [name, index] : expected) {
        EXPECT_EQ(Find<RadioGroup>(form, name)->ItemIndex(), index) << name;
    }
}

TEST_F(TForm1Test, TimersHaveTheirIntervalsAndStartStopped) {
    // The time-base handlers retune the display timers for 64 samples/s.
    const std::pair<const char*, int> expected[] = {
        {"Timer1", 90}, {"Timer2", 90}, {"Timer3", 1000}, {"Timer4", 1000}};
    for (const auto& [name, interval] : expected) {
        auto* timer = Find<QTimer>(form, name);
        ASSERT_NE(timer, nullptr) << name;
        EXPECT_EQ(timer->interval(), interval) << name;
        EXPECT_FALSE(timer->isActive()) << name;
    }
}

TEST_F(TForm1Test, HiddenCommandsAndPanelsStayHidden) {
    form.show();
    for (const char* name : {"Button1", "Button2", "Button3", "Button6", "Button7", "Panel6", "Panel1",
                             "CheckListBox1", "ComboBox1", "Memo1", "MainMenu1"}) {
        auto* widget = Find<QWidget>(form, name);
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->isVisible()) << name;
    }
    for (const char* name :
         {"GroupBox1", "GroupBox2", "ToolBar1", "Chart1", "Chart2", "Chart3", "Chart4", "Label25", "Label20",
          "Memo3", "Memo5", "Edit2", "Edit3", "ComboBox2", "ComboBox3"}) {
        EXPECT_TRUE(Find<QWidget>(form, name)->isVisible()) << name;
    }
}

TEST_F(TForm1Test, CommandButtonsCarryTheirCaptions) {
    const std::pair<const char*, const char*> expected[] = {
        {"Button1", "Start"}, {"Button3", "Detect Device"}, {"Button6", "Stop"},   {"Button7", "Clear"},
        {"Button2", "Demo"},  {"Button8", "Set"},           {"Button10", "Cancel"}};
    for (const auto& [name, caption] : expected) {
        EXPECT_EQ(Find<QPushButton>(form, name)->text(), QString::fromLatin1(caption)) << name;
    }
    EXPECT_EQ(Find<QPushButton>(form, "Button2")->toolTip(), QStringLiteral("Demo a wave"));
}

struct Component {
    const char* name;
    const char* className;
};

void PrintTo(const Component& c, std::ostream* os) {
    *os << c.name;
}

class TForm1ComponentTest : public ::testing::TestWithParam<Component> {};

TEST_P(TForm1ComponentTest, ExistsWithItsClass) {
    TForm1 form(nullptr);
    const Component& c = GetParam();
    const QObject* object = form.findChild<QObject*>(QString::fromLatin1(c.name));
    ASSERT_NE(object, nullptr) << c.name;
    EXPECT_TRUE(object->inherits(c.className)) << c.name << " is a " << object->metaObject()->className();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Form, TForm1ComponentTest, ::testing::Values(
    Component{"ToolBar1", "QToolBar"}, Component{"MainMenu1", "QMenuBar"},
    Component{"File1", "QMenu"}, Component{"Edit4", "QMenu"}, Component{"H1", "QMenu"},
    Component{"Senors1", "QMenu"}, Component{"Language1", "QMenu"},
    Component{"saveas1", "QAction"}, Component{"SaveData1", "QAction"}, Component{"Exit1", "QAction"},
    Component{"Screenshot1", "QAction"}, Component{"SaveCapture1", "QAction"},
    Component{"USBADManual1", "QAction"}, Component{"About1", "QAction"}, Component{"Calibration1", "QAction"},
    Component{"DistanceSensor1", "QAction"}, Component{"FrequencySensor1", "QAction"},
    Component{"SoundSensor1", "QAction"}, Component{"Chinese1", "QAction"}, Component{"English1", "QAction"},
    Component{"GroupBox1", "QGroupBox"}, Component{"GroupBox2", "QGroupBox"},
    Component{"Image1", "TImage"}, Component{"Image2", "TImage"}, Component{"Image3", "TImage"},
    Component{"Image4", "TImage"}, Component{"Image5", "TImage"}, Component{"Image6", "TImage"},
    Component{"Image7", "TImage"}, Component{"Image8", "TImage"}, Component{"Image9", "TImage"},
    Component{"Image10", "TImage"}, Component{"Image11", "TImage"}, Component{"Image12", "TImage"},
    Component{"Image13", "TImage"}, Component{"Image14", "TImage"}, Component{"Image15", "TImage"},
    Component{"Image16", "TImage"}, Component{"Image17", "TImage"}, Component{"Image18", "TImage"},
    Component{"Edit2", "QLineEdit"}, Component{"Edit3", "QLineEdit"}, Component{"Edit5", "QLineEdit"},
    Component{"Edit6", "QLineEdit"}, Component{"Edit11", "QLineEdit"},
    Component{"SpinEdit1", "QSpinBox"}, Component{"SpinEdit2", "QSpinBox"},
    Component{"ComboBox1", "QComboBox"}, Component{"ComboBox2", "QComboBox"}, Component{"ComboBox3", "QComboBox"},
    Component{"CheckListBox1", "QListWidget"},
    Component{"Label3", "QLabel"}, Component{"Label4", "QLabel"}, Component{"Label5", "QLabel"},
    Component{"Label20", "QLabel"}, Component{"Label22", "QLabel"}, Component{"Label23", "QLabel"},
    Component{"Label25", "QLabel"}, Component{"Panel6", "QLabel"}, Component{"Panel1", "QFrame"},
    Component{"Button1", "QPushButton"}, Component{"Button2", "QPushButton"}, Component{"Button3", "QPushButton"},
    Component{"Button6", "QPushButton"}, Component{"Button7", "QPushButton"}, Component{"Button8", "QPushButton"},
    Component{"Button10", "QPushButton"},
    Component{"Memo1", "QPlainTextEdit"}, Component{"Memo3", "QPlainTextEdit"}, Component{"Memo5", "QPlainTextEdit"},
    Component{"Chart1", "QChartView"}, Component{"Chart2", "QChartView"}, Component{"Chart3", "QChartView"},
    Component{"Chart4", "QChartView"},
    Component{"RadioGroup1", "RadioGroup"}, Component{"RadioGroup2", "RadioGroup"},
    Component{"RadioGroup3", "RadioGroup"}, Component{"RadioGroup4", "RadioGroup"},
    Component{"Timer1", "QTimer"}, Component{"Timer2", "QTimer"}, Component{"Timer3", "QTimer"},
    Component{"Timer4", "QTimer"}),
    [](const ::testing::TestParamInfo<Component>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(TForm1Test, ControlsAreParentedAsOnTheFrontPanel) {
    auto* panel = Find<QWidget>(form, "GroupBox1");
    auto* trigger = Find<QWidget>(form, "GroupBox2");
    for (const char* name :
         {"Image1", "Image2", "Image3", "Image16", "Image17", "Image18", "Edit3", "SpinEdit1", "ComboBox2"}) {
        EXPECT_EQ(Find<QWidget>(form, name)->parentWidget(), trigger) << name;
    }
    for (const char* name :
         {"GroupBox2", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9", "Image10", "Image11",
          "Image12", "Image13", "Image14", "Image15", "ComboBox3", "Edit2", "Edit5", "Edit6"}) {
        EXPECT_EQ(Find<QWidget>(form, name)->parentWidget(), panel) << name;
    }
    EXPECT_EQ(Find<QWidget>(form, "Label25")->parentWidget(), Find<QWidget>(form, "Chart2"));
    EXPECT_EQ(Find<QWidget>(form, "Label20")->parentWidget(), Find<QWidget>(form, "Chart4"));
    EXPECT_EQ(Find<QWidget>(form, "GroupBox1")->width(), 262);
}

struct Place {
    const char* name;
    int left, top, width, height;
    bool visible;
};

void PrintTo(const Place& p, std::ostream* os) {
    *os << p.name << " at " << p.left << "," << p.top;
}

class TForm1PlaceTest : public ::testing::TestWithParam<Place> {};

TEST_P(TForm1PlaceTest, SitsWhereThePanelPutsIt) {
    TForm1 form(nullptr);
    form.show();
    const Place& p = GetParam();
    auto* image = form.findChild<TImage*>(QString::fromLatin1(p.name));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->geometry(), QRect(p.left, p.top, p.width, p.height)) << p.name;
    EXPECT_EQ(image->isVisible(), p.visible) << p.name;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FrontPanel, TForm1PlaceTest, ::testing::Values(
    Place{"Image10", 103, 66, 70, 30, true}, Place{"Image14", 103, 66, 70, 29, false},
    Place{"Image15", 179, 66, 72, 30, true}, Place{"Image13", 179, 66, 71, 29, false},
    Place{"Image1", 4, 57, 70, 25, true},    Place{"Image2", 10, 59, 56, 21, false},
    Place{"Image5", 20, 524, 98, 48, true},  Place{"Image6", 20, 524, 98, 48, true},
    Place{"Image7", 143, 524, 97, 48, true}, Place{"Image8", 143, 524, 97, 48, true},
    Place{"Image9", 9, 592, 55, 35, true},   Place{"Image11", 70, 592, 55, 35, true},
    Place{"Image12", 132, 592, 55, 35, true}, Place{"Image4", 194, 592, 55, 35, true},
    Place{"Image3", 152, 11, 34, 26, true},  Place{"Image16", 154, 11, 32, 26, false},
    Place{"Image17", 192, 11, 34, 26, true}, Place{"Image18", 192, 11, 34, 26, false}),
    [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(TForm1Test, StackedPicturesLieInTheirOrder) {
    // Start covers its pressed picture; the unavailable Hold covers Hold.
    auto* panel = Find<QWidget>(form, "GroupBox1");
    const QObjectList& order = panel->children();
    EXPECT_GT(order.indexOf(Find<QWidget>(form, "Image5")), order.indexOf(Find<QWidget>(form, "Image6")));
    EXPECT_GT(order.indexOf(Find<QWidget>(form, "Image8")), order.indexOf(Find<QWidget>(form, "Image7")));
    // SpinEdit1's edit part lies under Edit3, its arrows beside it.
    EXPECT_GT(Find<QWidget>(form, "GroupBox2")->children().indexOf(Find<QWidget>(form, "Edit3")),
              Find<QWidget>(form, "GroupBox2")->children().indexOf(Find<QWidget>(form, "SpinEdit1")));
    EXPECT_GT(Find<QWidget>(form, "SpinEdit1")->geometry().right(),
              Find<QWidget>(form, "Edit3")->geometry().right());
}

TEST_F(TForm1Test, TriggerControlsStartAsTheFormHasThem) {
    EXPECT_EQ(Find<QLineEdit>(form, "Edit3")->text(), QStringLiteral("0"));
    auto* spin = Find<QSpinBox>(form, "SpinEdit1");
    EXPECT_EQ(spin->value(), 0);
    EXPECT_EQ(spin->minimum(), INT_MIN);
    EXPECT_EQ(spin->maximum(), INT_MAX);
    auto* source = Find<QComboBox>(form, "ComboBox2");
    ASSERT_EQ(source->count(), 2);
    EXPECT_EQ(source->itemText(0), QStringLiteral("CH0"));
    EXPECT_EQ(source->itemText(1), QStringLiteral("CH1"));
    EXPECT_EQ(Find<QComboBox>(form, "ComboBox1")->currentText(), QStringLiteral("1024"));
    EXPECT_EQ(Find<QLineEdit>(form, "Edit11")->text(), QStringLiteral("0"));
}

TEST_F(TForm1Test, SampleRateChoicesAreInTheirOrder) {
    auto* rate = Find<QComboBox>(form, "ComboBox3");
    QStringList items;
    for (int i = 0; i < rate->count(); ++i) {
        items << rate->itemText(i);
    }
    EXPECT_EQ(items, QStringList({"64", "6.25k", "12.5k", "25k", "50k", "100k"}));
}

TEST_F(TForm1Test, ScaleGroupsListTheirItemsInIndexOrder) {
    const QStringList timeBase{"1ms", "50ms", "2ms", "0.1s", "5ms", "0.2s", "10ms", "0.5s", "20ms", "1.0s"};
    const QStringList volts{"0.1v", "0.2v", "0.5v", "1.0v", "2.0v"};
    EXPECT_EQ(Find<RadioGroup>(form, "RadioGroup1")->Items(), timeBase);
    EXPECT_EQ(Find<RadioGroup>(form, "RadioGroup4")->Items(), timeBase);
    EXPECT_EQ(Find<RadioGroup>(form, "RadioGroup2")->Items(), volts);
    EXPECT_EQ(Find<RadioGroup>(form, "RadioGroup3")->Items(), volts);
    EXPECT_EQ(Find<RadioGroup>(form, "RadioGroup1")->Columns(), 5);
    EXPECT_EQ(Find<RadioGroup>(form, "RadioGroup4")->Columns(), 5);
}

TEST_F(TForm1Test, LabelsCarryTheirTexts) {
    const std::pair<const char*, const char*> expected[] = {
        {"Label22", "CH0 Peak Detection"},
        {"Label23", "CH1 Peak Detection"},
        {"Label25", "* Zoom-In is available at any point"},
        {"Label20", "* Zoom-In is available at any point"},
        {"Panel2", "Frequency Domain"},
        {"Panel3", "Frequency Domain"},
        {"LabelDigitalOutput", "Digital  Output"},
        {"LabelVoltageAdjustment", "Voltage Adjustment: "}};
    for (const auto& [name, text] : expected) {
        EXPECT_EQ(Find<QLabel>(form, name)->text(), QString::fromLatin1(text)) << name;
    }
    for (const char* name : {"Label25", "Label20"}) {
        EXPECT_EQ(Find<QLabel>(form, name)->geometry(), QRect(16, 287, 200, 13)) << name;
    }
}

TEST_F(TForm1Test, PeakMemosHoldSixEmptyLines) {
    for (const char* name : {"Memo3", "Memo5"}) {
        auto* memo = Find<QPlainTextEdit>(form, name);
        EXPECT_EQ(memo->document()->blockCount(), 6) << name;
        EXPECT_TRUE(memo->toPlainText().trimmed().isEmpty()) << name;
    }
}

struct ChartSeries {
    const char* chart;
    QStringList series;
    QList<bool> visible;
};

TEST_F(TForm1Test, ChartsHoldTheirSeriesInOrder) {
    const ChartSeries expected[] = {
        {"Chart2", {"LineSeries5", "LineSeries6", "LineSeries7"}, {true, false, false}},
        {"Chart4", {"LineSeries2", "LineSeries3", "LineSeries4"}, {true, false, false}},
        {"Chart1", {"Series1"}, {true}},
        {"Chart3", {"FastLineSeries1"}, {true}},
    };
    for (const ChartSeries& c : expected) {
        const QList<QAbstractSeries*> series = Find<QChartView>(form, c.chart)->chart()->series();
        ASSERT_EQ(series.size(), c.series.size()) << c.chart;
        for (int i = 0; i < series.size(); ++i) {
            EXPECT_EQ(series[i]->objectName(), c.series[i]) << c.chart;
            EXPECT_EQ(series[i]->isVisible(), c.visible[i]) << c.series[i].toStdString();
            EXPECT_EQ(series[i]->attachedAxes().size(), 2) << c.series[i].toStdString();
        }
    }
}

TEST_F(TForm1Test, TracesAreWhiteAndOverlaysDottedBlue) {
    for (const char* name : {"Chart2", "Chart4"}) {
        const QList<QAbstractSeries*> series = Find<QChartView>(form, name)->chart()->series();
        const auto* trace = qobject_cast<QLineSeries*>(series[0]);
        EXPECT_EQ(trace->pen().color(), QColor(Qt::white)) << name;
        for (int i : {1, 2}) {
            const QPen pen = qobject_cast<QLineSeries*>(series[i])->pen();
            EXPECT_EQ(pen.style(), Qt::DotLine) << name << " series " << i;
            EXPECT_GT(pen.color().blue(), 2 * pen.color().red()) << name << " series " << i;
        }
    }
}

TEST_F(TForm1Test, ToolBarDropsTheMenus) {
    auto* toolBar = Find<QToolBar>(form, "ToolBar1");
    EXPECT_FALSE(toolBar->isMovable());
    const std::pair<const char*, const char*> buttons[] = {{"File1", "File"},
                                                           {"Edit4", "Capture"},
                                                           {"H1", "Help"},
                                                           {"Senors1", "Sensor"},
                                                           {"Language1", "Language"}};
    const QList<QAction*> actions = toolBar->actions();
    ASSERT_EQ(actions.size(), 5);
    for (int i = 0; i < 5; ++i) {
        auto* menu = Find<QMenu>(form, buttons[i].first);
        EXPECT_EQ(actions[i], menu->menuAction()) << buttons[i].first;
        EXPECT_EQ(actions[i]->text(), QString::fromLatin1(buttons[i].second));
        auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(actions[i]));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->width(), 75);
        EXPECT_EQ(button->popupMode(), QToolButton::InstantPopup);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextOnly);
        EXPECT_EQ(button->property("marked").toBool(), i == 1) << buttons[i].second;
    }
}

struct MenuItems {
    const char* menu;
    QList<std::pair<const char*, const char*>> items;
};

TEST_F(TForm1Test, MenusHoldTheirCommands) {
    const MenuItems expected[] = {
        {"File1", {{"saveas1", "Save Picture As"}, {"SaveData1", "Save Data As"}, {"Exit1", "Exit"}}},
        {"Edit4", {{"Screenshot1", "Edit Capture"}, {"SaveCapture1", "Save Capture"}}},
        {"H1", {{"USBADManual1", "User Manual"}, {"About1", "About..."}, {"Calibration1", "Calibration"}}},
        {"Senors1",
         {{"DistanceSensor1", "Distance Sensor"},
          {"FrequencySensor1", "Pulse Sensor"},
          {"SoundSensor1", "Sound Sensor"}}},
        {"Language1", {{"Chinese1", "Chinese"}, {"English1", "English"}}},
    };
    for (const MenuItems& m : expected) {
        const QList<QAction*> actions = Find<QMenu>(form, m.menu)->actions();
        ASSERT_EQ(actions.size(), m.items.size()) << m.menu;
        for (int i = 0; i < actions.size(); ++i) {
            EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(m.items[i].first)) << m.menu;
            EXPECT_EQ(actions[i]->text(), QString::fromLatin1(m.items[i].second)) << m.menu;
        }
    }
    for (const char* name : {"SoundSensor1", "Chinese1", "English1"}) {
        EXPECT_TRUE(Find<QAction>(form, name)->isCheckable()) << name;
        EXPECT_FALSE(Find<QAction>(form, name)->isChecked()) << name;
    }
}

TEST_F(TForm1Test, CheckMarksAreLeftToTheCommands) {
    // The command sets and clears the mark itself; Qt's own toggle is undone,
    // so each click flips it exactly once.
    auto* sound = Find<QAction>(form, "SoundSensor1");
    sound->trigger();
    EXPECT_TRUE(sound->isChecked());
    EXPECT_EQ(form.State().FSoundMode.load(), 1);
    sound->trigger();
    EXPECT_FALSE(sound->isChecked());
    EXPECT_EQ(form.State().FSoundMode.load(), 0);
}

TEST_F(TForm1Test, ShowsTheEnglishPicturesUnderAnEnglishCaption) {
    const std::pair<const char*, const char*> expected[] = {
        {"Image10", "CH0"},   {"Image14", "CH0_1"}, {"Image15", "CH1_1"}, {"Image13", "CH1"},
        {"Image1", "off"},    {"Image2", "on"},     {"Image5", "start"},  {"Image6", "start_1"},
        {"Image7", "hold"},   {"Image8", "hold_1"}, {"Image9", "demo1"},  {"Image11", "demo2"},
        {"Image12", "demo3"}, {"Image4", "clear"}};
    for (const auto& [name, picture] : expected) {
        EXPECT_EQ(Find<TImage>(form, name)->Picture(), QString::fromLatin1(picture)) << name;
    }
}

TEST_F(TForm1Test, ChineseSetSwapsEveryNamedPicture) {
    form.LoadPictureSet(TForm1::PictureSet::Chinese);
    const std::pair<const char*, const char*> expected[] = {
        {"Image10", "CH01"},    {"Image14", "CH02"},   {"Image15", "CH12"},    {"Image13", "CH11"},
        {"Image1", "off1"},     {"Image2", "on1"},     {"Image5", "start1_1"}, {"Image6", "start2_2"},
        {"Image7", "hold1_1"},  {"Image8", "hold2_2"}, {"Image9", "demo1_1"},  {"Image11", "demo2_2"},
        {"Image12", "demo3_3"}, {"Image4", "clear_1"}};
    for (const auto& [name, picture] : expected) {
        EXPECT_EQ(Find<TImage>(form, name)->Picture(), QString::fromLatin1(picture)) << name;
    }
    // Which picture of each pair shows does not change with the language.
    EXPECT_FALSE(Find<TImage>(form, "Image14")->isVisibleTo(&form));
    EXPECT_TRUE(Find<TImage>(form, "Image10")->isVisibleTo(&form));
}

TEST(TForm1Construction, StartsFromCleanModuleState) {
    gSampleRate = 100000;
    gRateMultiple = 1562;
    gTriggerMode = 1;
    gChannelMask = 3;
    gTriggerChannel = "CH1";
    gTriggerLevel = 2.5f;
    gTriggerEdge = 2;
    gDeviceFound = true;
    gDeviceDrive = '3';
    gSampleBuffer = std::make_unique<std::uint8_t[]>(16384);
    gSampleBufferAllocated = true;

    TForm1 form(nullptr);

    EXPECT_EQ(gSampleRate.load(), 64);
    EXPECT_EQ(gRateMultiple, 1);
    EXPECT_EQ(gTriggerMode, 0);
    EXPECT_EQ(int{gChannelMask.load()}, 1);
    EXPECT_EQ(gTriggerChannel, "CH0");
    EXPECT_FLOAT_EQ(gTriggerLevel, 0.0f);
    EXPECT_EQ(gTriggerEdge, 1);
    EXPECT_FALSE(gDeviceFound);
    EXPECT_EQ(gDeviceDrive, 0);
    EXPECT_EQ(gSampleBuffer, nullptr);
    EXPECT_FALSE(gSampleBufferAllocated);
}

TEST_F(TForm1Test, FormCloseStopsAndFreesAndMayRunTwice) {
    gSampleBuffer = std::make_unique<std::uint8_t[]>(16384);
    gSampleBufferAllocated = true;

    form.FormClose();
    EXPECT_TRUE(form.State().FStopRequested.load());
    EXPECT_EQ(gSampleBuffer, nullptr);
    EXPECT_FALSE(gSampleBufferAllocated);
    EXPECT_EQ(form.State().FDeviceHandle.load(), nullptr);

    form.FormClose();
    EXPECT_TRUE(form.State().FStopRequested.load());
    EXPECT_EQ(gSampleBuffer, nullptr);
    EXPECT_FALSE(gSampleBufferAllocated);
}

TEST_F(TForm1Test, ExitClosesTheWindowThroughFormClose) {
    QSignalSpy closed(&form, &TForm1::Closed);
    form.show();
    Find<QAction>(form, "Exit1")->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.State().FStopRequested.load());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(TForm1Test, AboutTwiceShowsOneAboutWindow) {
    TForm6 about;
    form.AttachWindows(nullptr, &about, nullptr, nullptr, nullptr);
    form.show();
    form.About1Click();
    form.About1Click();
    EXPECT_TRUE(about.isVisible());
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        shown += window->isVisible() && qobject_cast<TForm6*>(window) != nullptr ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(form.isVisible());  // not modal: the main window stays usable
    EXPECT_FALSE(about.isModal());
}

}  // namespace

namespace {

TEST_F(TForm1Test, AMessageBeforeTheWindowIsShownWaitsForIt) {
    // What start-up finds wrong (calibration.ini, say) is seen once the
    // window is on the screen.
    auto visibleBoxes = [&] {
        QStringList texts;
        for (QMessageBox* box : form.findChildren<QMessageBox*>()) {
            if (box->isVisible()) {
                texts.push_back(box->text());
            }
        }
        return texts;
    };
    form.ShowMessage(QStringLiteral("found at start-up"));
    QApplication::processEvents();
    EXPECT_TRUE(visibleBoxes().isEmpty());
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(visibleBoxes(), QStringList{QStringLiteral("found at start-up")});
    form.ShowMessage(QStringLiteral("later"));
    EXPECT_EQ(visibleBoxes().size(), 2);
}

}  // namespace
