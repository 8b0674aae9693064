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
        // The English text, and the identifier as its translation key, so a
        // language module translates each identifier on its own.
        struct Source {
            const char* english;
            const char* key;
        } source;
        QString Text() const;
    };

    static constexpr Entry SmsgFormname{
        65504, "SmsgFormname", QT_TRANSLATE_NOOP3("Myconst", "Oscilloscope/Spectrum Analyzer", "65504")};
    // Our own: Help > User Manual found no manual, or nothing to open it with.
    static constexpr Entry SmsgNoManual{
        65518, "SmsgNoManual",
        QT_TRANSLATE_NOOP3("Myconst", "The user manual \"%1\" cannot be opened: %2", "65518")};
    // Our own: the framework's invalid-integer error, said so the user can
    // tell where the bad number came from.
    static constexpr Entry SmsgZeroAdjustInvalid{
        65519, "SmsgZeroAdjustInvalid",
        QT_TRANSLATE_NOOP3("Myconst",
                           "Invalid zero adjustment \"%1\" in the device identity: '%2' is not an integer.",
                           "65519")};
    static constexpr Entry SetFindDevice{65520, "SetFindDevice",
                                         QT_TRANSLATE_NOOP3("Myconst", "Device detected", "65520")};
    static constexpr Entry SetNoDevice{65521, "SetNoDevice",
                                       QT_TRANSLATE_NOOP3("Myconst", "No device found!", "65521")};
    static constexpr Entry SmsgPlsChannel{65522, "SmsgPlsChannel",
                                          QT_TRANSLATE_NOOP3("Myconst", "please choose channel!", "65522")};
    static constexpr Entry SpcWaitTrigger{65523, "SpcWaitTrigger",
                                          QT_TRANSLATE_NOOP3("Myconst", "Wait for trigger", "65523")};
    static constexpr Entry SpcTriggerComplete{65524, "SpcTriggerComplete",
                                              QT_TRANSLATE_NOOP3("Myconst", "Trigger is complete", "65524")};
    static constexpr Entry SpcTriggerhere{65525, "SpcTriggerhere",
                                          QT_TRANSLATE_NOOP3("Myconst", "had been triggered here", "65525")};
    static constexpr Entry SmsgNoDevice{
        65526, "SmsgNoDevice", QT_TRANSLATE_NOOP3("Myconst", "No device found, please check it!", "65526")};
    static constexpr Entry SmsgCalib{65528, "SmsgCalib",
                                     QT_TRANSLATE_NOOP3("Myconst", "Calibration Complete!", "65528")};
    static constexpr Entry SmsgCalibInvalid{
        65529, "SmsgCalibInvalid", QT_TRANSLATE_NOOP3("Myconst", "Please input valid voltage!", "65529")};
    static constexpr Entry Scharts{65530, "Scharts", QT_TRANSLATE_NOOP3("Myconst", "Time  ( s )", "65530")};
    static constexpr Entry Schartms{65531, "Schartms",
                                    QT_TRANSLATE_NOOP3("Myconst", "Time  ( ms )", "65531")};
    static constexpr Entry Setdistance{65532, "Setdistance",
                                       QT_TRANSLATE_NOOP3("Myconst", "Out of Range", "65532")};
    static constexpr Entry SmsgImg{65533, "SmsgImg",
                                   QT_TRANSLATE_NOOP3("Myconst", "Do you want to save the image?", "65533")};
    static constexpr Entry Smsgfreq{
        65534, "Smsgfreq", QT_TRANSLATE_NOOP3("Myconst", "Please select sample rate lower!", "65534")};

    // Every entry, in identifier order.
    static constexpr std::array<const Entry*, 17> All{&SmsgFormname,
                                                      &SmsgNoManual,
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
