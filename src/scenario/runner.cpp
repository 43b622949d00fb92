#include "scenario/runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/registry_file.h"
#include "scenario/verbs.h"

namespace scenario {

namespace {

// Reads the values of a registry file (for `registry-file`) into values; the reason when it
// cannot. The one place where registry files are read.
std::optional<QString> loadRegistryFile(const QString& path,
                                        QMap<QString, platform::RegValue>& values) {
    platform::RegFile file;
    if (auto error = platform::readRegistryFile(path, file)) return error;
    // Later lines win; a name differing only in case is the same value.
    for (const platform::RegEntry& e : file.entries) {
        for (auto it = values.begin(); it != values.end();)
            it = it.key().compare(e.name, Qt::CaseInsensitive) == 0 ? values.erase(it) : ++it;
        if (e.value) values.insert(e.name, *e.value);
    }
    return std::nullopt;
}

}  // namespace

Status runText(const QString& name, const QString& text, const Output& o, const Options& opts,
               const QString& baseDir) {
    const Parsed parsed = parse(text);
    if (parsed.error) {
        o.err << name.toStdString() << ':' << parsed.error->line << ": "
              << parsed.error->reason.toStdString() << std::endl;
        return Malformed;
    }
    // Registry files are read before anything runs, as a mistake in one makes the file malformed.
    RegistryFiles files;
    for (const Command& c : parsed.script.commands) {
        if (c.verb != Verb::RegistryFile) continue;
        const QString path =
            QDir(baseDir.isEmpty() ? QStringLiteral(".") : baseDir).filePath(c.args[0]);
        if (const auto error = loadRegistryFile(path, files[c.line])) {
            o.err << name.toStdString() << ':' << c.line
                  << ": registry-file: " << error->toStdString() << std::endl;
            return Malformed;
        }
    }
    return play(name, parsed.script, files, o, opts);
}

Status runFile(const QString& path, const Output& o, const Options& opts) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        o.err << path.toStdString()
              << ": cannot read the file: " << file.errorString().toStdString() << std::endl;
        return Malformed;
    }
    const QString text = QString::fromUtf8(file.readAll());
    return runText(path, text, o, opts, QFileInfo(path).absolutePath());
}

}  // namespace scenario
