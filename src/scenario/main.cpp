// korvel-scenario [--trace] FILE...: runs scenario files against the program's core.
#include <QString>
#include <QStringList>
#include <iostream>

#include "scenario/runner.h"

int main(int argc, char** argv) {
    scenario::Options opts;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--trace")) {
            opts.trace = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            std::cerr << "korvel-scenario: unknown option " << argv[i] << std::endl;
            files.clear();
            break;
        } else {
            files << arg;
        }
    }
    if (files.isEmpty()) {
        std::cerr << "usage: korvel-scenario [--trace] FILE..." << std::endl;
        return scenario::Malformed;
    }
    // Every file runs; the exit status is the worst of theirs.
    int worst = scenario::Passed;
    const scenario::Output out{std::cout, std::cerr};
    for (const QString& f : files)
        worst = std::max(worst, int(scenario::runFile(f, out, opts)));
    return worst;
}
