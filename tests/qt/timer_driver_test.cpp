#include <gtest/gtest.h>

#include <QTest>

#include "forms/runtime.h"
#include "platform/qt/timer_driver.h"

namespace {

class TimerDriverTest : public ::testing::Test {
  protected:
    TimerDriverTest() {
        timer.onTimer = [this] { ++fired; };
    }
    bool firesWithin(int ms, int times = 1) {
        const int target = fired + times;
        return QTest::qWaitFor([&] { return fired >= target; }, ms);
    }
    forms::Runtime rt;
    forms::Timer& timer = rt.addWindow("Form1").add<forms::Timer>("Timer1", 5);
    platform::QtTimerDriver driver{rt};
    int fired = 0;
};

TEST_F(TimerDriverTest, FiresWhileEnabledAndStopsWhenDisabled) {
    EXPECT_FALSE(firesWithin(30));
    timer.setEnabled(true);
    EXPECT_TRUE(firesWithin(1000, 3));
    timer.setEnabled(false);
    EXPECT_FALSE(firesWithin(30));
}

TEST_F(TimerDriverTest, NewIntervalStartsTheCountAgainAndZeroSilences) {
    timer.setInterval(60000);
    timer.setEnabled(true);
    timer.setInterval(5);
    EXPECT_TRUE(firesWithin(1000));
    timer.setInterval(0);
    EXPECT_FALSE(firesWithin(30));
}

TEST_F(TimerDriverTest, NothingAHandlerThrowsReachesTheEventLoop) {
    timer.onTimer = [this] {
        ++fired;
        throw 42;
    };
    timer.setEnabled(true);
    EXPECT_TRUE(firesWithin(1000, 2));
}

}  // namespace
