#pragma once

#include <QMap>
#include <map>

#include "platform/services.h"
#include "scenario/runner.h"
#include "scenario/script.h"

namespace scenario {

// What each verb does, one action a verb. The runner's player does them (player.cpp); the table
// names them without needing it, so the file reader stands on its own.
class Actions {
  public:
    virtual ~Actions() = default;
    virtual void locale(const Command& c) = 0;
    virtual void store(const Command& c) = 0;
    virtual void registry(const Command& c) = 0;
    virtual void registryFile(const Command& c) = 0;
    virtual void calculator(const Command& c) = 0;
    virtual void links(const Command& c) = 0;
    virtual void random(const Command& c) = 0;
    virtual void screen(const Command& c) = 0;
    virtual void start(const Command& c) = 0;
    virtual void focus(const Command& c) = 0;
    virtual void type(const Command& c) = 0;
    virtual void paste(const Command& c) = 0;
    virtual void clear(const Command& c) = 0;
    virtual void key(const Command& c) = 0;
    virtual void click(const Command& c) = 0;
    virtual void dblClick(const Command& c) = 0;
    virtual void mouse(const Command& c) = 0;
    virtual void scroll(const Command& c) = 0;
    virtual void tick(const Command& c) = 0;
    virtual void close(const Command& c) = 0;
    virtual void expect(const Command& c) = 0;
    virtual void expectVar(const Command& c) = 0;
    virtual void expectStore(const Command& c) = 0;
    virtual void expectMessage(const Command& c) = 0;
    virtual void expectMessageTitle(const Command& c) = 0;
    virtual void expectNoMessage(const Command& c) = 0;
    virtual void expectClipboard(const Command& c) = 0;
    virtual void expectLog(const Command& c) = 0;
    virtual void expectOpened(const Command& c) = 0;
    virtual void expectFocus(const Command& c) = 0;
    virtual void expectEnded(const Command& c) = 0;
    virtual void expectRunning(const Command& c) = 0;
    virtual void print(const Command& c) = 0;
};

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
    void (Actions::*run)(const Command& c);
};

const VerbRow* findVerb(const QString& name);
const VerbRow& verbRow(Verb verb);

// Why a word is no control, window or property path (one to three non-empty dotted parts).
std::optional<QString> badPath(const QString& word);

// The values of each registry-file line, by its line number.
using RegistryFiles = std::map<int, QMap<QString, platform::RegValue>>;

// Runs a file's commands against fresh services and a fresh program; reports as runText says
// (player.cpp).
Status play(const QString& name, const Script& script, const RegistryFiles& files, const Output& o,
            const Options& opts);

}  // namespace scenario
