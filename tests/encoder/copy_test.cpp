// While the program is busy the copy button cannot rebuild, so a hint may still stand in the box:
// it is never copied. Caught fault: a failed build once reached the clipboard.
#include <gtest/gtest.h>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace {

struct CopyButton : ::testing::Test {
    platform::MemoryServices sv;
    app::Korvel k{sv.services(), forms::NumberLocale::point()};
    CopyButton() {
        k.start();
        sv.clipboard.setText("kept");
    }
    void copyWhileBusy(const char* field, const QString& shown) {
        k.st.busy = true;
        k.form1.get<forms::TextBox>(field).setText(shown);
        k.st.busy = field != QLatin1String("kbitps");
        k.rt.userClick(k.form1.get<forms::Button>("DivXbutton"));
    }
    bool red() const {
        return k.form1.get<forms::Button>("DivXbutton").backColor() == forms::colors::red;
    }
};

}  // namespace

TEST_F(CopyButton, HintsTurnTheButtonRedAndLeaveTheClipboard) {
    copyWhileBusy("DivXBox", "Diese Einstellungen können Sie für den DivX Encoder verwenden.");
    EXPECT_TRUE(red());
    EXPECT_EQ(sv.clipboard.text(), "kept");
    copyWhileBusy("DivXBox", "-bv1 800 -key 200");
    EXPECT_EQ(sv.clipboard.text(), "-bv1 800 -key 200");
}

TEST_F(CopyButton, AFailedBuildShowsErrorAndCopiesNothing) {
    // Only a damaged bitrate can make the build fail; the program never types one itself.
    copyWhileBusy("kbitps", QString(400, QLatin1Char('9')));
    EXPECT_EQ(k.form1.get<forms::TextBox>("DivXBox").text(), "ERROR");
    EXPECT_TRUE(red());
    EXPECT_EQ(sv.clipboard.text(), "kept");
    ASSERT_FALSE(sv.messages.shown.empty());
    EXPECT_EQ(sv.messages.shown.front().text,
              "It's not a Bug - it's a Feature! ;-) \r[Featurename: 'DivX']");
}
