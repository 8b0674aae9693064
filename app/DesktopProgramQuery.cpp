#include "DesktopProgramQuery.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

namespace {

// xdg-mime takes a few tens of milliseconds; a desktop that takes longer is
// left to answer through xdg-open.
constexpr int kQueryTimeoutMs = 3000;

}  // namespace

DesktopProgram DesktopProgramFor(const QString& file) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) {
        return DesktopProgram::kUnknown;
    }
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QMimeDatabase().mimeTypeForFile(file).name()});
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return DesktopProgram::kUnknown;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return DesktopProgram::kUnknown;
    }
    return query.readAllStandardOutput().trimmed().isEmpty() ? DesktopProgram::kNone : DesktopProgram::kFound;
}

#else

// The shell answers for itself when no program is registered for a type.
DesktopProgram DesktopProgramFor(const QString&) {
    return DesktopProgram::kUnknown;
}

#endif
