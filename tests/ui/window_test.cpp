// The real window driven as a person drives it: mouse presses, moves and releases, keys and
// Tab, sent to the shown widgets where they lie.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "app/links.h"
#include "platform/qt/timer_driver.h"
#include "started_view.h"
#include "ui/ffmpeg_menu.h"

namespace {

struct WindowTest : StartedView {
    // A move with no button held, as after a release that went astray.
    static void plainMove(QWidget* w, QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    QString nameOf(const QWidget* w) {
        for (auto& c : static_cast<ui::WindowWidget*>(w->window())->model().controls())
            if (c->kind() != forms::Kind::Timer && view.widget(*c) == w) return c->name();
        return w->metaObject()->className();
    }
    void typeAndTab(const QString& text) {
        QTest::keyClicks(focus(), text);
        QTest::keyClick(focus(), Qt::Key_Tab);
    }
};

// A press whose release never arrives ends with the first move without a button: the window
// stays where it was, whether it was the main window, the preview's surface or its grip.
TEST_F(WindowTest, APressWithoutItsReleaseEndsAtTheNextPlainMove) {
    QWidget* main = view.window(k.form1);
    const QPoint mainAt = main->pos();
    QTest::mousePress(main, Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_EQ(k.st.dragging, true);
    plainMove(main, QPoint(200, 50));
    plainMove(main, QPoint(100, 20));
    EXPECT_EQ(main->pos(), mainAt);
    EXPECT_FALSE(k.st.dragging);
    QTest::mouseRelease(main, Qt::LeftButton, {}, QPoint(100, 20));  // a late release: nothing

    // A control keeps its presses: one its Qt base ignores never starts a drag of the window.
    QTest::mousePress(view.widget(*k.form1.find("Spielzeit")), Qt::LeftButton);
    EXPECT_FALSE(k.st.dragging);
    QTest::mouseRelease(view.widget(*k.form1.find("Spielzeit")), Qt::LeftButton);

    QTest::mouseClick(widget<QWidget>("form2show"), Qt::LeftButton);
    QWidget* preview = view.window(k.form2);
    ASSERT_TRUE(preview->isVisible());
    const QRect previewAt = preview->geometry();
    QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(20, 20));
    plainMove(main, QPoint(10, 10));  // the release went to another window
    plainMove(preview, QPoint(60, 60));
    EXPECT_EQ(preview->geometry(), previewAt);

    QWidget* grip = view.widget(*k.form2.find("sizebutton"));
    QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(k.pv.resizing);
    plainMove(grip, QPoint(40, 40));
    EXPECT_FALSE(k.pv.resizing);
    EXPECT_EQ(preview->geometry(), previewAt);
    EXPECT_FALSE(k.form2.get<forms::Timer>("DivXTimer").enabled());
}

// The calculation as a person types it (700.5 MB is 700), Tab between the fields, in two languages.
TEST_F(WindowTest, TabLeadsThroughTheCalculation) {
    for (const char* flag : {"english", "deutsch"}) {
        QTest::mouseClick(view.widget(*k.form1.find(flag)), Qt::LeftButton);
        widget("HH")->setFocus(Qt::TabFocusReason);
        for (const char* part : {"01", "30", "00", "700.5", "96"})
            typeAndTab(QLatin1String(part));
        EXPECT_EQ(text("kbitps"), "981") << flag;
        EXPECT_EQ(text("kBytesps"), "122.6") << flag;
    }
}

// Tab from the first stop visits every Tab stop of the shown window once and comes back to it;
// Shift+Tab walks the same circle backwards. A field that would hand the focus straight on (the
// bitrate in bit/s to kbit/s; the play time, while it is derived, to the copy button) is no stop:
// it would send Tab back round a small loop. Nor are the spin arrows.
TEST_F(WindowTest, TabCirclesTheWindowBothWays) {
    const QString rest =
        "kBytesps Alg Alg2 kbpsLock %1 getReg writeReg ClearAll sizeMB audiokbps Bwidth Bheight "
        "aspect ScrollBar1 pixels framerate bitsperpixel asp43 asp169 ratio form2show ButtonVBR "
        "ButtonProfile ButtonPsy ButtonPre Profile CheckBiDir CheckGMC CheckQPx CheckResize "
        "keyframebox DivXBox DivXbutton notebox deutsch english french min pic_calc "
        "settingsbutton info exit";
    const QString circles[] = {"MM SS groesse audio kbitps " + rest.arg("") + " HH",
                               "audio kbitps " + rest.arg("OptionTime") + " groesse"};
    for (const QString& circle : circles) {
        if (&circle == &circles[1]) {  // the play time derived: it hands the focus on
            QTest::mouseClick(widget<QWidget>("kbpsLock"), Qt::LeftButton);
            QTest::mouseClick(widget<QWidget>("OptionTime"), Qt::LeftButton);
            EXPECT_TRUE(widget<QRadioButton>("OptionTime")->isChecked());
        }
        const QStringList forward = circle.split(' ', Qt::SkipEmptyParts);
        const QStringList backward = QStringList(forward.rbegin() + 1, forward.rend())
                                     << forward.last();
        QWidget* start = widget(qPrintable(forward.last()));
        for (const auto& [key, expected] :
             {std::pair{Qt::Key_Tab, forward}, {Qt::Key_Backtab, backward}}) {
            start->setFocus(Qt::TabFocusReason);
            QStringList walked;
            do {
                QTest::keyClick(focus(), key);
                walked << nameOf(focus());
            } while (focus() != start && walked.size() < 2 * forward.size());
            EXPECT_EQ(walked.join(' ').toStdString(), expected.join(' ').toStdString());
        }
    }
}

// A double click on a button is two clicks (a spin arrow steps twice, not three times), on a
// label a click and its double click; Space and Enter press the focused button, check box,
// picture or clickable label; a window opened takes the keyboard, and Escape closes it as its
// double click does and gives the keyboard back.
TEST_F(WindowTest, PressesFromMouseAndKeyboard) {
    const auto caption = [this](const char* name) {
        return [this, name] { return k.form1.find(QLatin1String(name))->caption(); };
    };
    const auto shown = [](forms::Window& w) {
        return [&w] { return QString::number(w.visible()); };
    };
    const struct {
        const char* control;
        int key;  // 0: a double click
        std::function<QString()> state;
        const char* expected;
    } rows[] = {
        {"ButtonVBR", 0, caption("ButtonVBR"), "2nd"},
        {"audioUp", 0, [this] { return text("audio"); }, "12"},
        {"ButtonPsy", Qt::Key_Return, caption("ButtonPsy"), "Slow"},
        {"kbpsLock", Qt::Key_Enter,
         [this] { return QString::number(widget<QCheckBox>("kbpsLock")->checkState()); }, "2"},
        {"deutsch", Qt::Key_Return, caption("Spielzeit"), "Spielzeit"},
        {"audiokbps", Qt::Key_Space, caption("audiokbps"), " MB"},
        // Back to kbit/s: the program hands the keyboard to the audio field.
        {"audiokbps", Qt::Key_Return, [&] { return nameOf(focus()) + caption("audiokbps")(); },
         "audio kbps"},
        {"ratio", Qt::Key_Enter, caption("ratio"), ":1"},
        {"ratio", 0, caption("ratio"), ":100"},  // a label's own click and double click
        {"sizeMB", Qt::Key_Space, shown(k.disk), "1"},
        {"Disk.anz", Qt::Key_Escape, shown(k.disk), "0"},
        {"settingsbutton", Qt::Key_Return, shown(k.form3), "1"},
        {"Form3.SC", Qt::Key_Escape, shown(k.form3), "0"},
        {"form2show", Qt::Key_Space, shown(k.form2), "1"},
        {"Form2.transparency", Qt::Key_Escape, shown(k.form2), "0"},
        {"info", Qt::Key_Return, shown(k.about), "1"},
        {"frmAbout.Label3", Qt::Key_Space, [this] { return services.launcher.opened.value(0); },
         app::links::homepage},
        {"frmAbout.Label2", Qt::Key_Escape, shown(k.about), "0"},
        {"ButtonProfile", Qt::Key_Return, caption("ButtonProfile"), "Handheld"},
    };
    for (const auto& row : rows) {
        QCoreApplication::processEvents();  // the window system's answer to the last press
        const QStringList path = QString::fromLatin1(row.control).split('.');
        forms::Window& w = path.size() > 1 ? *k.rt.window(path[0]) : k.form1;
        QWidget* target = view.widget(*w.find(path.last()));
        if (row.key) {
            ASSERT_TRUE(QTest::qWaitForWindowActive(target->window())) << row.control;
            target->setFocus(Qt::TabFocusReason);
            ASSERT_EQ(focus(), target) << row.control;
            QTest::keyClick(target, Qt::Key(row.key));
        } else {  // through the window system, which makes the second press a double click
            QTest::mouseDClick(target->window()->windowHandle(), Qt::LeftButton, {},
                               target->mapTo(target->window(), target->rect().center()));
        }
        EXPECT_EQ(row.state(), row.expected) << row.control << ' ' << row.key;
    }
    EXPECT_FALSE(k.about.get<forms::Timer>("KorvelTimer").enabled());
}

// Arrows, track and keys move the width by its steps of 4 and 64; a held spin arrow repeats
// until it is let go.
TEST_F(WindowTest, SliderStepsAndHeldSpinArrows) {
    auto* slider = widget<QScrollBar>("ScrollBar1");
    const int arrow = slider->height() / 2;
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - arrow, arrow));
    EXPECT_EQ(text("Bwidth"), "724");
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(arrow, arrow));
    EXPECT_EQ(text("Bwidth"), "720");
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() - 3 * arrow, arrow));
    EXPECT_EQ(text("Bwidth"), "784");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(text("Bwidth"), "780");
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(text("Bwidth"), "844");
    // A notch of the wheel is an arrow's step, however the notch arrives.
    for (const auto& [turn, width] :
         {std::pair{QPoint(0, 120), "848"}, {QPoint(0, -60), "848"}, {QPoint(-240, 0), "852"}}) {
        QWheelEvent wheel(QPointF(5, 5), slider->mapToGlobal(QPointF(5, 5)), {}, turn, {}, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
        EXPECT_EQ(text("Bwidth"), width);
    }

    platform::QtTimerDriver timers(k.rt);
    widget("audio")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(widget("audio"), QStringLiteral("96"));
    QWidget* up = view.widget(*k.form1.find("audioUp"));
    QTest::mousePress(up, Qt::LeftButton);
    QTest::qWait(1000);
    QTest::mouseRelease(up, Qt::LeftButton);
    const QString held = text("audio");
    EXPECT_GE(held.toInt(), 128);  // two steps at least: 112, 128
    QTest::qWait(700);
    EXPECT_EQ(text("audio"), held);
}

