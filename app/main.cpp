#include <QLocale>
#include <QObject>

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "CommandLine.h"
#include "DaqApplication.h"
#include "DisplayCheck.h"
#include "LanguageModules.h"
#include "ProgramWindows.h"

int main(int argc, char** argv) {
    if (!HasDisplay(argc, argv, [](const char* name) { return std::getenv(name); })) {
        std::cerr << NoDisplayMessage() << '\n';
        return 1;
    }
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
        ProgramWindows windows(options.Device());
        QObject::connect(&windows.Main(), &TForm1::Closed, &app, &QCoreApplication::quit);
        windows.Start();
        QApplication::exec();
    } catch (const std::exception& e) {
        app.ShowException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        app.ShowException(QString());
    }
    return 0;
}
