#include "forms/runtime.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace forms;

namespace {

// One window with a few controls and a log of the handlers that ran.
struct FormRuntime : ::testing::Test {
    Runtime rt;
    Window& w = rt.addWindow("Form1");
    TextBox& a = w.add<TextBox>("a");
    TextBox& b = w.add<TextBox>("b");
    CheckBox& box = w.add<CheckBox>("box");
    OptionButton& one = w.add<OptionButton>("one", "g");
    OptionButton& two = w.add<OptionButton>("two", "g");
    ScrollBar& bar = w.add<ScrollBar>("bar");
    QStringList log;

    void SetUp() override {
        w.show();
        rt.tracer = [this](int depth, const QString& name) {
            log << QString(depth - 1, QLatin1Char(' ')) + name;
        };
        bar.setRange(0, 100);
    }
};

}  // namespace

TEST_F(FormRuntime, AWriteRaisesTheChangeOnlyWhenTheTextChanges) {
    int changes = 0;
    a.onChange = [&] { ++changes; };
    a.setText("12");
    a.setText("12");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a.caret(), 2);  // a write from code leaves the caret at the end
    a.setCaption("caption");  // a caption raises nothing
    EXPECT_EQ(changes, 1);
}

TEST_F(FormRuntime, ChangeHandlersNestSynchronously) {
    a.onChange = [&] {
        b.setText(a.text() + "!");
        log << "a done";
    };
    b.onChange = [&] { log << "b saw " + a.text(); };
    rt.dispatch([&] { a.setText("x"); });
    EXPECT_EQ(log, QStringList({"Form1.a_Change", " Form1.b_Change", "b saw x", "a done"}));
}

TEST_F(FormRuntime, ValuesRaiseClicksAndOptionButtonsExcludeEachOther) {
    int clicks = 0, oneClicks = 0;
    box.onClick = [&] { ++clicks; };
    one.onClick = [&] { ++oneClicks; };
    box.setValue(1);
    box.setValue(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_THROW(box.setValue(3), RuntimeError);
    one.setValue(true);
    two.setValue(true);
    EXPECT_FALSE(one.value());
    one.setValue(false);  // deselecting raises nothing
    EXPECT_EQ(oneClicks, 1);
    EXPECT_THROW(bar.setValue(101), RuntimeError);
}

TEST_F(FormRuntime, FocusMovesAskedForInAHandlerWaitForTheOutermostHandler) {
    a.onGotFocus = [&] { log << "a got"; };
    a.onLostFocus = [&] { log << "a lost"; };
    b.onGotFocus = [&] { log << "b got, a is " + a.text(); };
    a.onChange = [&] {
        b.setFocus();
        a.setText("done");  // nested change still runs before the move
    };
    rt.userFocus(a);
    rt.tracer = nullptr;
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

TEST_F(FormRuntime, UserClicksToggleCheckBoxesAndChooseListItemsQuietly) {
    auto& combo = w.add<ComboBox>("combo");
    int changes = 0, clicks = 0;
    combo.onChange = [&] { ++changes; };
    combo.onClick = [&] { ++clicks; };
    combo.setList({"DVD-5"});
    rt.userClick(combo, "DVD-5");
    EXPECT_EQ(combo.text(), "DVD-5");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 1);
    box.setValue(2);
    rt.userClick(box);
    EXPECT_EQ(box.value(), 0);  // a grayed box goes to unchecked
    rt.userClick(box);
    EXPECT_EQ(box.value(), 1);
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
