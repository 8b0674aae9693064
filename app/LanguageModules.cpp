#include "LanguageModules.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "DataFolders.h"
#include "LanguageModuleName.h"

namespace {

const char kModuleName[] = "DaqLanguageModule";
const char kQtModuleName[] = "DaqQtLanguageModule";
const char kFileProperty[] = "daqModuleFile";
// A module is a few tens of kilobytes; anything far larger is not one.
constexpr qint64 kLargestModule = 16 * 1024 * 1024;

// Qt's own translations of the languages the program ships.
QString QtLanguageOf(int locale) {
    switch (locale) {
        case kChineseLocale:
            return QStringLiteral("zh_CN");
        default:
            return QString();
    }
}

// A translator that keeps the bytes it was loaded from.
class ModuleTranslator : public QTranslator {
public:
    explicit ModuleTranslator(QObject* parent) : QTranslator(parent) {}
    bool LoadFile(const QString& path) {
        QFile file(path);
        if (!QFileInfo(path).isFile() || file.size() > kLargestModule || !file.open(QIODevice::ReadOnly)) {
            return false;
        }
        bytes_ = file.readAll();
        return !bytes_.isEmpty() &&
               load(reinterpret_cast<const uchar*>(bytes_.constData()), static_cast<int>(bytes_.size()));
    }

private:
    QByteArray bytes_;
};

void Replace(const char* name, QTranslator* translator) {
    QCoreApplication* app = QCoreApplication::instance();
    if (QTranslator* old = app->findChild<QTranslator*>(QLatin1String(name), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (translator != nullptr) {
        translator->setObjectName(QLatin1String(name));
        QCoreApplication::installTranslator(translator);
    }
}

}  // namespace

LanguageModules::LanguageModules(QString programFile, QStringList folders)
    : programFile_(std::move(programFile)), folders_(std::move(folders)) {}

LanguageModules LanguageModules::ForThisProgram() {
    const QString program = QCoreApplication::applicationFilePath();
    QStringList folders;
    for (const std::filesystem::path& folder : ProgramDataFolders(program.toStdString())) {
        folders << QString::fromStdString(folder.string());
    }
    return LanguageModules(program, folders);
}

bool LanguageModules::LoadNewResourceModule(int locale) const {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return false;
    }
    std::vector<std::filesystem::path> folders;
    for (const QString& folder : folders_) {
        folders.emplace_back(folder.toStdString());
    }
    auto module = std::make_unique<ModuleTranslator>(app);
    bool loaded = false;
    for (const auto& candidate :
         LanguageModuleCandidates(programFile_.toStdString(), LocaleAbbreviation(locale), folders)) {
        const QString path = QString::fromStdString(candidate.string());
        if (module->LoadFile(path)) {
            module->setProperty(kFileProperty, QFileInfo(path).absoluteFilePath());
            loaded = true;
            break;
        }
    }
    if (!loaded) {
        return false;
    }
    // Qt's own texts follow; a language Qt has no translation of leaves them
    // in English.
    std::unique_ptr<QTranslator> qt;
    if (const QString language = QtLanguageOf(locale); !language.isEmpty()) {
        qt = std::make_unique<QTranslator>(app);
        const QString name = QStringLiteral("qtbase_") + language;
        if (!qt->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
            !qt->load(name, QFileInfo(programFile_).absolutePath() + QStringLiteral("/translations"))) {
            qt.reset();
        }
    }
    Replace(kQtModuleName, qt.release());
    Replace(kModuleName, module.release());
    return true;
}

bool LanguageModules::LoadDefault(const QLocale& system) const {
    const QString name = system.name();  // "zh_CN"
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    const QString territory = name.section(QLatin1Char('_'), 1, 1);
    const QString script = QLocale::scriptToCode(system.script());
    const int locale =
        LocaleOfLanguage(language.toStdString(), territory.toStdString(), script.toStdString());
    return locale != 0 && LoadNewResourceModule(locale);
}

QString LanguageModules::ModuleInForce() {
    QCoreApplication* app = QCoreApplication::instance();
    const auto* module =
        app == nullptr ? nullptr
                       : app->findChild<QTranslator*>(QLatin1String(kModuleName), Qt::FindDirectChildrenOnly);
    return module == nullptr ? QString() : module->property(kFileProperty).toString();
}

void LanguageModules::Unload() {
    if (QCoreApplication::instance() != nullptr) {
        Replace(kQtModuleName, nullptr);
        Replace(kModuleName, nullptr);
    }
}

void LanguageModules::RetranslateNow() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}
