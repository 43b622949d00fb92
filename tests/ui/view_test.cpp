#include "ui/view.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/korvel.h"
#include "platform/memory_services.h"
#include "ui/window_widget.h"

namespace {

// The started program with its real widgets.
struct ViewTest : ::testing::Test {
    platform::MemoryServices services;
    app::Korvel k{services.services(), forms::NumberLocale::point()};
    ui::View view{k.rt};

    void SetUp() override {
        k.start();
        QWidget* main = view.window(k.form1);
        QApplication::setActiveWindow(main);
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
    template <class W = QLineEdit>
    W* widget(const char* name) {
        return dynamic_cast<W*>(view.widget(*k.form1.find(name)));
    }
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

TEST_F(ViewTest, TypingInTheWidgetsRunsTheCalculator) {
    typeInto("HH", "01");
    typeInto("MM", "30");
    typeInto("audio", "96");
    typeInto("groesse", "700");
    EXPECT_EQ(widget("kbitps")->text(), "981");
    EXPECT_EQ(widget("kBytesps")->text(), "122.6");
    EXPECT_EQ(widget("bitrate")->text(), "981000 bps");
    // The model's repairs show at once: letters are cut, the typed length is kept to five.
    typeInto("audio", "128k");
    EXPECT_EQ(widget("audio")->text(), "128");
    typeInto("groesse", "1234567");
    EXPECT_EQ(k.form1.get<forms::TextBox>("groesse").text(), "12345");
    EXPECT_EQ(widget("groesse")->text(), "12345");
}

TEST_F(ViewTest, CheckBoxesAndOptionsFollowTheModel) {
    auto* lock = widget<QCheckBox>("kbpsLock");
    auto* option = widget<QRadioButton>("OptionTime");
    EXPECT_FALSE(option->isEnabled());
    QTest::mouseClick(lock, Qt::LeftButton);
    EXPECT_EQ(k.form1.get<forms::CheckBox>("kbpsLock").value(), 1);
    EXPECT_EQ(lock->checkState(), Qt::Checked);
    EXPECT_TRUE(option->isEnabled());
    QTest::mouseClick(option, Qt::LeftButton);
    EXPECT_TRUE(option->isChecked());
    EXPECT_TRUE(widget("HH")->isReadOnly());
}

TEST_F(ViewTest, FocusMovedByTheProgramMovesTheWidgetFocus) {
    // A move asked for by a handler reaches the widgets once the handlers are done.
    typeInto("HH", "01");
    EXPECT_TRUE(widget("HH")->hasFocus());
    auto& kbitps = k.form1.get<forms::TextBox>("kbitps");
    k.rt.dispatch([&] { kbitps.setFocus(); });
    EXPECT_EQ(k.rt.focused(), &kbitps);
    EXPECT_TRUE(widget("kbitps")->hasFocus());
    EXPECT_EQ(widget("HH")->text(), "01");  // its lose-focus handling ran
}

// Tab walks the main window as it reads: row by row, left to right; after the play time
// come its minutes and seconds.
TEST_F(ViewTest, TabOrderFollowsTheLayout) {
    QWidget* main = view.window(k.form1);
    QWidget* first = widget("HH");
    std::vector<QWidget*> chain{first};
    for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain())
        if (w->window() == main && w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            chain.push_back(w);
    ASSERT_GE(chain.size(), 20u);
    EXPECT_EQ(chain[1], widget("MM"));
    EXPECT_EQ(chain[2], widget("SS"));
    // The cycle starts at the top of the window.
    std::rotate(chain.begin(),
                std::min_element(chain.begin(), chain.end(),
                                 [](QWidget* a, QWidget* b) { return a->y() < b->y(); }),
                chain.end());
    for (size_t i = 1; i < chain.size(); ++i) {
        const QRect a = chain[i - 1]->geometry(), b = chain[i]->geometry();
        // Nothing comes back to the left unless it starts a lower row.
        EXPECT_TRUE(b.x() >= a.x() || b.center().y() > a.bottom())
            << qPrintable(chain[i - 1]->accessibleName()) << " then "
            << qPrintable(chain[i]->accessibleName());
    }
}

// A control is read by what it is, in the language on screen, also on a window whose captions
// never change; a button that cycles through values is read as its setting, then the value.
TEST_F(ViewTest, SpokenNamesFollowTheLanguageAndTheValue) {
    QWidget* discs = view.widget(*k.disk.find("anz"));
    QWidget* profile = widget<QPushButton>("ButtonProfile");
    EXPECT_EQ(discs->accessibleName(), "Number of discs");
    EXPECT_EQ(profile->accessibleName(), "Profile");
    k.rt.userClick(*k.form1.find("deutsch"));
    EXPECT_EQ(discs->accessibleName(), "Anzahl Datenträger");
    EXPECT_EQ(profile->accessibleName(), "Profil");
    EXPECT_EQ(profile->accessibleDescription(), "None");
    k.rt.userClick(*k.form1.find("ButtonProfile"));
    EXPECT_EQ(profile->accessibleDescription(), "Handheld");
}
