// The pixel ratio enters every conversion between width, height and slider. It is always written
// with a point, also where the user's decimal separator is a comma.
#include <gtest/gtest.h>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace {
using forms::TextBox;

struct Program {
    platform::MemoryServices sv;
    app::Korvel k;
    explicit Program(forms::NumberLocale locale, const char* pixelRatio)
        : k(sv.services(), locale) {
        k.start();
        k.st.pixelRatio = QLatin1String(pixelRatio);
    }
    TextBox& field(const char* name) { return k.form1.get<TextBox>(QLatin1String(name)); }
};

TEST(PixelRatio, WidensThePictureInEitherLocale) {
    for (auto locale : {forms::NumberLocale::point(), forms::NumberLocale::comma()}) {
        Program p(locale, "1.067");
        // 720 / 1.3333 x 1.067 = 576.2: the PAL picture.
        p.k.rt.userType(p.field("Bwidth"), "720");
        EXPECT_EQ(p.field("Bheight").text().toStdString(), "576");
        p.k.rt.userType(p.field("Bheight"), "576");
        EXPECT_EQ(p.field("Bwidth").text().toStdString(), "720");
        p.k.rt.userFocus(p.field("notebox"));
        EXPECT_EQ(p.k.form1.get<forms::ScrollBar>("ScrollBar1").value(), 720);
        EXPECT_EQ(p.field("Bheight").text().toStdString(), "576");
        // The preview shows the picture in square screen pixels: 576 / 1.067 = 539.8 lines.
        EXPECT_EQ(p.k.form2.width(), 10800);
        EXPECT_EQ(p.k.form2.height(), 8097);
        EXPECT_EQ(p.sv.messages.shown.size(), 0u);
    }
}

TEST(PixelRatio, ThatCannotBeReadLeavesTheFieldsLive) {
    Program p(forms::NumberLocale::point(), "1.0x");
    p.k.rt.userType(p.field("Bheight"), "600");
    ASSERT_FALSE(p.sv.messages.shown.empty());
    EXPECT_EQ(p.sv.messages.shown.front().text.toStdString(), "Error in res.olution (oh shit!)");
    EXPECT_FALSE(p.k.st.busy);
    EXPECT_EQ(p.k.rt.escapedErrors(), 0);
}

TEST(GeometryDebugLog, NamesEachDirectionOfTheSolver) {
    Program p(forms::NumberLocale::point(), "1");
    p.k.st.debugMode = true;
    const auto& log = p.k.debug.get<TextBox>("debugtext");
    p.k.rt.userType(p.field("Bwidth"), "640");
    EXPECT_TRUE(log.text().contains("resolution #1\rresolution #3"));
    p.k.rt.userType(p.field("Bheight"), "600");
    EXPECT_TRUE(log.text().contains("resolution #4"));
    p.k.rt.userType(p.field("bitsperpixel"), "0.2");
    EXPECT_TRUE(log.text().contains("bitsperpixel_Change #1\rresolution #1"));
    EXPECT_TRUE(log.text().contains("bitsperpixel_Change #2"));
}

}  // namespace
