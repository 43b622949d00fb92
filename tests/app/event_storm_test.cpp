// The whole program under long random sequences of user events. After every event nothing may
// have escaped a handler, the nesting guard must not have fired and everything must have settled;
// whenever the calculator rests (no lock, not busy, no field being edited) its fields must agree.
// A failing seed prints the events that reproduce it, shrunk, as scenario lines.
#include <gtest/gtest.h>

#include <QSet>
#include <iostream>
#include <memory>
#include <optional>
#include <random>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "scenario/script.h"

namespace {

using forms::Kind;

struct Event {
    enum Type { Type, Paste, Clear, Key, Click, DblClick, Mouse, Scroll, Tick, Focus, Restart };
    enum Type type;
    QString target;  // "Window.control" or a window name
    QString text;    // typed text, a combo item or the mouse action ("down", "move", "up")
    int x = 0, y = 0, shift = 0;
};

// The event as a line of a scenario file, so a failure can be replayed by hand.
QString line(const Event& e) {
    const QString t = scenario::quoted(e.target);
    switch (e.type) {
        case Event::Type:
            return "type " + t + " " + scenario::quoted(e.text, true);
        case Event::Paste:
            return "paste " + t + " " + scenario::quoted(e.text, true);
        case Event::Clear:
            return "clear " + t;
        case Event::Key:
            return "key " + t + " Enter";
        case Event::Click:
            return "click " + t + (e.text.isEmpty() ? "" : " " + scenario::quoted(e.text));
        case Event::DblClick:
            return "dblclick " + t;
        case Event::Mouse:
            return QStringLiteral("mouse %1 %2 %3 %4 %5")
                .arg(e.text, t)
                .arg(e.x)
                .arg(e.y)
                .arg(e.shift);
        case Event::Scroll:
            return QStringLiteral("scroll %1 %2").arg(t).arg(e.x);
        case Event::Tick:
            return QStringLiteral("tick %1 %2").arg(t).arg(e.x);
        case Event::Focus:
            return "focus " + t;
        case Event::Restart:
            return QStringLiteral("restart");
    }
    return {};
}

// Every key the program may keep in its settings store.
const QSet<QString> kKeys = {"version",
                             "MKI",
                             "WinSize",
                             "lock1",
                             "lock2",
                             "lock3",
                             "cleared",
                             "HH",
                             "MM",
                             "SS",
                             "size",
                             "audio",
                             "framerate",
                             "bitrate",
                             "aspect",
                             "ratio",
                             "width",
                             "height",
                             "resize",
                             "BiDir",
                             "GMC",
                             "QPx",
                             "VBR",
                             "PrePro",
                             "Psy",
                             "Profile",
                             "notebox",
                             "alg1",
                             "alg2",
                             "Feetback",
                             "PQ",
                             "Error",
                             "Crop",
                             "top",
                             "left",
                             "right",
                             "bottom",
                             "ud",
                             "ud1",
                             "ud2",
                             "SC",
                             "PV",
                             "mod",
                             "dir",
                             "do_log",
                             "do_mv",
                             "transparency1",
                             "transparency2",
                             "language",
                             "seconds"};

// Pieces random texts are made of: numbers of every size, separators, signs, letters, blanks,
// non-ASCII, and whole notes keywords (but not the one that ends the program at once).
const QStringList kPieces = {"0",
                             "1",
                             "7",
                             "25",
                             "96",
                             "700",
                             "01",
                             "30",
                             "59",
                             "60",
                             "99999",
                             "1e308",
                             "123456789012345678901234567890",
                             "-",
                             "-1",
                             ",",
                             ".",
                             "5,5",
                             "2.5",
                             " ",
                             "a",
                             "x",
                             "FREE",
                             "ä",
                             "é",
                             "€",
                             "%",
                             ":",
                             "1:1",
                             "\t",
                             "e",
                             "debug",
                             "log",
                             "purple",
                             "red",
                             "green",
                             "basel",
                             "rnd",
                             "glint",
                             "dumb",
                             "monkeys",
                             "mona",
                             "registry",
                             "shit",
                             "fuck",
                             "kentucky",
                             "credit",
                             "lila"};

// The program's controls by kind, taken from a freshly started program.
struct Catalogue {
    QStringList texts, clickable, scrolls, timers, mouseTargets;
    QHash<QString, QStringList> items;  // combo boxes: their list
    explicit Catalogue(app::Korvel& k) {
        for (const auto& w : k.rt.windows()) {
            mouseTargets << w->name();
            for (const auto& c : w->controls()) {
                const QString path = w->name() + "." + c->name();
                switch (c->kind()) {
                    case Kind::TextBox:
                        texts << path;
                        break;
                    case Kind::ComboBox:
                        texts << path;
                        items.insert(path, static_cast<forms::ComboBox&>(*c).list());
                        break;
                    case Kind::ScrollBar:
                        scrolls << path;
                        break;
                    case Kind::Timer:
                        timers << path;
                        break;
                    default:
                        clickable << path;
                        mouseTargets << path;
                        break;
                }
            }
        }
    }
};

class Generator {
  public:
    Generator(const Catalogue& c, unsigned seed) : c_(c), rng_(seed) {}

