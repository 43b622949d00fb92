// Help labels look clickable; the view cannot tell them from the rest otherwise.
#include <gtest/gtest.h>

#include "app/korvel.h"
#include "platform/memory_services.h"

TEST(HelpLabels, ShowThePointingHandAndOtherLabelsDoNot) {
    platform::MemoryServices mem;
    app::Korvel k(mem.services(), forms::NumberLocale::point());
    k.start();
    EXPECT_EQ(k.form1.find("Spielzeit")->pointer(), forms::Pointer::Hand);
    EXPECT_EQ(k.form3.find("txtSC")->pointer(), forms::Pointer::Hand);
    EXPECT_EQ(k.form2.find("Label1")->pointer(), forms::Pointer::Hand);
    for (const char* other : {"info", "ratio", "sizeMB", "textAlg1"})
        EXPECT_EQ(k.form1.find(other)->pointer(), forms::Pointer::Default) << other;
}