// Qt's own texts follow the flags: the notes' right-click menu, a message box's buttons.
TEST_F(WindowTest, QtsOwnTextsSpeakTheLanguageOnScreen) {
    const struct {
        const char *flag, *copy, *cancel;
    } rows[] = {{"deutsch", "&Kopieren", "Abbrechen"},
                {"french", "Cop&ier", "Annuler"},
                {"english", "&Copy", "Cancel"}};
    auto* notes = widget<QPlainTextEdit>("notebox");
    for (const auto& row : rows) {
        QTest::mouseClick(widget<QWidget>(row.flag), Qt::LeftButton);
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                notes->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(notes->viewport(), &click);  // the menu pops up and stays
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        QStringList menu;
        for (const QAction* a : popup->actions())
            menu << a->text().section('\t', 0, 0);  // without the shortcut
        popup->close();
        EXPECT_TRUE(menu.contains(row.copy)) << menu.join('|').toStdString();
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), row.cancel);
    }
}

// A right click on the option string or its copy button offers the ffmpeg command in the
// language on screen; choosing it copies the command, or says what is missing and copies nothing.
TEST_F(WindowTest, TheContextMenuCopiesTheFfmpegCommand) {
    ui::FfmpegMenu menu(k, view);
    const auto choose = [this](const char* control) {
        QString caption;
        QTimer::singleShot(0, [&caption] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(popup, nullptr);
            auto* copy = popup->findChild<QAction*>(QStringLiteral("copyFfmpegCommand"));
            ASSERT_NE(copy, nullptr);
            caption = copy->text();
            copy->trigger();
            popup->close();
        });
        QWidget* w = view.widget(*k.form1.find(QLatin1String(control)));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(3, 3),
                                w->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(w, &click);
        return caption;
    };
    services.clipboard.setText("kept");
    EXPECT_EQ(choose("DivXBox"), "Copy ffmpeg command");
    EXPECT_EQ(services.clipboard.text(), "kept");
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_TRUE(
        services.messages.shown[0].text.startsWith("No ffmpeg command: these settings "
                                                   "leave 0 kbit/s for the video"));
    for (const auto& [field, typed] : {std::pair{"SS", "20"}, {"groesse", "4"}})
        k.rt.userType(k.form1.get<forms::TextBox>(field), typed);
    QTest::mouseClick(view.widget(*k.form1.find("french")), Qt::LeftButton);
    EXPECT_EQ(choose("DivXbutton"), "Copier la commande ffmpeg");
    EXPECT_TRUE(services.clipboard.text().contains("-b:v 1667k") &&
                services.clipboard.text().contains("'input.vob'"))
        << qPrintable(services.clipboard.text());
}