    Event next() {
        const int roll = pick(100);
        if (roll < 30) return {Event::Type, any(c_.texts), text()};
        if (roll < 36) return {Event::Paste, any(c_.texts), text()};
        if (roll < 40) return {Event::Clear, any(c_.texts), {}};
        if (roll < 45) return {Event::Key, any(c_.texts), {}};
        if (roll < 47) return {Event::Focus, any(c_.texts), {}};
        if (roll < 62) {
            Event e{Event::Click, any(c_.clickable), {}};
            return e;
        }
        if (roll < 66) {
            const QString combo = c_.items.keys().value(pick(int(c_.items.size())));
            const QStringList& list = c_.items.value(combo);
            if (list.isEmpty()) return {Event::Click, any(c_.clickable), {}};
            return {Event::Click, combo, list[pick(int(list.size()))]};
        }
        if (roll < 68) return {Event::DblClick, any(c_.mouseTargets), {}};
        if (roll < 82) {
            static const char* what[] = {"down", "move", "move", "up"};
            Event e{Event::Mouse, any(c_.mouseTargets), what[pick(4)]};
            e.x = pick(9000) - 3000;
            e.y = pick(9000) - 3000;
            e.shift = pick(3) == 0 ? 1 : 0;
            return e;
        }
        if (roll < 86) {
            Event e{Event::Scroll, any(c_.scrolls), {}};
            e.x = pick(2200) - 100;
            return e;
        }
        if (roll < 99) {
            Event e{Event::Tick, any(c_.timers), {}};
            e.x = 1 + pick(30);
            return e;
        }
        return {Event::Restart, {}, {}};
    }

  private:
    int pick(int n) { return n <= 0 ? 0 : int(rng_() % unsigned(n)); }
    QString any(const QStringList& l) { return l.value(pick(int(l.size()))); }
    QString text() {
        QString t;
        for (int n = pick(4); n >= 0; --n)
            t += any(kPieces);
        return t;
    }
    const Catalogue& c_;
    std::mt19937 rng_;
};

// Replays events on a program of its own; the first broken rule, if any.
class Storm {
  public:
    // Odd seeds run with a decimal point, even ones with a decimal comma.
    explicit Storm(forms::NumberLocale locale = forms::NumberLocale::point()) : locale_(locale) {}
    std::optional<QString> run(const std::vector<Event>& events) {
        start();
        // A storm that hangs cannot be shrunk; this prints each event before it runs.
        static const bool trace = qEnvironmentVariableIsSet("KORVEL_STORM_TRACE");
        for (size_t i = 0; i < events.size(); ++i) {
            note(line(events[i]), trace);
            apply(events[i]);
            if (auto broken = check()) {
                failedAt_ = i + 1;
                return broken;
            }
            if (k_->rt.ended()) {  // the user starts the program again
                note(QStringLiteral("restart"), trace);
                start();
            }
        }
        return std::nullopt;
    }
    app::Korvel& program() { return *k_; }
    size_t failedAt() const { return failedAt_; }
    QString replay;  // the run as scenario lines, restarts included

  private:
    void note(const QString& l, bool trace) {
        replay += l + QLatin1Char('\n');
        if (trace) std::cerr << l.toStdString() << std::endl;
    }
    void start() {
        k_.reset();
        k_ = std::make_unique<app::Korvel>(sv_.services(), locale_);
        k_->start();
    }

    forms::Window* window(const QString& target) {
        return k_->rt.window(target.section('.', 0, 0));
    }
    forms::Control* control(const QString& target) {
        forms::Window* w = window(target);
        return w ? w->find(target.section('.', 1)) : nullptr;
    }

    void apply(const Event& e) {
        auto& rt = k_->rt;
        forms::Control* c = control(e.target);
        auto* text = dynamic_cast<forms::TextBox*>(c);
        switch (e.type) {
            case Event::Type:
                if (text) rt.userType(*text, e.text);
                break;
            case Event::Paste:
                if (text) rt.userPaste(*text, e.text);
                break;
            case Event::Clear:
                if (text) rt.userClear(*text);
                break;
            case Event::Key:
                if (c && rt.canTakeFocus(*c)) rt.userKey(*c, forms::keys::Enter);
                break;
            case Event::Focus:
                if (c) rt.userFocus(*c);
                break;
            case Event::Click:
                if (c) rt.userClick(*c, e.text);
                break;
            case Event::DblClick:
                if (c)
                    rt.userDblClick(*c);
                else if (auto* w = window(e.target))
                    rt.userDblClick(*w);
                break;
            case Event::Mouse: {
                const char what = e.text.at(0).toLatin1();
                if (what == 'd') pressed_ = true;
                const forms::MouseArgs m{what == 'm' && !pressed_ ? 0 : 1, e.shift, double(e.x),
                                         double(e.y)};
                if (what == 'u') pressed_ = false;
                if (c)
                    rt.userMouse(*c, what, m);
                else if (auto* w = window(e.target))
                    rt.userMouse(*w, what, m);
                break;
            }
            case Event::Scroll:
                if (auto* s = dynamic_cast<forms::ScrollBar*>(c)) rt.userScroll(*s, e.x, true);
                break;
            case Event::Tick:
                if (auto* t = dynamic_cast<forms::Timer*>(c))
                    for (int i = 0; i < e.x && !rt.ended(); ++i)
                        rt.fireTimer(*t);
                break;
            case Event::Restart:
                start();
                break;
        }
    }

