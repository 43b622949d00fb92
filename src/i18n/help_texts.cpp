#include "i18n/help_texts.h"

namespace i18n {
namespace {

constexpr Place M = Place::Main;
constexpr Place S = Place::Settings;
constexpr HelpRule Normal = HelpRule::ByLanguage;

const HelpTopic kTopics[] = {
    {M, "Spielzeit", Normal},
    {M, "Dateigrösse", Normal},
    {M, "Audiobitrate", Normal},
    {M, "auflösung", Normal},
    {M, "bandwidth", Normal},
    {M, "textbitrate", Normal},
    {M, "frmrt", Normal},
    {M, "Keyframe", Normal},
    {M, "BitPerPx", Normal},
    {M, "pxls", Normal},
    {M, "textclear", Normal},
    {M, "textprofil", Normal},
    {M, "textReg", Normal},
    {M, "copy", Normal},
    {M, "Note", Normal},
    {M, "locktext", Normal},
    {M, "preview", Normal},
    {M, "aspectratio", Normal},
    {M, "settings", Normal},
    {M, "textalgo", Normal},
    {M, "textAdd10", HelpRule::OthersReadEnglish},
    {M, "pre", Normal},
    {M, "psy", Normal},
    {M, "QP", Normal},
    {M, "resize", Normal},
    {M, "VBR", Normal},
    {M, "GMC", Normal},
    {M, "bidir", Normal},
    {S, "Error", Normal},
    {S, "Feetback", Normal},
    {S, "transp", Normal},
    {S, "modtext", Normal},
    {S, "pixelratio", Normal},
    {S, "PQ", Normal},
    {S, "textDir", Normal},
    {S, "txtCrop", Normal},
    {S, "txtLog", HelpRule::FrenchReadsEnglish},
    {S, "txtMV", HelpRule::FrenchReadsEnglish},
    {S, "txtResample", Normal},
    {S, "txtSC", Normal},
    {S, "userdef", Normal},
    {Place::Preview, "Label1", Normal},
};

std::optional<HelpBox> lookUp(Language lang, const char* label) {
    for (const HelpText& t : helpTexts(lang))
        if (qstrcmp(t.label, label) == 0)
            return HelpBox{QString::fromUtf8(t.title), QString::fromUtf8(t.text)};
    return std::nullopt;
}

}  // namespace

std::span<const HelpTopic> helpTopics() {
    return kTopics;
}

std::span<const HelpText> helpTexts(Language lang) {
    switch (lang) {
        case German:
            return germanHelp();
        case French:
            return frenchHelp();
        case English:
            break;
    }
    return englishHelp();
}

std::optional<HelpBox> helpFor(const HelpTopic& topic, const QString& language) {
    if (language == QLatin1String("german")) return lookUp(German, topic.label);
    if (topic.rule == HelpRule::OthersReadEnglish) return lookUp(English, topic.label);
    if (language == QLatin1String("english")) return lookUp(English, topic.label);
    if (language != QLatin1String("french")) return std::nullopt;
    if (topic.rule == HelpRule::FrenchReadsEnglish) return lookUp(English, topic.label);
    return lookUp(French, topic.label);
}

}  // namespace i18n
