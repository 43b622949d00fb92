#include "platform/qt/launcher.h"

#include <QDesktopServices>
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

bool QtLauncher::open(const QString& target) {
    const QUrl url = QUrl::fromUserInput(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace platform
