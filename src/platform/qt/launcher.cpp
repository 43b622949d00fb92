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
    const QDir dir(programDir);
    for (const QString& candidate :
         {dir.filePath(QStringLiteral("../share/doc/korvel/") + name),
          QDir(QStringLiteral(KORVEL_SOURCE_DIR)).filePath(QStringLiteral("docs/") + name),
          QDir(QStringLiteral(KORVEL_SOURCE_DIR)).filePath(name)})
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
