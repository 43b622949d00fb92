// The real windows under long random input, sent with QTest where a person sends it: clicks,
// presses, moves, releases, double clicks and wheel steps on the shown windows' widgets, keys
// (Tab, Enter, Escape, arrows, Ctrl+A/C/V/X/Z, letters, digits), typed texts and the notes
// keywords, pastes of nothing, a picture or text, timers ticking, windows closed by the window
// system, a new start after each end; menus, lists and message boxes are the real ones (one that
// waits for an answer gets it at once). After each event: nothing escaped a handler or hit the
// nesting guard, a resting calculator agrees with itself, no window moved with the pointer while no
// button was held, and the windows the program placed lie on the screen. A seed runs in a process
// of its own, so a crash or sanitizer report fails it too, and a failing one prints the fewest
// events that still fail (echo NUMBERS | korvel_storm_tests --storm SEED COUNT replays them).
#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QSpontaneKeyEvent>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <iostream>
#include <iterator>
#include <numeric>
#include <random>

#include "platform/qt/clipboard.h"
#include "platform/qt/message_box.h"
#include "platform/qt/screen.h"
#include "platform/qt/window_effects.h"
#include "scenario/script.h"
#include "started_view.h"

namespace {

// clang-format off
// What is typed and pasted: numbers of every size, separators, signs, letters, blanks, non-ASCII,
// and the notes keywords (but not the one that ends the program at once).
const QStringList kPieces = {
    "0", "1", "7", "25", "96", "700", "01", "30", "59", "60", "99999", "1e308",
    "123456789012345678901234567890", "-", "-1", ",", ".", "5,5", "2.5", " ", "a", "x", "FREE",
    "ä", "é", "€", "%", ":", "1:1", "\t", "e", "debug", "log", "purple", "red", "green", "basel",
    "rnd", "glint", "dumb", "monkeys", "mona", "registry", "shit", "fuck", "kentucky", "credit",
    "lila"};

const Qt::Key kKeys[] = {
    Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Left,
    Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
    Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Space, Qt::Key_A, Qt::Key_C,
    Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_Comma, Qt::Key_Period, Qt::Key_Minus, Qt::Key_5};
// clang-format on

enum Kind { Click, Press, Release, Move, DblClick, Wheel, Key, Type, Paste, Tick, Close };

// What to do, and three random numbers that choose the window, the spot, the key, the text or
// the timer among those there are when it runs.
struct Event {
    Kind kind;
    quint32 a, b, c;
};

std::vector<Event> events(unsigned seed, int count) {
    std::mt19937 rng(seed);
    const int ends[] = {14, 20, 26, 46, 50, 55, 74, 84, 90, 99, 100};  // out of 100, by kind
    std::vector<Event> out;
    for (int i = 0; i < count; ++i) {
        const int roll = int(rng() % 100);
        const Kind kind = Kind(std::upper_bound(std::begin(ends), std::end(ends), roll) - ends);
        out.push_back({kind, quint32(rng()), quint32(rng()), quint32(rng())});
    }
    return out;
}

QMimeData* clipboardContent(quint32 r) {
    auto* data = new QMimeData;  // 0: nothing at all, as an X clipboard nobody owns
    if (r % 4 == 1) data->setImageData(QImage(4, 4, QImage::Format_RGB32));
    if (r % 4 >= 2) data->setText(kPieces[int(r / 4 % kPieces.size())]);
    return data;
}

QString where(QWidget* top, QPoint at) {
    const QWidget* under = top->childAt(at);
    const QString window =
        top->objectName().isEmpty() ? top->metaObject()->className() : top->objectName();
    return window + QStringLiteral(" (%1,%2) ").arg(at.x()).arg(at.y()) +
           (under ? under->objectName() : "");
}

QString text(QRect g) {
    return QStringLiteral("(%1,%2) %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
}

// Along one side: inside the screen, or, when larger, from its start.
bool fits(int at, int size, int areaAt, int areaSize) {
    return size > areaSize ? at == areaAt : at >= areaAt && at + size <= areaAt + areaSize;
}

// The calculator's fields agree whenever it rests (no lock, not busy, nothing being edited).
std::optional<QString> calculatorDisagrees(const app::Korvel& k) {
    const forms::Control* f = k.rt.focused();
    if ((f && (f->kind() == forms::Kind::TextBox || f->kind() == forms::Kind::ComboBox)) ||
        k.st.busy || k.st.focusField != "none" || k.form1.get<forms::CheckBox>("kbpsLock").value())
        return std::nullopt;
    const auto field = [&](const char* n) { return k.form1.get<forms::TextBox>(n).text(); };
    bool ok = false;
    const qint64 rate = field("kbitps").toLongLong(&ok);
    if (!ok || rate < 0 || rate > 16000) return "kbitps: " + field("kbitps");
    // A cleared window shows its own "0 kbps".
    if (field("bitrate") != QString::number(rate * 1000) + " bps" &&
        !(rate == 0 && field("bitrate") == "0 kbps"))
        return "bitrate: " + field("bitrate") + " for kbitps " + field("kbitps");
    // Before any play time is folded in, an empty US and "0" minutes both mean none.
    if (field("US") != k.st.playMinutes && !(field("US").isEmpty() && k.st.playMinutes == "0"))
        return "US: " + field("US") + " but the play time is " + k.st.playMinutes;
    const qint64 mb = field("groesse").toLongLong(&ok);
    if (!ok || mb < 0 || mb > 100000) return "groesse: " + field("groesse");
    return std::nullopt;
}

// The program as it runs, with its real view, menus, message boxes, clipboard, screen and window
// effects; in memory only what it stores, logs and launches, and a seeded random source, so that
// a run can be repeated.
class Storm {
  public:
    explicit Storm(unsigned seed)
        : locale_(seed % 2 ? forms::NumberLocale::point() : forms::NumberLocale::comma()) {
        mem_.random = platform::SeededRandom(seed);
        // A message box or menu that runs a loop of its own is answered at once, inside that loop
        // (a timer of 0 would wait for it to idle).
        QObject::connect(&ok_, &QTimer::timeout, [] {
            if (QThread::currentThread()->loopLevel() == 0) return;
            for (QWidget* w :
                 {QApplication::activePopupWidget(), QApplication::activeModalWidget()})
                if (w) w->close();
        });
        ok_.start(1);
        start();
    }

    // Plays the chosen events in order, printing each; the first broken rule.
    std::optional<QString> play(const std::vector<Event>& all, const std::vector<int>& chosen) {
        for (const int index : chosen) {
            if (k_->rt.ended()) start();  // the user starts the program again
            const Event& e = all[size_t(index)];
            const bool heldBefore = held_ != Qt::NoButton, pressBefore = k_->rt.mousePressed();
            apply(index, e);
            // A move that ends a press whose release was lost is that release.
            const bool released = pressBefore && !k_->rt.mousePressed();
            const bool plainMove = !heldBefore && !released &&
                                   (e.kind == Move || e.kind == Release || e.kind == Wheel);
            if (auto rule = broken(plainMove, heldBefore || released || held_ != Qt::NoButton))
                return rule;
        }
        return std::nullopt;
    }

  private:
    void start() {
        seen_.clear();
        view_.reset();
        k_ = std::make_unique<app::Korvel>(
            platform::Services{mem_.store, messages_, clipboard_, mem_.random, mem_.programEnd,
                               mem_.launcher, effects_, mem_.registry, mem_.log, screen_},
            locale_);
        view_ = std::make_unique<ui::View>(k_->rt);
        view_->onClose = [this](forms::Window& w) { k_->userClose(w); };
        for (auto& w : k_->rt.windows())
            windows_.add(w->name(), view_->window(*w));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        k_->form1.move((screen.center().x() - 176) * 15, (screen.center().y() - 176) * 15);
        k_->start();
    }

    // The shown windows: the program's in their order, then an open menu or list.
    std::vector<QWidget*> shown() const {
        std::vector<QWidget*> out;
        for (auto& w : k_->rt.windows())
            if (QWidget* ww = view_->window(*w); ww->isVisible()) out.push_back(ww);
        if (QWidget* popup = QApplication::activePopupWidget()) out.push_back(popup);
        return out;
    }

    // Where the pointer goes: onto a widget of a shown window, or anywhere on it; dragged, also
    // beyond it. While a button is held, everything goes to the window that has the press, as
    // the window system sends it.
    std::pair<QWidget*, QPoint> spot(const Event& e) const {
        const std::vector<QWidget*> windows = shown();
        QWidget* top = windows[e.a % windows.size()];
        if (pressedOn_ && pressedOn_->isVisible() && held_ != Qt::NoButton) top = pressedOn_;
        QRect r = top->rect();
        QList<QWidget*> inside;
        for (QWidget* w : top->findChildren<QWidget*>())
            if (w->isVisible()) inside << w;
        if (e.b % 4 != 0 && !inside.isEmpty()) {
            QWidget* w = inside[int(e.b / 4 % inside.size())];
            r = QRect(w->mapTo(top, QPoint(0, 0)), w->size());
        }
        if (pressedOn_ && e.kind == Move && e.b % 3 == 0)
            r.adjust(-r.width(), -r.height(), r.width(), r.height());
        return {top, QPoint(r.left() + int(e.c % 65536 % quint32(std::max(1, r.width()))),
                            r.top() + int(e.c / 65536 % quint32(std::max(1, r.height()))))};
    }

    // Each event is printed before it acts, so that one that crashes is the last printed.
    static void say(int index, const QString& what) {
        std::cout << '#' << index << ' ' << what.toStdString() << std::endl;
    }

    void apply(int index, const Event& e) {
        const Qt::KeyboardModifiers mods = e.a / 65536 % 4 ? Qt::NoModifier : Qt::ShiftModifier;
        const Qt::MouseButton button = e.a % 6 ? Qt::LeftButton : Qt::RightButton;
        if (e.kind <= Wheel) {
            const auto [top, at] = spot(e);
            QWindow* window = top->windowHandle();
            const QString place = where(top, at);
            if (e.kind == Wheel) {
                if (blocked(top)) return say(index, "wheel (blocked) " + place);
                QWidget* under = top->childAt(at) ? top->childAt(at) : top;
                const QPoint delta(0, e.b % 2 ? 120 : -120);
                say(index, (delta.y() > 0 ? "wheel up " : "wheel down ") + place);
                QWheelEvent wheel(under->mapFrom(top, at), top->mapToGlobal(at), {}, delta, held_,
                                  mods, Qt::NoScrollPhase, false);
                QSpontaneKeyEvent::setSpontaneous(&wheel);
                QApplication::sendEvent(under, &wheel);
            } else if (e.kind == Move || (e.kind == Release && held_ == Qt::NoButton)) {
                say(index, "move " + place);
                QTest::mouseMove(window, at);
            } else if (held_ != Qt::NoButton) {  // a press before anything else is let go
                say(index, "release " + place);
                QTest::mouseRelease(window, std::exchange(held_, Qt::NoButton), mods, at);
            } else {
                // The window system activates a window clicked into.
                if (!blocked(top) && !top->isActiveWindow()) top->activateWindow();
                const char* what[] = {"click ", "press ", "", "", "double click "};
                say(index, what[e.kind] + place + (button == Qt::LeftButton ? " left" : " right"));
                if (e.kind == Click) return QTest::mouseClick(window, button, mods, at);
                if (e.kind == DblClick) return QTest::mouseDClick(window, button, mods, at);
                held_ = button;
                pressedOn_ = top;
                QTest::mousePress(window, button, mods, at);
            }
        } else if (e.kind == Key) {
            const Qt::Key key = kKeys[e.b % std::size(kKeys)];
            const Qt::KeyboardModifiers with = key >= Qt::Key_A && key <= Qt::Key_Z && e.c % 2
                                                   ? Qt::ControlModifier
                                               : key == Qt::Key_Backtab ? Qt::ShiftModifier
                                                                        : mods;
            const char ascii = with & Qt::ControlModifier ? 0 : QTest::keyToAscii(key);
            say(index, "key " + QKeySequence(key | with).toString());
            keyClick(key, ascii ? QString(QChar(ascii)) : QString(), with);
        } else if (e.kind == Type) {
            const QString piece = kPieces[int(e.b % kPieces.size())];
            say(index, (e.c % 2 ? "Ctrl+A, type " : "type ") + scenario::quoted(piece, true));
            if (e.c % 2) keyClick(Qt::Key_A, {}, Qt::ControlModifier);  // over everything
            for (const QChar ch : piece)
                keyClick(
                    ch.unicode() < 128 ? QTest::asciiToKey(char(ch.unicode())) : Qt::Key_unknown,
                    ch, {});
        } else if (e.kind == Paste) {
            QMimeData* content = clipboardContent(e.b);
            const QString what = content->hasText()    ? scenario::quoted(content->text(), true)
                                 : content->hasImage() ? "a picture"
                                                       : "nothing";
            QGuiApplication::clipboard()->setMimeData(content);
            say(index, (e.c % 4 ? "Ctrl+V " : "Shift+Ins ") + what);
            keyClick(e.c % 4 ? Qt::Key_V : Qt::Key_Insert, {},
                     e.c % 4 ? Qt::ControlModifier : Qt::ShiftModifier);
        } else if (e.kind == Tick) {
            std::vector<forms::Timer*> on;
            for (auto& w : k_->rt.windows())
                for (auto& c : w->controls())
                    if (auto* t = dynamic_cast<forms::Timer*>(c.get()); t && t->enabled())
                        on.push_back(t);
            if (on.empty()) return say(index, "tick (no timer on)");
            forms::Timer* t = on[e.b % on.size()];
            say(index, QStringLiteral("tick %1 x%2").arg(t->path()).arg(1 + e.c % 8));
            for (quint32 i = 0; i <= e.c % 8 && !k_->rt.ended(); ++i)
                k_->rt.fireTimer(*t);
        } else {
            QWidget* top = spot(e).first;
            say(index, (blocked(top) ? "close (blocked) " : "close ") + where(top, {}));
            if (!blocked(top)) top->close();
        }
    }

    // An open menu or list takes the pointer.
    static bool blocked(QWidget* top) {
        return QApplication::activePopupWidget() && QApplication::activePopupWidget() != top;
    }
    // A key goes where the keyboard is; with no window active (the one that had it has closed)
    // the window system gives it to the main window.
    void keyClick(Qt::Key key, const QString& text, Qt::KeyboardModifiers mods) {
        if (!QGuiApplication::focusWindow() && !QApplication::activePopupWidget())
            view_->window(k_->form1)->activateWindow();
        if (QGuiApplication::focusWindow() || QApplication::activePopupWidget())
            QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), key, text, mods);
    }

