// Random edits of width, height, slider and aspect ratio, as a user makes them: every cascade
// they start must come to rest, and with a set aspect ratio the height is even once left.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/korvel.h"
#include "platform/memory_services.h"

namespace {
using forms::TextBox;

struct Program {
    platform::MemoryServices sv;
    app::Korvel k;
    explicit Program(forms::NumberLocale locale) : k(sv.services(), locale) { k.start(); }
};

class Edits {
  public:
    Edits(Program& p, unsigned seed) : p_(p), rt_(p.k.rt), rng_(seed) {}

    // One random user action; returns it as a line of the event log.
    std::string step() {
        auto& f1 = p_.k.form1;
        static const char* const fields[] = {"Bwidth", "Bheight", "aspect"};
        const QString field = QLatin1String(fields[pick(3)]);
        auto& box = f1.get<TextBox>(field);
        auto& slider = f1.get<forms::ScrollBar>("ScrollBar1");
        switch (pick(12)) {
            case 0:
            case 1:
            case 2: {
                const QString s = text();
                rt_.userType(box, s);
                return "type " + field.toStdString() + " \"" + s.toStdString() + "\"";
            }
            case 3: {
                const QString s = text();
                rt_.userPaste(box, s);
                return "paste " + field.toStdString() + " \"" + s.toStdString() + "\"";
            }
            case 4:
                rt_.userClear(box);
                return "clear " + field.toStdString();
            case 5:
                rt_.userKey(box, forms::keys::Enter);
                return "key " + field.toStdString() + " Enter";
            case 6: {
                static const char* const others[] = {"Bwidth", "Bheight", "aspect", "notebox",
                                                     "kbitps"};
                const char* name = others[pick(5)];
                rt_.userFocus(*f1.find(QLatin1String(name)));
                return std::string("focus ") + name;
            }
            case 7:
            case 8: {
                // A drag: a few thumb movements, then the release.
                std::string line = "drag ScrollBar1";
                for (int n = pick(4); n >= 0; --n) {
                    const int v = position();
                    rt_.userScroll(slider, v, false);
                    line += " " + std::to_string(v);
                    if (!fine()) return line;
                }
                const int v = position();
                rt_.userScroll(slider, v, true);
                return line + " release " + std::to_string(v);
            }
            case 9: {
                const int v = position();
                rt_.userScroll(slider, v, true);
                return "scroll ScrollBar1 " + std::to_string(v);
            }
            case 10: {
                const char* name = pick(2) ? "asp43" : "asp169";
                rt_.userClick(*f1.find(QLatin1String(name)));
                return std::string("click ") + name;
            }
            default:
                rt_.userClick(*f1.find(QStringLiteral("ratio")));
                return "click ratio";
        }
    }

    // Nothing left running, nothing cut off, nothing escaped.
    bool fine() const { return rt_.settled() && rt_.guardHits() == 0 && rt_.escapedErrors() == 0; }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    int position() {
        static const int ends[] = {0, 1, 2, 719, 1999, 2000};
        return pick(4) == 0 ? ends[pick(6)] : pick(2001);
    }

    // Mostly digits, sometimes a letter, a comma, a point, a blank or a minus sign.
    QString text() {
        static const QString extra = QStringLiteral("aZ,. -");
        QString s;
        for (int n = pick(7); n > 0; --n) {
            if (pick(4) == 0)
                s += extra[pick(int(extra.size()))];
            else
                s += QChar(u'0' + pick(10));
        }
        return s;
    }

    Program& p_;
    forms::Runtime& rt_;
    std::mt19937 rng_;
};

bool wholeAndEven(double h) {
    return std::floor(h) == h && std::fmod(h, 2) == 0;
}

std::string failure(unsigned seed, const std::vector<std::string>& log, const std::string& what) {
    std::ostringstream o;
    o << what << " (seed " << seed << ") after:\n";
    for (const auto& line : log)
        o << "  " << line << "\n";
    return o.str();
}

void run(unsigned seed, forms::NumberLocale locale, const char* pixelRatio) {
    Program p(locale);
    p.k.st.pixelRatio = QLatin1String(pixelRatio);
    Edits edits(p, seed);
    const auto& f1 = p.k.form1;
    const auto &width = f1.get<TextBox>("Bwidth"), &height = f1.get<TextBox>("Bheight");
    const auto& pixels = f1.get<TextBox>("pixels");
    std::vector<std::string> log;
    for (int i = 0; i < 300; ++i) {
        log.push_back(edits.step());
        ASSERT_TRUE(edits.fine()) << failure(seed, log,
                                             "did not settle, hit the nesting guard or let an "
                                             "error escape (" +
                                                 p.k.rt.lastEscaped().toStdString() + ")");
        if (p.k.st.aspectValue == 0.0f) continue;
        const double w = forms::num::leading(width.text());
        const double h = forms::num::leading(height.text());
        if (p.k.rt.focused() != &height) {
            ASSERT_TRUE(wholeAndEven(h))
                << failure(seed, log, "height " + height.text().toStdString() + " is not even");
        }
        // Once both fields are left the pixel count is theirs (a zero count is shown as 720 x 540).
        if (p.k.rt.focused() != &height && p.k.rt.focused() != &width) {
            ASSERT_LE(w, 2000) << failure(seed, log, "width " + width.text().toStdString());
        }
        if (p.k.rt.focused() != &height && p.k.rt.focused() != &width && w * h != 0) {
            ASSERT_EQ(forms::num::leading(pixels.text()), w * h)
                << failure(seed, log,
                           "pixel count " + pixels.text().toStdString() + " for " +
                               width.text().toStdString() + " x " + height.text().toStdString());
        }
    }
}

TEST(GeometryCascades, SettleWithSquarePixels) {
    for (unsigned seed = 1; seed <= 40; ++seed)
        run(seed, forms::NumberLocale::point(), "1");
}

TEST(GeometryCascades, SettleWithWidePixelsAndADecimalComma) {
    for (unsigned seed = 101; seed <= 140; ++seed)
        run(seed, forms::NumberLocale::comma(), "1.067");
}

TEST(GeometryCascades, SettleWithNarrowPixels) {
    for (unsigned seed = 201; seed <= 220; ++seed)
        run(seed, forms::NumberLocale::point(), "0.9");
}

}  // namespace
