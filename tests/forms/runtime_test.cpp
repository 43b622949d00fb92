#include "forms/runtime.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace forms;

namespace {

// The event rules every handler relies on, on one window with a few controls.
struct FormRuntime : ::testing::Test {
    Runtime rt;
    Window& w = rt.addWindow("Form1");
    TextBox& a = w.add<TextBox>("a");
    TextBox& b = w.add<TextBox>("b");
    ScrollBar& bar = w.add<ScrollBar>("bar");
    QStringList log;

    void SetUp() override {
        w.show();
        bar.setRange(0, 100);
    }
};

}  // namespace

TEST_F(FormRuntime, FocusMovesAskedForInAHandlerWaitForTheOutermostHandler) {
    a.onGotFocus = [&] { log << "a got"; };
    a.onLostFocus = [&] { log << "a lost"; };
    b.onGotFocus = [&] { log << "b got, a is " + a.text(); };
    a.onChange = [&] {
        b.setFocus();
        a.setText("done");  // nested change still runs before the move
    };
    rt.userFocus(a);
    log.clear();
    rt.userEdit(a, "typed", 5);
    EXPECT_EQ(log, QStringList({"a lost", "b got, a is done"}));
    EXPECT_EQ(rt.focused(), &b);
    EXPECT_TRUE(rt.settled());
}

TEST_F(FormRuntime, UserTypingHonoursSelectionMaxLengthAndReadOnly) {
    a.setMaxLength(3);
    a.setText("700");
    rt.userType(a, "12345");
    EXPECT_EQ(a.text(), "123");
    rt.userPaste(a, "98765");
    EXPECT_EQ(a.text(), "987");
    a.setMaxLength(0);
    a.setText("hello");  // a write from code is not limited
    a.setReadOnly(true);
    rt.userType(a, "x");
    rt.userClear(a);
    EXPECT_EQ(a.text(), "hello");
    a.setVisible(false);
    a.setReadOnly(false);
    rt.userType(a, "x");
    EXPECT_EQ(a.text(), "hello");
}

TEST_F(FormRuntime, ARunawayCascadeIsCutOffByTheNestingGuard) {
    a.onChange = [&] { a.setText(a.text() + "x"); };
    rt.diagnostic = [](const QString&) {};
    rt.userEdit(a, "go", 2);
    EXPECT_EQ(rt.guardHits(), 1);
    EXPECT_EQ(a.text().size(), 2 + Runtime::maxDepth);
    EXPECT_TRUE(rt.settled());
}

TEST_F(FormRuntime, ErrorsAndTheProgramEndNeverLeaveAnEntryPoint) {
    rt.diagnostic = [](const QString&) {};
    a.onChange = [&] { throw RuntimeError(RuntimeError::TypeMismatch, "Type mismatch"); };
    rt.userEdit(a, "bad", 3);
    EXPECT_EQ(rt.escapedErrors(), 1);
    EXPECT_EQ(a.text(), "bad");
    b.onChange = [&] { rt.end(); };
    rt.userEdit(b, "bye", 3);
    EXPECT_TRUE(rt.ended());
    rt.userEdit(a, "ignored", 7);
    EXPECT_EQ(a.text(), "bad");
}

TEST_F(FormRuntime, ScrollBarDragScrollsAndTheReleaseChangesOnce) {
    int scrolls = 0, changes = 0;
    bar.onScroll = [&] { ++scrolls; };
    bar.onChange = [&] { ++changes; };
    rt.userScroll(bar, 10, false);
    rt.userScroll(bar, 20, false);
    rt.userScroll(bar, 20, true);
    EXPECT_EQ(scrolls, 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bar.value(), 20);
}

// A press lasts only while the button is held: its release runs once, on what got the press,
// and a move with no button or another press ends a press whose release was lost.
TEST_F(FormRuntime, APressEndsOnceWhateverEndsIt) {
    w.onMouseDown = [&](const MouseArgs&) { log << "down"; };
    w.onMouseMove = [&](const MouseArgs& m) { log << QString("move %1").arg(m.button); };
    w.onMouseUp = [&](const MouseArgs&) { log << "up"; };
    const MouseArgs held{1, 0, 0, 0}, free{0, 0, 0, 0};
    rt.userMouse(w, 'd', held);
    rt.userMouse(w, 'm', held);
    rt.userMouse(w, 'm', free);  // the release went astray
    rt.userMouse(w, 'u', held);  // and arrives late
    rt.userMouse(w, 'd', held);
    rt.userMouse(a, 'd', held);  // a press elsewhere
    rt.userMouse(a, 'u', held);
    EXPECT_EQ(log, QStringList({"down", "move 1", "up", "move 0", "down", "up"}));
    EXPECT_FALSE(rt.mousePressed());
}

// Blocks of one window add their Tab order piece by piece, each after a name already there.
TEST_F(FormRuntime, TabOrderPiecesGoAfterTheirAnchorOrAtTheEnd) {
    w.addTabOrder({"a", "d"});
    w.addTabOrder({"b", "c"}, "a");
    w.addTabOrder({"e"}, "d");
    w.addTabOrder({"f"});
    EXPECT_EQ(w.tabOrder(), QStringList({"a", "b", "c", "d", "e", "f"}));
    EXPECT_THROW(w.addTabOrder({"g"}, "missing"), std::logic_error);
}
