// The help tables: a topic without its text in a language would show an empty box.
#include "i18n/help_texts.h"

#include <gtest/gtest.h>

#include <string>

using namespace i18n;

TEST(HelpTexts, EveryTopicHasOneTitledTextInEachLanguageThatShowsIt) {
    for (const HelpTopic& topic : helpTopics())
        for (Language lang : {German, English, French}) {
            int found = 0;
            for (const HelpText& t : helpTexts(lang)) {
                if (std::string(t.label) != topic.label) continue;
                ++found;
                // The French box of the codec's message option is the one without a title.
                if (!(lang == French && std::string(topic.label) == "Error")) {
                    EXPECT_STRNE(t.title, "") << topic.label;
                }
                EXPECT_STRNE(t.text, "") << topic.label;
                // Lines break with a carriage return alone.
                EXPECT_EQ(std::string(t.text).find('\n'), std::string::npos) << t.label;
            }
            const bool shown = lang != French || topic.rule == HelpRule::ByLanguage;
            EXPECT_EQ(found, shown ? 1 : 0) << topic.label << " in language " << lang;
        }
}
