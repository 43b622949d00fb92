// Speed of the program's cascades in the model (no widgets) and of the real widgets on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/korvel.h"
#include "app/lifecycle.h"
#include "platform/memory_services.h"
#include "ui/view.h"
#include "ui/window_widget.h"

namespace {

// A started program with a film typed in: 01:30:00, 96 kbit/s audio, 700 MB.
struct Program {
    platform::MemoryServices services;
    app::Korvel k{services.services(), forms::NumberLocale::point()};
    Program() {
        k.start();
        type("HH", "01");
        type("MM", "30");
        type("SS", "00");
        type("audio", "96");
        type("groesse", "700");
    }
    forms::TextBox& field(const char* name) { return k.form1.get<forms::TextBox>(name); }
    void type(const char* name, const QString& text) { k.rt.userType(field(name), text); }
};

// One keystroke in a field: the text alternates between two values so each one is a change.
void keystroke(benchmark::State& state, const char* name, const QString& a, const QString& b,
               const char* follower) {
    Program p;
    auto& f = p.field(name);
    p.k.rt.userFocus(f);
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        const QString& text = odd ? a : b;
        p.k.rt.userEdit(f, text, int(text.size()));
    }
    if (p.field(follower).text().isEmpty()) state.SkipWithError("the cascade did not run");
}

// Size: bitrate, kByte/s, bit/s, bits per pixel, option string and rating.
void sizeKeystroke(benchmark::State& state) {
    keystroke(state, "groesse", "700", "701", "kbitps");
}
BENCHMARK(sizeKeystroke);

// Width: height, slider, pixels, preview size, bits per pixel, option string and rating.
void widthKeystroke(benchmark::State& state) {
    keystroke(state, "Bwidth", "640", "644", "Bheight");
}
BENCHMARK(widthKeystroke);

// The option string rebuilt and rated, after a setting it depends on changed.
void optionStringRebuild(benchmark::State& state) {
    Program p;
    auto& rate = p.field("kbitps");
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        // kbitps is written while busy so only the rebuild below runs, not the calculator.
        p.k.st.busy = true;
        rate.setText(odd ? QStringLiteral("981") : QStringLiteral("982"));
        p.k.st.busy = false;
        p.k.rebuildOptionString();
    }
    if (p.field("DivXBox").text().isEmpty()) state.SkipWithError("no option string");
}
BENCHMARK(optionStringRebuild);

// Start-up from the settings a previous run left at its exit.
void startUp(benchmark::State& state) {
    platform::MemoryServices services;
    {
        Program first;
        first.k.rt.userClick(*first.k.form1.find("exit"));
        for (const QString& key : first.services.store.keys())
            services.store.write(key, first.services.store.read(key, {}));
    }
    for (auto _ : state) {
        services.store.write("version", "0025");  // as a clean exit leaves it
        app::Korvel k{services.services(), forms::NumberLocale::point()};
        k.start();
        benchmark::DoNotOptimize(k.form1.get<forms::TextBox>("kbitps").text());
    }
}
BENCHMARK(startUp);

// The six windows with their real widgets, created and shown.
void showAllWindows(benchmark::State& state) {
    for (auto _ : state) {
        platform::MemoryServices services;
        app::Korvel k{services.services(), forms::NumberLocale::point()};
        ui::View view(k.rt);
        k.start();
        for (auto& w : k.rt.windows())
            k.rt.dispatch([&w] { w->show(); });
        QApplication::processEvents();
    }
}
BENCHMARK(showAllWindows)->Unit(benchmark::kMillisecond);

// One key press in the real size field, with every widget it changes updated and painted.
void widgetKeystroke(benchmark::State& state) {
    Program p;
    ui::View view(p.k.rt);
    QWidget* main = view.window(p.k.form1);
    main->show();
    QApplication::processEvents();
    auto* size = qobject_cast<QLineEdit*>(view.widget(*p.k.form1.find("groesse")));
    size->setFocus();
    size->setCursorPosition(int(size->text().size()));
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        QTest::keyClick(size, odd ? Qt::Key_1 : Qt::Key_Backspace);
        QApplication::processEvents();
    }
    if (p.field("kbitps").text().isEmpty()) state.SkipWithError("the cascade did not run");
}
BENCHMARK(widgetKeystroke)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
