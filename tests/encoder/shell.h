#pragma once

#include <QProcess>
#include <QString>

// Runs a script with /bin/sh in `dir`, with no input; the standard output, or the exit status and
// the error output in `failure`.
inline QString runShell(const QString& script, const QString& dir, QString* failure = nullptr) {
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
    p.closeWriteChannel();
    p.waitForFinished(-1);
    if (failure && (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0))
        *failure = QStringLiteral("exit %1: %2").arg(p.exitCode()).arg(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput());
}
