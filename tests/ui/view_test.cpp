#include "started_view.h"

namespace {

struct ViewTest : StartedView {
    void typeInto(const char* name, const QString& text) {
        QLineEdit* w = widget(name);
        w->setFocus();
        w->selectAll();
        QTest::keyClicks(w, text);
    }
};

}  // namespace

TEST_F(ViewTest, EveryControlHasAWidgetInItsPlace) {
    for (auto& w : k.rt.windows()) {
        for (auto& c : w->controls()) {
            if (c->kind() == forms::Kind::Timer) continue;
            QWidget* widget = view.widget(*c);
            ASSERT_NE(widget, nullptr) << qPrintable(c->path());
            EXPECT_EQ(widget->geometry(),
                      QRect(ui::toPixels(c->left()), ui::toPixels(c->top()),
                            ui::toPixels(c->width()), ui::toPixels(c->height())))
                << qPrintable(c->path());
        }
    }
    EXPECT_TRUE(view.window(k.form1)->isVisible());
    EXPECT_FALSE(view.window(k.form3)->isVisible());
}

// The model's repairs show at once: letters are cut, the typed length is kept to five.
TEST_F(ViewTest, TheModelsRepairsShowAtOnce) {
    typeInto("audio", "128k");
    EXPECT_EQ(widget("audio")->text(), "128");
    typeInto("groesse", "1234567");
    EXPECT_EQ(k.form1.get<forms::TextBox>("groesse").text(), "12345");
    EXPECT_EQ(widget("groesse")->text(), "12345");
}

// The spin arrows never take the focus: the field being edited keeps it, emptied, so a held
// arrow steps from what the field held (minutes "00": first "00", then "59" and an hour less).
// A press on the slider does take it, the field's edit ending first.
TEST_F(ViewTest, SpinArrowsLeaveTheFocusOnTheEditedField) {
    QStringList trace;
    k.rt.tracer = [&](int, const QString& handler) { trace << handler; };
    typeInto("HH", "01");
    typeInto("MM", "00");
    typeInto("SS", "");
    widget("MM")->setFocus();
    QWidget* down = view.widget(*k.form1.find("timeDn"));
    QTest::mousePress(down, Qt::LeftButton);
    EXPECT_TRUE(widget("MM")->hasFocus());
    EXPECT_EQ(text("MM"), "");
    auto& repeat = k.form1.get<forms::Timer>("Timer2");
    for (const char* minutes : {"00", "59"}) {
        k.rt.fireTimer(repeat);
        EXPECT_EQ(text("MM"), minutes);
    }
    EXPECT_EQ(text("HH"), "00");
    QTest::mouseRelease(down, Qt::LeftButton);
    EXPECT_EQ(k.rt.focused(), k.form1.find("MM"));
    EXPECT_EQ(trace.count("Form1.MM_LostFocus"), 1);  // only when it was left for the seconds

    trace.clear();
    forms::Control* bar = k.form1.find("ScrollBar1");
    QTest::mousePress(view.widget(*bar), Qt::LeftButton);
    EXPECT_EQ(k.rt.focused(), bar);
    EXPECT_TRUE(view.widget(*bar)->hasFocus());
    EXPECT_EQ(trace.value(0), "Form1.MM_LostFocus");
}
