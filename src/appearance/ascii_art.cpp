// The ASCII pictures behind the notes keywords, and the debug window's banner. Our own art.
#include "app/version.h"
#include "appearance/notes.h"

namespace appearance {

namespace {

struct Art {
    std::initializer_list<const char*> keywords;
    std::initializer_list<const char*> lines;
};

const Art kArt[] = {
    {{"mona", "lisa"},
     {"     _______", "    /       \\", "   |  o   o  |", "   |    ^    |", "   |  \\___/  |",
      "    \\_______/", "   /|       |\\", "  / |  ~~~  | \\", "   A smile for the ages"}},
    {{"ren", "stimpy"},
     {"   /\\_/\\        ___", "  ( o.o )      (o o)", "   > ^ <      (  V  )",
      "  /|   |\\     /|   |\\", "   You eeeediot!  Happy happy, joy joy!"}},
    {{"credit"},
     {"  +------------------------------+", "  |   Korvel                     |",
      "  |   made by the Korvel team    |", "  |   thanks to every tester     |",
      "  +------------------------------+"}},
    {{"star", "treck", "enterprice", "scifi"},
     {"          ___________", "     ____/___________\\____", "    '----------_----------'",
      "         \\   \\ / /", "          \\___V_/", "     to boldly encode..."}},
    {{"rock"},
     {"     _____", "    /     \\     \\m/", "   | ROCK  |    (o_o)", "    \\_____/      /|\\",
      "                 / \\"}},
    {{"Beavis", "butthead", "Butthead", "MTV", "mtv", "beavis"},
     {"     ____        ____", "    (o  o)      (o  o)", "     \\ -/        \\ ~/",
      "      ||          ||",
      "         It's the classic story of two boys...sharing one brain...."}},
    {{"sex", "ladie", "nude", "nacked"},
     {"       ___", "      (o o)", "     /( : )\\", "      /   \\", "   marble, of course"}},
    {{"music", "guitar"},
     {"      __", "     |  |=====o", "   __|__|__", "  (   ()   )~~ ~ ~", "   \\______/"}},
    {{"bambi", "skunk"}, {"    (\\_/)", "    (o.o)  ~", "    (> <)  ~~", "   spring in the woods"}},
    {{"animaniacs", "warner", "brothers"},
     {"    _    _    _", "   (o)  (o)  (o)", "   /|\\  /|\\  /|\\", "   Zany to the max!"}},
    {{"ac", "young", "Young"},
     {"    __   _", "   /  \\ | |    ___", "  | /\\ || |__ / __\\", "  |/  \\||____|\\___/",
      "   high voltage"}},
};

}  // namespace

QStringList asciiPictureFor(const QString& keyword) {
    for (const Art& art : kArt)
        for (const char* k : art.keywords)
            if (keyword == QLatin1String(k)) {
                QStringList lines;
                for (const char* line : art.lines)
                    lines << QString::fromLatin1(line);
                return lines;
            }
    return {};
}

QStringList banner() {
    return {QStringLiteral(" _  __                    _"),
            QStringLiteral("| |/ /___  _ ____   _____| |"),
            QStringLiteral("| ' // _ \\| '__\\ \\ / / _ \\ |"),
            QStringLiteral("| . \\ (_) | |   \\ V /  __/ |"),
            QStringLiteral("|_|\\_\\___/|_|    \\_/ \\___|_|   version ") +
                QLatin1String(app::version::text)};
}

}  // namespace appearance
