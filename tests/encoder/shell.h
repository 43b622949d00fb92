#pragma once

#include <QProcess>
#include <QTemporaryFile>

// Runs a script with /bin/sh in `dir`, with no input; the standard output, or the exit status and
// the error output in `failure`. The script goes through a file, so its bytes reach the shell as
// they are, valid text or not.
inline QByteArray runShell(const QByteArray& script, const QString& dir,
                           QString* failure = nullptr) {
    QTemporaryFile file;
    if (!file.open() || file.write(script) != script.size() || !file.flush()) return {};
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("/bin/sh"), {file.fileName()});
    p.closeWriteChannel();
    p.waitForFinished(-1);
    if (failure && (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0))
        *failure = QStringLiteral("exit %1: %2").arg(p.exitCode()).arg(p.readAllStandardError());
    return p.readAllStandardOutput();
}
