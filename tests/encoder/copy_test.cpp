#include <gtest/gtest.h>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace encoder {
namespace {

// While the program is busy the copy button cannot rebuild, so a hint may still stand in the box:
// it is never copied.
class CopyButton : public ::testing::Test {
  protected:
    CopyButton() : k(sv.services(), forms::NumberLocale::point()) {
        k.start();
        sv.clipboard.setText("kept");
    }
    void copyWhileBusy(const QString& shown) {
        k.st.busy = true;
        k.form1.get<forms::TextBox>("DivXBox").setText(shown);
        k.rt.userClick(k.form1.get<forms::Button>("DivXbutton"));
    }
    forms::Color buttonColor() const {
        return k.form1.get<forms::Button>("DivXbutton").backColor();
    }
    platform::MemoryServices sv;
    app::Korvel k;
};

TEST_F(CopyButton, HintsTurnTheButtonRedAndLeaveTheClipboard) {
    copyWhileBusy("Use this String in DivX 5.1");
    EXPECT_EQ(buttonColor(), forms::colors::red);
    EXPECT_EQ(sv.clipboard.text(), "kept");
    copyWhileBusy("Diese Einstellungen können Sie für den DivX Encoder verwenden.");
    EXPECT_EQ(sv.clipboard.text(), "kept");
    EXPECT_TRUE(sv.messages.shown.empty());
}

TEST_F(CopyButton, AnyOtherTextIsCopiedAsItStands) {
    copyWhileBusy("-bv1 800 -key 200");
    EXPECT_EQ(sv.clipboard.text(), "-bv1 800 -key 200");
    EXPECT_TRUE(buttonColor().none);
}

TEST_F(CopyButton, AFailedBuildShowsErrorAndCopiesNothing) {
    // Only a damaged bitrate can make the build fail; the program never types one itself.
    k.st.busy = true;
    k.form1.get<forms::TextBox>("kbitps").setText(QString(400, QLatin1Char('9')));
    k.st.busy = false;
    k.rt.userClick(k.form1.get<forms::Button>("DivXbutton"));
    EXPECT_EQ(k.form1.get<forms::TextBox>("DivXBox").text(), "ERROR");
    EXPECT_EQ(buttonColor(), forms::colors::red);
    EXPECT_EQ(sv.clipboard.text(), "kept");
    ASSERT_FALSE(sv.messages.shown.empty());
    EXPECT_EQ(sv.messages.shown.front().text,
              "It's not a Bug - it's a Feature! ;-) \r[Featurename: 'DivX']");
}

}  // namespace
}  // namespace encoder
