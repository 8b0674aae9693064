#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The program's resource strings: every message shown from code is one of
// these, under its established name and identifier. Text() looks the English
// text up in Qt's translation system (context "Myconst") at the moment it is
// called, so after a language switch the next message is in the new language.
// The English texts keep their doubled blanks.
class Myconst {
public:
    struct Entry {
        int id;
        const char* name;
        const char* english;
        QString Text() const;
    };

    static constexpr Entry SmsgFormname{65504, "SmsgFormname",
                                        QT_TRANSLATE_NOOP("Myconst", "Oscilloscope/Spectrum Analyzer")};
    // Our own: the framework's invalid-integer error, said so the user can
    // tell where the bad number came from.
    static constexpr Entry SmsgZeroAdjustInvalid{
        65519, "SmsgZeroAdjustInvalid",
        QT_TRANSLATE_NOOP("Myconst",
                          "Invalid zero adjustment \"%1\" in the device identity: '%2' is not an integer.")};
    static constexpr Entry SetFindDevice{65520, "SetFindDevice",
                                         QT_TRANSLATE_NOOP("Myconst", "Device detected")};
    static constexpr Entry SetNoDevice{65521, "SetNoDevice",
                                       QT_TRANSLATE_NOOP("Myconst", "No device found!")};
    static constexpr Entry SmsgPlsChannel{65522, "SmsgPlsChannel",
                                          QT_TRANSLATE_NOOP("Myconst", "please choose channel!")};
    static constexpr Entry SpcWaitTrigger{65523, "SpcWaitTrigger",
                                          QT_TRANSLATE_NOOP("Myconst", "Wait for trigger")};
    static constexpr Entry SpcTriggerComplete{65524, "SpcTriggerComplete",
                                              QT_TRANSLATE_NOOP("Myconst", "Trigger is complete")};
    static constexpr Entry SpcTriggerhere{65525, "SpcTriggerhere",
                                          QT_TRANSLATE_NOOP("Myconst", "had been triggered here")};
    static constexpr Entry SmsgNoDevice{65526, "SmsgNoDevice",
                                        QT_TRANSLATE_NOOP("Myconst", "No device found, please check it!")};
    static constexpr Entry SmsgCalib{65528, "SmsgCalib",
                                     QT_TRANSLATE_NOOP("Myconst", "Calibration Complete!")};
    static constexpr Entry SmsgCalibInvalid{65529, "SmsgCalibInvalid",
                                            QT_TRANSLATE_NOOP("Myconst", "Please input valid voltage!")};
    static constexpr Entry Scharts{65530, "Scharts", QT_TRANSLATE_NOOP("Myconst", "Time  ( s )")};
    static constexpr Entry Schartms{65531, "Schartms", QT_TRANSLATE_NOOP("Myconst", "Time  ( ms )")};
    static constexpr Entry Setdistance{65532, "Setdistance", QT_TRANSLATE_NOOP("Myconst", "Out of Range")};
    static constexpr Entry SmsgImg{65533, "SmsgImg",
                                   QT_TRANSLATE_NOOP("Myconst", "Do you want to save the image?")};
    static constexpr Entry Smsgfreq{65534, "Smsgfreq",
                                    QT_TRANSLATE_NOOP("Myconst", "Please select sample rate lower!")};

    // Every entry, in identifier order.
    static constexpr std::array<const Entry*, 16> All{&SmsgFormname,
                                                      &SmsgZeroAdjustInvalid,
                                                      &SetFindDevice,
                                                      &SetNoDevice,
                                                      &SmsgPlsChannel,
                                                      &SpcWaitTrigger,
                                                      &SpcTriggerComplete,
                                                      &SpcTriggerhere,
                                                      &SmsgNoDevice,
                                                      &SmsgCalib,
                                                      &SmsgCalibInvalid,
                                                      &Scharts,
                                                      &Schartms,
                                                      &Setdistance,
                                                      &SmsgImg,
                                                      &Smsgfreq};

    // The entry with this identifier, or null.
    static const Entry* Find(int id);
};