    std::optional<QString> broken(bool plainMove, bool dragged) {
        auto& rt = k_->rt;
        if (rt.escapedErrors() != 0) return "an error escaped a handler: " + rt.lastEscaped();
        if (rt.guardHits() != 0) return QStringLiteral("the nesting guard was hit");
        if (!rt.settled()) return QStringLiteral("events did not settle");
        if (rt.ended()) return std::nullopt;
        if (!view_->window(k_->form1)->isVisible())
            return QStringLiteral("the main window is gone, the program still runs");
        if (auto disagree = calculatorDisagrees(*k_)) return disagree;
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        for (auto& w : rt.windows()) {
            QWidget* ww = view_->window(*w);
            Seen& was = seen_[w->name()];
            const bool shown = ww->isVisible();
            const QRect at = ww->geometry(), g = ww->frameGeometry();
            const bool moved = was.shown && shown && at.topLeft() != was.at.topLeft();
            if (moved && plainMove)
                return w->name() + " moved without a button held: " + text(was.at) + " to " +
                       text(at);
            // Shown anew, the program has placed it; moved by a drag, the user has (a size the
            // program gives does not change that).
            const bool user =
                shown && was.shown &&
                (moved ? dragged : was.user || (at.size() != was.at.size() && dragged));
            was = {shown, user, at};
            if (shown && !user &&
                !(fits(g.left(), g.width(), area.left(), area.width()) &&
                  fits(g.top(), g.height(), area.top(), area.height())))
                return w->name() + " off the screen: " + text(g);
        }
        return std::nullopt;
    }

