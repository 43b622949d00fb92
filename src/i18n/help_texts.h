#pragma once

#include <QString>
#include <optional>
#include <span>

#include "i18n/captions.h"

namespace i18n {

// Which language's text a help label shows.
enum class HelpRule {
    ByLanguage,          // German, English or French; nothing for any other language
    FrenchReadsEnglish,  // French shows the English text (no French text exists)
    OthersReadEnglish,   // German for "german", English for every other value
};

// A label that shows help when clicked.
struct HelpTopic {
    Place place;
    const char* label;
    HelpRule rule;
};

// One language's title and text of a topic. Lines are separated by a carriage return alone.
struct HelpText {
    const char* label;
    const char* title;
    const char* text;
};

std::span<const HelpTopic> helpTopics();
// The texts of one language, keyed by label; French lacks the topics that read English.
std::span<const HelpText> helpTexts(Language lang);

std::span<const HelpText> germanHelp();
std::span<const HelpText> englishHelp();
std::span<const HelpText> frenchHelp();

struct HelpBox {
    QString title, text;
};
// The box a click on the topic's label shows in that language, or nothing.
std::optional<HelpBox> helpFor(const HelpTopic& topic, const QString& language);

}  // namespace i18n