    std::optional<QString> check() {
        auto& rt = k_->rt;
        if (rt.escapedErrors() != 0) return "an error escaped a handler: " + rt.lastEscaped();
        if (rt.guardHits() != 0) return QStringLiteral("the nesting guard was hit");
        if (!rt.settled()) return QStringLiteral("events did not settle");
        for (const QString& key : sv_.store.keys())
            if (!kKeys.contains(key)) return "unknown key in the store: " + key;
        if (rt.ended() || !rested()) return std::nullopt;
        auto& f1 = k_->form1;
        const auto field = [&](const char* n) { return f1.get<forms::TextBox>(n).text(); };
        const QString kbitps = field("kbitps"), size = field("groesse");
        bool ok = false;
        const qint64 rate = kbitps.toLongLong(&ok);
        if (!ok || rate < 0 || rate > 16000) return "kbitps: " + kbitps;
        const QString bitrate = field("bitrate");
        // A cleared window shows its own "0 kbps".
        if (bitrate != QString::number(rate * 1000) + " bps" && !(rate == 0 && bitrate == "0 kbps"))
            return "bitrate: " + bitrate + " for kbitps " + kbitps;
        // Before any play time is folded in, an empty US and "0" minutes both mean none.
        const bool noTime = field("US").isEmpty() && k_->st.playMinutes == QLatin1String("0");
        if (field("US") != k_->st.playMinutes && !noTime)
            return "US: " + field("US") + " but the play time is " + k_->st.playMinutes;
        const qint64 mb = size.toLongLong(&ok);
        if (!ok || mb < 0 || mb > 100000) return "groesse: " + size;
        return std::nullopt;
    }

    // The calculator at rest: no lock, not busy, no field being edited or about to be.
    bool rested() const {
        const forms::Control* focus = k_->rt.focused();
        const bool editing =
            focus && (focus->kind() == Kind::TextBox || focus->kind() == Kind::ComboBox);
        return k_->form1.get<forms::CheckBox>("kbpsLock").value() == 0 && !k_->st.busy &&
               k_->st.focusField == QLatin1String("none") && !editing;
    }

    forms::NumberLocale locale_;
    platform::MemoryServices sv_;
    std::unique_ptr<app::Korvel> k_;
    bool pressed_ = false;
    size_t failedAt_ = 0;
};

QString category(const QString& failure) {
    return failure.section(':', 0, 0);
}

// Drops chunks of events as long as the failure stays; a few hundred replays at most.
std::vector<Event> shrink(std::vector<Event> events, const QString& kind,
                          forms::NumberLocale locale) {
    int budget = 400;
    for (size_t chunk = events.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (size_t at = 0; at + chunk <= events.size() && budget > 0;) {
            std::vector<Event> fewer = events;
            fewer.erase(fewer.begin() + long(at), fewer.begin() + long(at + chunk));
            --budget;
            const auto failure = Storm(locale).run(fewer);
            if (failure && category(*failure) == kind)
                events = std::move(fewer);
            else
                at += chunk;
        }
    }
    return events;
}

class EventStorm : public testing::TestWithParam<unsigned> {};

TEST_P(EventStorm, NothingEscapesAndTheCalculatorStaysConsistent) {
    Storm probe;
    probe.run({});
    const Catalogue catalogue(probe.program());
    Generator gen(catalogue, GetParam());
    std::vector<Event> events;
    for (int i = 0; i < 2000; ++i)
        events.push_back(gen.next());

    const forms::NumberLocale locale =
        GetParam() % 2 ? forms::NumberLocale::point() : forms::NumberLocale::comma();
    Storm storm(locale);
    if (const auto failure = storm.run(events)) {
        const auto shrunk = shrink({events.begin(), events.begin() + long(storm.failedAt())},
                                   category(*failure), locale);
        Storm again(locale);
        const QString shrunkFailure = again.run(shrunk).value_or("nothing");
        FAIL() << "after event " << storm.failedAt() << ": " << failure->toStdString()
               << "\nshrunk to " << shrunk.size()
               << " events, which give: " << shrunkFailure.toStdString() << "\nstart\n"
               << again.replay.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, EventStorm, testing::Range(1u, 13u));

}  // namespace
