#include "geometry/rating.h"

#include <algorithm>
#include <cmath>

#include "app/korvel.h"

namespace geometry {
using forms::TextBox;

namespace {

// One step of the score: rounded, and it must stay a 16-bit number.
int step(double x) {
    const qint64 s = forms::num::whole(x);
    if (s < -32768 || s > 32767)
        throw forms::RuntimeError(forms::RuntimeError::Overflow, "Overflow");
    return int(s);
}

// The bits per pixel each performance/quality setting is made for.
double qualityTarget(const QString& quality) {
    if (quality == QLatin1String("Fastest")) return 0.25;
    if (quality == QLatin1String("Standard") || quality == QLatin1String("Slow")) return 0.2;
    if (quality == QLatin1String("Slowest")) return 0.15;
    return -1;
}

bool sensible(const RatingInputs& in) {
    const double V = in.video, A = in.audio, K = in.keyframes, p = in.bitsPerPixel;
    return in.pixelRatio == 1 && std::fmod(in.height, 2) == 0 && std::fmod(in.width, 4) == 0 &&
           V >= 50 && V <= 8000 && A != 0 && V / A >= 2 && V / A <= 30 && K >= 1 && K <= 1000 &&
           p >= 0.05 && p <= 0.5 && in.frameRate >= 10 && in.frameRate <= 30;
}

}  // namespace

int ratingScore(const RatingInputs& in) {
    if (!sensible(in)) return 0;
    // Video against audio: about ten to one is right; less video weighs heavier.
    const double r = in.video / in.audio;
    int s = step(r < 10 ? 255 - (10 - r) * 18.8 : 255 - std::abs(r - 10) * 7.5);
    const double K = in.keyframes;
    s = step(K < 200 ? s - (200 - K) : s - (K - 200) * 0.2);
    const double u = qualityTarget(in.quality), p = in.bitsPerPixel;
    if (u > 0) s = step(p < u ? s - (u - p) * s * 6.6 : s - (p - u) * 5 * s);
    if (in.alg1 < 1024) s = step(s - (1024 - in.alg1));
    if (in.alg1 > 1080) s = step(s - (in.alg1 - 1080));
    if (in.alg2 < -20) s = step(s - in.alg2 / -10);
    if (in.alg2 > 20) s = step(s - in.alg2 / 10);
    s = step(s - std::abs(50 - in.sceneChange) * 2);
    if (in.resample == QLatin1String("very soft")) s = step(s - 100.0);
    if (in.resample == QLatin1String("soft")) s = step(s - 50.0);
    if (in.resample == QLatin1String("sharp")) s = step(s - 25.0);
    return std::clamp(s, 0, 255);
}

forms::Color ratingColor(int score) {
    const int red = std::min(255, 2 * (255 - score));
    const int green = std::clamp(2 * score, 0, 255);
    return forms::Color::rgb(red, green, 0);
}

Rating::Rating(app::Korvel& k, app::DebugLog& log) : Subsystem(k, log) {}

RatingInputs Rating::inputs() const {
    auto& f1 = k.form1;
    auto& f3 = k.form3;
    const auto number = [](forms::Window& w, const char* name) {
        return leading(w.get<TextBox>(QLatin1String(name)));
    };
    RatingInputs in;
    in.height = number(f1, "Bheight");
    in.width = number(f1, "Bwidth");
    // The ratio is kept with a point whatever the user's locale.
    in.pixelRatio = forms::num::locale(st.pixelRatio, forms::NumberLocale::point());
    in.video = number(f1, "kbitps");
    in.audio = number(f1, "audio");
    in.keyframes = locale(f1.get<TextBox>("keyframebox"));
    in.bitsPerPixel = number(f1, "bitsperpixel");
    in.frameRate = number(f1, "framerate");
    in.alg1 = number(f1, "Alg");
    in.alg2 = number(f1, "Alg2");
    in.sceneChange = number(f3, "SC");
    in.quality = f3.get<forms::Button>("ButtonPQ").caption();
    in.resample = f3.get<forms::Button>("resample").caption();
    return in;
}

void Rating::Wertung() {
    if (st.busy) return;
    auto& box = k.form1.get<TextBox>("DivXBox");
    try {
        k.form3.load();
        auto& f3 = k.form3;
        if (f3.get<forms::CheckBox>("CheckUD").value() == 1) {
            box.setBackColor(forms::Color::rgb(200, 128, 255));
            box.setText(f3.get<TextBox>("ud1").text() + QLatin1Char(' ') +
                        numText(leading(k.form1.get<TextBox>("kbitps"))) + QLatin1Char(' ') +
                        f3.get<TextBox>("ud2").text());
            box.setCaret(0);
            return;
        }
        box.setBackColor(forms::colors::white);
        box.setBackColor(ratingColor(ratingScore(inputs())));
    } catch (const forms::RuntimeError&) {
        message(QStringLiteral("Error in Wertung"));
    }
}

}  // namespace geometry