    struct Seen {  // user: last moved by a drag
        bool shown = false, user = false;
        QRect at;
    };

    platform::MemoryServices mem_;
    platform::QtMessageBox messages_;
    platform::QtClipboard clipboard_;
    platform::QtWindows windows_;
    platform::QtWindowEffects effects_{windows_};
    platform::QtScreen screen_{windows_};
    forms::NumberLocale locale_;
    QTimer ok_;
    std::unique_ptr<app::Korvel> k_;
    std::unique_ptr<ui::View> view_;
    Qt::MouseButton held_ = Qt::NoButton;
    QPointer<QWidget> pressedOn_;
    QHash<QString, Seen> seen_;
};

// One run of a seed's chosen events in a process of its own.
struct Outcome {
    QString failure;  // none, "crash" or the broken rule
    QString events, report;
};

Outcome runStorm(unsigned seed, int count, const std::vector<int>& chosen) {
    QProcess p;
    p.start(QCoreApplication::applicationFilePath(),
            {"--storm", QString::number(seed), QString::number(count)});
    for (const int i : chosen)
        p.write(QByteArray::number(i) + ' ');
    p.closeWriteChannel();
    if (!p.waitForFinished(300000)) p.kill(), p.waitForFinished();  // a hang is a crash
    Outcome o{{}, p.readAllStandardOutput(), p.readAllStandardError()};
    if (const qsizetype at = o.events.indexOf("BROKEN "); at >= 0)
        o.failure = o.events.mid(at + 7).section('\n', 0, 0);
    else if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        o.failure = QStringLiteral("crash");
    return o;
}