// The program run without a display, its settings under configHome; what it printed, as bytes.
QByteArray runKorvel(const QStringList& args, int expectedStatus, const QString& configHome = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!configHome.isEmpty()) env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KORVEL_PROGRAM), args);
    EXPECT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), expectedStatus) << qPrintable(args.join(' '));
    return p.readAllStandardOutput() + p.readAllStandardError();
}

// The command line answers without a window: the window's number, or the value refused with
// what is accepted; a mistake in the options says so in two lines.
TEST(CommandLine, AnswersAsTheWindowOrRefuses) {
    EXPECT_EQ(runKorvel({"--version"}, 0).trimmed(), "Korvel " KORVEL_VERSION_TEXT);
    const QString help = runKorvel({"--help"}, 0);
    EXPECT_TRUE(help.contains("KORVEL_REGISTRY_FILE") && help.contains("WINEPREFIX") &&
                help.contains("--ffmpeg") && help.contains("--bitrate"))
        << qPrintable(help);
    QTemporaryDir home;
    const auto bitrate = [](const char* time, const char* size, const char* audio) {
        return QStringList{"--bitrate", "--time", time, "--size", size, "--audio", audio};
    };
    const struct {
        QStringList args;
        int status;
        const char* said;  // how the answer starts
    } rows[] = {
        {bitrate("01:30:00", "700", "96"), 0, "981\n"},
        {bitrate("01:30:00", "700.5", "96"), 0, "981\n"},
        {bitrate("59:00:00", "99999", "0"), 0, "3937\n"},
        {bitrate("60:00:00", "99999", "0"), 2,
         "korvel: --time takes HH:MM:SS with hours, minutes and seconds 0 to 59, not "
         "\"60:00:00\"\n"},
        {bitrate("01:30:00", "200000", "96"), 2,
         "korvel: --size takes a number of MB from 0 to 100000, not \"200000\"\n"},
        {bitrate("01:30:00", "700", "96.5"), 2,
         "korvel: --audio takes a whole number of kbit/s, 0 or more, not \"96.5\"\n"},
        {{"--frobnicate"}, 2, "korvel: Unknown option 'frobnicate'.\nTry 'korvel --help'.\n"},
        {{"--bitrate", "--time"}, 2, "korvel: Missing value after '--time'.\nTry 'korvel --help'."},
        {{"--bitrate", "--time", "1:00:00", "--size", "7"},
         2,
         "korvel: --bitrate needs --time, --size and --audio\nTry"},
        {{"--time", "1:00:00"}, 2, "korvel: --time, --size and --audio belong to --bitrate or"},
        {{"--ffmpeg", "in.vob"}, 2, "korvel: --ffmpeg takes two file names"},
        {{"--ffmpeg", "--audio", "96", "in.vob", "out.avi"}, 2, "korvel: --ffmpeg takes --time,"},
        {{"--ffmpeg", "", ""}, 2, "korvel: No ffmpeg command: the input and the output need"},
        // A fresh install has no bitrate.
        {{"--ffmpeg", "in.vob", "out.avi"}, 2, "korvel: No ffmpeg command: these settings leave 0"},
    };
    for (const auto& r : rows) {
        const QByteArray said = runKorvel(r.args, r.status, home.path());
        EXPECT_TRUE(said.startsWith(r.said)) << qPrintable(r.args.join(' ')) << "\n" << said.data();
    }
    EXPECT_TRUE(QDir(home.path()).isEmpty());  // not even the settings folder is made

    // File names that are not valid text reach the command byte for byte.
    QProcess sh;
    sh.start("/bin/sh", {"-c", QStringLiteral("%1 --ffmpeg --time 0:0:20 --size 2 --audio 96 "
                                              "\"$(printf 'caf\\351.vob')\" \"$(printf '\\377')\"")
                                   .arg(KORVEL_PROGRAM)});
    ASSERT_TRUE(sh.waitForFinished(10000));
    const QByteArray command = sh.readAllStandardOutput();
    EXPECT_TRUE(command.contains("-i 'caf\xe9.vob' ") && command.endsWith(" -f avi '\xff'\n"))
        << command.data() << sh.readAllStandardError().data();
}

