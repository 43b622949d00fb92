#pragma once

#include <QMap>
#include <map>

#include "platform/services.h"
#include "scenario/runner.h"
#include "scenario/script.h"

namespace scenario {

// The values of each registry-file line, by its line number.
using RegistryFiles = std::map<int, QMap<QString, platform::RegValue>>;

// Runs a file's commands, each with the verb's own action, against fresh services and a fresh
// program; reports as runText says.
Status play(const QString& name, const Script& script, const RegistryFiles& files, const Output& o,
            const Options& opts);

class Player;

// What a verb is for: set-up and the checks of the services alone may come before `start`.
enum class Role { SetUp, Action, Check, ServiceCheck, Output };

// One verb of the scenario language: its name, the shape of its words, and what it does.
struct VerbRow {
    const char* name;
    Verb verb;
    int minArgs, maxArgs;  // the words after the verb; -1: any number
    Role role;
    int target;  // the word that names a control, window or property; -1: none
    const char* usage;
    // Checks the words and reads their numbers and keywords into the command; the reason when
    // they are wrong. None: the words are taken as they are.
    std::optional<QString> (*read)(Command& c, const std::vector<Word>& words);
    void (*run)(Player& p, const Command& c);
};

const VerbRow* findVerb(const QString& name);
const VerbRow& verbRow(Verb verb);

// Why a word is no control, window or property path (one to three non-empty dotted parts).
std::optional<QString> badPath(const QString& word);

}  // namespace scenario
