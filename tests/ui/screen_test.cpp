// Every window the program opens lies on a small screen (1024 x 600), at scale 1 and 2 (the
// test runs at both), wherever the main window stands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "platform/qt/screen.h"
#include "ui/view.h"
#include "ui/window_widget.h"

namespace {

TEST(Screen, EveryWindowOpensInsideTheScreen) {
    platform::MemoryServices mem;
    platform::QtWindows windows;
    platform::QtScreen screen(windows);
    const platform::Services sv{mem.store,      mem.messages, mem.clipboard, mem.random,
                                mem.programEnd, mem.launcher, mem.effects,   mem.registry,
                                mem.log,        screen};
    app::Korvel k(sv, forms::NumberLocale::point());
    ui::View view(k.rt);
    for (auto& w : k.rt.windows())
        windows.add(w->name(), view.window(*w));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_LE(area.width(), 1024);
    k.form1.move(area.center().x() * 15, area.bottom() * 15);  // half below the screen
    k.start();

    const auto inside = [&](const forms::Window& w, const char* when) {
        QWidget* widget = view.window(w);
        ASSERT_TRUE(widget->isVisible()) << qPrintable(w.name()) << when;
        const QRect g = widget->frameGeometry();
        // Larger than the screen (the main window at scale 2): its top-left corner shows.
        const bool fits =
            (g.width() > area.width() ? g.left() == area.left()
                                      : g.left() >= area.left() && g.right() <= area.right()) &&
            (g.height() > area.height() ? g.top() == area.top()
                                        : g.top() >= area.top() && g.bottom() <= area.bottom());
        EXPECT_TRUE(fits) << qPrintable(w.name()) << ' ' << when << " at " << widget->geometry().x()
                          << ',' << widget->geometry().y() << " size " << widget->width() << 'x'
                          << widget->height();
    };
    for (const char* top : {"start", "top"}) {
        if (QLatin1String(top) == QLatin1String("top")) {
            // The main window at the top edge: the disk window would open above it.
            for (forms::Window* w : {&k.disk, &k.form3, &k.form2, &k.about, &k.debug})
                k.rt.dispatch([w] { w->hide(); });
            k.rt.dispatch([&] { k.form1.move((area.width() - 360) * 15, 0); });
        }
        inside(k.form1, top);
        for (const char* opener : {"sizeMB", "settingsbutton", "form2show", "info"})
            k.rt.userClick(*k.form1.find(QLatin1String(opener)));
        k.rt.userType(k.form1.get<forms::TextBox>("notebox"), QStringLiteral("debug"));
        for (forms::Window* w : {&k.disk, &k.form3, &k.form2, &k.about, &k.debug})
            inside(*w, top);
    }
    // The model knows where the windows really are, so a drag goes on from there.
    EXPECT_EQ(view.window(k.disk)->frameGeometry().topLeft(),
              QPoint(ui::toPixels(k.disk.left()), ui::toPixels(k.disk.top())));
}

}  // namespace
