#include "i18n/help_texts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace i18n;

namespace {

const HelpText* find(Language lang, const char* label) {
    for (const HelpText& t : helpTexts(lang))
        if (std::string(t.label) == label) return &t;
    return nullptr;
}

}  // namespace

TEST(HelpTexts, EveryTopicHasATitleAndATextInEachLanguageThatShowsIt) {
    for (const HelpTopic& topic : helpTopics()) {
        SCOPED_TRACE(topic.label);
        const bool frenchOwn = topic.rule == HelpRule::ByLanguage;
        for (Language lang : {German, English, French}) {
            const HelpText* t = find(lang, topic.label);
            if (lang == French && !frenchOwn) {
                EXPECT_EQ(t, nullptr) << "French reads the English text here";
                continue;
            }
            ASSERT_NE(t, nullptr) << "language " << lang;
            ASSERT_NE(t->title, nullptr);
            // The French box of the codec's message option is the one without a title.
            if (!(lang == French && std::string(topic.label) == "Error")) {
                EXPECT_STRNE(t->title, "");
            }
            ASSERT_NE(t->text, nullptr);
            EXPECT_STRNE(t->text, "");
        }
    }
}

TEST(HelpTexts, TextsBreakLinesWithACarriageReturnAlone) {
    for (Language lang : {German, English, French})
        for (const HelpText& t : helpTexts(lang)) {
            EXPECT_EQ(std::string(t.text).find('\n'), std::string::npos) << t.label;
            EXPECT_EQ(std::string(t.title).find_first_of("\r\n"), std::string::npos) << t.label;
        }
}

TEST(HelpTexts, EachTextBelongsToOneTopic) {
    std::set<std::string> topics;
    for (const HelpTopic& topic : helpTopics())
        EXPECT_TRUE(topics.insert(topic.label).second) << topic.label;
    for (Language lang : {German, English, French}) {
        std::set<std::string> seen;
        for (const HelpText& t : helpTexts(lang)) {
            EXPECT_TRUE(topics.count(t.label)) << t.label;
            EXPECT_TRUE(seen.insert(t.label).second) << "twice: " << t.label;
        }
    }
}
