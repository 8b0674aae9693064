#include <QLocale>
#include <QObject>
#include <QScreen>

#include <exception>
#include <iostream>
#include <string>

#include "CommandLine.h"
#include "DaqApplication.h"
#include "LanguageModules.h"
#include "TCalibration.h"
#include "TForm1.h"
#include "TForm4.h"
#include "TForm6.h"
#include "TForm8.h"
#include "TFrequencySensorFrom.h"

int main(int argc, char** argv) {
    DaqApplication app(argc, argv);
    // Not the display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("DAQ"));
    // The launcher installed with the program (packaging/), so that a Wayland
    // desktop shows the window with its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(DAQ_APP_ID));
    // The program ends when the main window closes, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);

    // Qt has taken its own options out of argv by now.
    CommandLine options;
    std::string error;
    if (!ParseCommandLine(argc, argv, &options, &error)) {
        std::cerr << error << '\n';
        return 2;
    }

    // The user's language, when there is a module for it; English otherwise.
    LanguageModules::ForThisProgram().LoadDefault(QLocale::system());

    try {
        TForm1 Form1(options.Device());
        TCalibration Calibration;
        TForm6 Form6;
        TForm4 Form4;
        TFrequencySensorFrom FrequencySensorFrom;
        TForm8 Form8;
        Form1.AttachWindows(&Calibration, &Form6, &Form4, &FrequencySensorFrom, &Form8);
        QObject::connect(&Form1, &TForm1::Closed, &app, &QCoreApplication::quit);
        // The form is laid out for a large screen; a smaller one gets all of it.
        if (const QScreen* screen = Form1.screen()) {
            Form1.resize(Form1.size().boundedTo(screen->availableGeometry().size()));
        }
        Form1.show();
        Form1.FormCreate();
        QApplication::exec();
    } catch (const std::exception& e) {
        app.ShowException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        app.ShowException(QString());
    }
    return 0;
}
