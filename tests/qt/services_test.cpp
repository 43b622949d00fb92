#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "platform/qt/message_box.h"
#include "platform/qt/program_end.h"
#include "platform/qt/random.h"
#include "platform/qt/window_effects.h"

using namespace platform;

namespace {

TEST(QtMessageBox, EveryKindOfLineBreakIsOneLine) {
    EXPECT_EQ(messageLines("a\rb\r\nc\nd\r\r"), "a\nb\nc\nd\n\n");
}

TEST(QtRandom, UniformBelowOneAndReseeded) {
    QtRandom a(7), b(7);
    b.reseed();
    EXPECT_NE(a.next(), b.next());  // a reseeded generator leaves the seed's sequence
    double sum = 0;
    for (int i = 0; i < 20000; ++i)
        sum += a.next();
    EXPECT_NEAR(sum / 20000, 0.5, 0.01);
}

TEST(QtProgramEnd, EndAskedBeforeTheLoopRunsStillEndsIt) {
    QtProgramEnd end;
    end.end(true);
    EXPECT_TRUE(end.ended() && end.savedAtEnd());
    QTimer guard;  // a missed end fails instead of hanging
    guard.callOnTimeout([] { QCoreApplication::exit(1); });
    guard.start(3000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(QtWindowEffects, OpacityReachesTheRegisteredTopLevelWindow) {
    QtWindowEffects effects;
    auto window = std::make_unique<QWidget>();
    effects.registerWindow("Form2", new QWidget(window.get()));
    EXPECT_EQ(effects.setOpacity("Form2", 128), 0);
    EXPECT_DOUBLE_EQ(window->windowOpacity(), 128 / 255.0);
    EXPECT_EQ(effects.setOpacity("Form9", 128), 2);
    window.reset();
    EXPECT_EQ(effects.setOpacity("Form2", 128), 2);
}

}  // namespace
