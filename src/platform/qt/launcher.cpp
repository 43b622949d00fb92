#include "platform/qt/launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace platform {

QStringList QtLauncher::calculatorNames() {
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"),
            QStringLiteral("kcalc"),
            QStringLiteral("galculator"),
            QStringLiteral("qalculate-qt"),
            QStringLiteral("qalculate-gtk"),
            QStringLiteral("mate-calc"),
            QStringLiteral("xcalc")};
#endif
}

QStringList QtLauncher::calculatorPaths() const {
    QStringList found;
    // findExecutable searches the PATH when given no folders, so an explicit empty list must
    // not reach it.
    if (dirs_ && dirs_->isEmpty()) return found;
    for (const QString& name : calculatorNames()) {
        const QString path = dirs_ ? QStandardPaths::findExecutable(name, *dirs_)
                                   : QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) found << path;
    }
    return found;
}

bool QtLauncher::startCalculator() {
    // A broken installation of one calculator should not hide the next one.
    for (const QString& path : calculatorPaths())
        if (QProcess::startDetached(path, {})) return true;
    return false;
}

QString QtLauncher::documentationFile(const QString& target, const QString& programDir) {
    static const QString prefix = QStringLiteral("doc:");
    if (!target.startsWith(prefix)) return {};
    const QString name = target.mid(prefix.size());
    const QString program = QDir(programDir).canonicalPath();
    const QString build = QDir(QStringLiteral(KORVEL_BUILD_DIR)).canonicalPath();
    QStringList candidates;
    if (!build.isEmpty() && (program == build || program.startsWith(build + QLatin1Char('/')))) {
        const QDir source(QStringLiteral(KORVEL_SOURCE_DIR));
        candidates << source.filePath(QStringLiteral("docs/") + name) << source.filePath(name);
    } else {
        candidates
            << QDir(programDir).filePath(QStringLiteral(KORVEL_DOCS_FROM_PROGRAM "/") + name);
    }
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate)) return QFileInfo(candidate).canonicalFilePath();
    return {};
}

bool QtLauncher::open(const QString& target) {
    if (target.startsWith(QLatin1String("doc:"))) {
        const QString file = documentationFile(target, QCoreApplication::applicationDirPath());
        return !file.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    }
    const QUrl url = QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace platform