// The ffmpeg command and the bitrate come from the stored settings, which stay untouched even
// with the crash marker a running program keeps.
TEST(CommandLine, PrintsFromTheStoredSettingsWithoutWritingThem) {
    QTemporaryDir home;
    const QStringList bitrate{"--bitrate", "--time", "01:30:00", "--size", "700", "--audio", "96"};
    ASSERT_TRUE(QDir(home.path()).mkpath("Korvel"));
    QFile ini(home.filePath("Korvel/Korvel.ini"));
    const QByteArray stored =
        "[Values]\nversion=0\nMKI=250\nalg1=1000\nalg2=5\nHH=01\nMM=30\nSS=00\n"
        "size=700\naudio=96\nbitrate=946\nVBR=2nd\n";
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write(stored) == stored.size());
    ini.close();
    EXPECT_EQ(runKorvel(bitrate, 0, home.path()), "946\n");
    const QString command = runKorvel({"--ffmpeg", "my film.vob", "out.avi"}, 0, home.path());
    EXPECT_EQ(command.count("-b:v 946k"), 2) << qPrintable(command);
    EXPECT_TRUE(command.contains("-g 250") && command.contains("-pass 2") &&
                command.contains("-i 'my film.vob'"))
        << qPrintable(command);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), stored);
    EXPECT_EQ(QDir(home.filePath("Korvel")).entryList(QDir::Files), QStringList{"Korvel.ini"});
}

// Without a display (none named, or one that is not there) the window cannot open: one line
// says so, and the program ends with status 1 rather than an abort and a core dump.
TEST(CommandLine, NoDisplayIsOneLineAndStatusOne) {
    for (const char* display : {"", ":4093"}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM"), env.remove("WAYLAND_DISPLAY"),
            env.insert("DISPLAY", display);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KORVEL_PROGRAM), {});
        ASSERT_TRUE(p.waitForFinished(10000));
        const QString said = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_TRUE(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 1) << display;
        EXPECT_TRUE(said.count('\n') == 1 && said.contains(display) &&
                    said.startsWith("korvel: cannot open the display"))
            << qPrintable(said);
    }
}

}  // namespace
