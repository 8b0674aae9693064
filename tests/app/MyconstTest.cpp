#include <gtest/gtest.h>

#include <ostream>

#include <QCoreApplication>
#include <QTranslator>

#include <set>
#include <string>

#include "Myconst.h"

namespace {

struct Expected {
    const Myconst::Entry* entry;
    int id;
    const char* name;
    const char* english;
};

void PrintTo(const Expected& e, std::ostream* os) {
    *os << e.name;
}

class MyconstTableTest : public ::testing::TestWithParam<Expected> {};

TEST_P(MyconstTableTest, KeepsIdentifierAndEnglishText) {
    const Expected& e = GetParam();
    EXPECT_EQ(e.entry->id, e.id);
    EXPECT_STREQ(e.entry->name, e.name);
    EXPECT_EQ(e.entry->Text(), QString::fromLatin1(e.english));
    EXPECT_EQ(Myconst::Find(e.id), e.entry);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Strings, MyconstTableTest, ::testing::Values(
    Expected{&Myconst::SmsgFormname, 65504, "SmsgFormname", "Oscilloscope/Spectrum Analyzer"},
    Expected{&Myconst::SmsgZeroAdjustInvalid, 65519, "SmsgZeroAdjustInvalid",
             "Invalid zero adjustment \"%1\" in the device identity: '%2' is not an integer."},
    Expected{&Myconst::SetFindDevice, 65520, "SetFindDevice", "Device detected"},
    Expected{&Myconst::SetNoDevice, 65521, "SetNoDevice", "No device found!"},
    Expected{&Myconst::SmsgPlsChannel, 65522, "SmsgPlsChannel", "please choose channel!"},
    Expected{&Myconst::SpcWaitTrigger, 65523, "SpcWaitTrigger", "Wait for trigger"},
    Expected{&Myconst::SpcTriggerComplete, 65524, "SpcTriggerComplete", "Trigger is complete"},
    Expected{&Myconst::SpcTriggerhere, 65525, "SpcTriggerhere", "had been triggered here"},
    Expected{&Myconst::SmsgNoDevice, 65526, "SmsgNoDevice", "No device found, please check it!"},
    Expected{&Myconst::SmsgCalib, 65528, "SmsgCalib", "Calibration Complete!"},
    Expected{&Myconst::SmsgCalibInvalid, 65529, "SmsgCalibInvalid", "Please input valid voltage!"},
    Expected{&Myconst::Scharts, 65530, "Scharts", "Time  ( s )"},
    Expected{&Myconst::Schartms, 65531, "Schartms", "Time  ( ms )"},
    Expected{&Myconst::Setdistance, 65532, "Setdistance", "Out of Range"},
    Expected{&Myconst::SmsgImg, 65533, "SmsgImg", "Do you want to save the image?"},
    Expected{&Myconst::Smsgfreq, 65534, "Smsgfreq", "Please select sample rate lower!"}),
    [](const ::testing::TestParamInfo<Expected>& info) { return std::string(info.param.name); });
// clang-format on

TEST(Myconst, ListsEveryStringOnceInIdentifierOrder) {
    std::set<int> ids;
    int previous = 0;
    for (const Myconst::Entry* entry : Myconst::All) {
        EXPECT_GT(entry->id, previous) << entry->name;
        previous = entry->id;
        ids.insert(entry->id);
    }
    EXPECT_EQ(ids.size(), Myconst::All.size());
    for (int unused : {65527, 65503, 65535, 0}) {
        EXPECT_EQ(Myconst::Find(unused), nullptr) << unused;
    }
}

// A language module that knows one of the strings.
class OneStringTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "Myconst") == 0 && qstrcmp(source, "No device found!") == 0) {
            return QStringLiteral("TRANSLATED");
        }
        return QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(Myconst, LooksTheTextUpWhenAsked) {
    OneStringTranslator translator;
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    EXPECT_EQ(Myconst::SetNoDevice.Text(), QStringLiteral("TRANSLATED"));
    EXPECT_EQ(Myconst::SetFindDevice.Text(), QStringLiteral("Device detected"));
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(Myconst::SetNoDevice.Text(), QStringLiteral("No device found!"));
}

}  // namespace
