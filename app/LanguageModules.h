#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language module in force: a compiled Qt translation (.qm) found by the
// naming rule of LanguageModuleName.h beside the program or in its installed
// data folder. Loading one installs it in the application in place of the
// one loaded before, together with Qt's own translation of its language (the
// buttons of message boxes and file dialogs); Qt then sends every window a
// LanguageChange event. The modules are owned by the application object, so
// any LanguageModules of the program sees the same one.
class LanguageModules {
public:
    // Modules named after programFile, looked for in folders in order.
    LanguageModules(QString programFile, QStringList folders);
    // The running program's modules: beside it, then PREFIX/share/daq.
    static LanguageModules ForThisProgram();

    // Loads the module of a locale identifier (1033, 2052). Returns whether
    // one was loaded; when none is found, or the file found is no
    // translation, the module in force stays.
    bool LoadNewResourceModule(int locale) const;
    // At start-up: the module of the user's language, if there is one.
    bool LoadDefault(const QLocale& system) const;
    // The file of the module in force, or empty.
    static QString ModuleInForce();
    // Back to the texts built into the program.
    static void Unload();

    // Delivers the LanguageChange events a load has posted, so every window
    // shows the new texts before the caller goes on.
    static void RetranslateNow();

private:
    QString programFile_;
    QStringList folders_;
};