// Drops chunks of events, halves first and single events last, as long as the run still fails
// the same way (the same text before the first colon); at most 150 runs.
std::vector<int> shrink(unsigned seed, int count, std::vector<int> events, const QString& failure) {
    int budget = 150;
    for (size_t chunk = events.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
        for (size_t at = 0; at + chunk <= events.size() && budget-- > 0;) {
            std::vector<int> fewer = events;
            fewer.erase(fewer.begin() + long(at), fewer.begin() + long(at + chunk));
            if (runStorm(seed, count, fewer).failure.section(':', 0, 0) ==
                failure.section(':', 0, 0))
                events = std::move(fewer);
            else
                at += chunk;
        }
    }
    return events;
}

class WidgetStorm : public testing::TestWithParam<unsigned> {};

TEST_P(WidgetStorm, NoCrashNoEscapeAndEveryWindowInItsPlace) {
    const unsigned seed = GetParam();
    const int count = 3000;
    std::vector<int> all(count);
    std::iota(all.begin(), all.end(), 0);
    const Outcome whole = runStorm(seed, count, all);
    if (whole.failure.isEmpty()) return;
    all.resize(size_t(whole.events.count('#')));  // up to the one that failed, the last printed
    const auto fewest = shrink(seed, count, all, whole.failure);
    const Outcome last = runStorm(seed, count, fewest);
    FAIL() << "seed " << seed << ": " << whole.failure.toStdString() << "\nshrunk to "
           << fewest.size() << " events (--storm " << seed << ' ' << count
           << " reads their numbers), which give: " << last.failure.toStdString() << '\n'
           << last.events.toStdString()
           << qPrintable(last.report.mid(std::max(0, int(last.report.indexOf("ERROR"))), 3000));
}

INSTANTIATE_TEST_SUITE_P(Seeds, WidgetStorm, testing::Range(1u, 9u));

// Pasting with an empty clipboard (cleared, which on X means nobody owns it; no data at all; only
// a picture) over the whole text of every text box of every window, with Ctrl+V and Shift+Insert,
// changes nothing and ends nothing; text still pastes.
TEST_F(StartedView, PastingNothingChangesNothing) {
    for (const char* opener : {"sizeMB", "settingsbutton", "form2show", "info"})
        k.rt.userClick(*k.form1.find(QLatin1String(opener)));
    k.rt.userType(k.form1.get<forms::TextBox>("notebox"), QStringLiteral("debug"));
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto clickInto = [](QWidget* w) {
        QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                          w->mapTo(w->window(), QPoint(4, 4)));
    };
    for (auto& window : k.rt.windows())
        for (auto& c : window->controls()) {
            auto* box = dynamic_cast<forms::TextBox*>(c.get());
            QWidget* w = box ? view.widget(*box) : nullptr;
            if (!w || !w->isVisible()) continue;
            clickInto(w);  // which may change the text: an emptied 0, a unit taken off
            const QString before = box->text();
            for (int content : {-1, 0, 1}) {
                clipboard->clear();
                if (content >= 0) clipboard->setMimeData(clipboardContent(quint32(content)));
                QTest::keyClick(w->window()->windowHandle(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(w->window()->windowHandle(), Qt::Key_V, Qt::ControlModifier);
                QTest::keyClick(w->window()->windowHandle(), Qt::Key_Insert, Qt::ShiftModifier);
                EXPECT_EQ(box->text(), before) << qPrintable(c->path());
            }
        }
    clipboard->setText(QStringLiteral("Notiz"));
    QWidget* notes = view.widget(*k.form1.find("notebox"));
    clickInto(notes);
    QTest::keyClick(notes->window()->windowHandle(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(notes->window()->windowHandle(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("notebox"), "Notiz");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--storm") {  // one run, as runStorm asks for it
        const unsigned seed = QByteArray(argv[2]).toUInt();
        const std::vector<Event> all = events(seed, QByteArray(argv[3]).toInt());
        const std::vector<int> chosen{std::istream_iterator<int>(std::cin), {}};  // their numbers
        const auto failure = Storm(seed).play(all, chosen);
        if (failure) std::cout << "BROKEN " << failure->toStdString() << std::endl;
        return failure ? 1 : 0;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
