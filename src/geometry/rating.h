#pragma once

#include "app/subsystem.h"
#include "forms/color.h"

namespace geometry {

// What the rating weighs, read from the fields as numbers, and the two captions it looks at.
struct RatingInputs {
    double width = 0, height = 0;
    double pixelRatio = 1;
    double video = 0, audio = 0;  // kbit/s
    double keyframes = 0;         // the longest keyframe interval, frames
    double bitsPerPixel = 0, frameRate = 0;
    double alg1 = 0, alg2 = 0;  // the calculator's two constants
    double sceneChange = 0;     // percent
    QString quality;            // "Fastest", "Standard", "Slow", "Slowest"
    QString resample;           // the resize filter
};

// How well the settings suit the codec: 255 well balanced .. 0 outside the sensible range. The
// score is a 16-bit whole number, rounded (halves to even) after every step; a step that leaves
// that range throws forms::RuntimeError.
int ratingScore(const RatingInputs& in);

// Green for 255 through yellow to red for 0.
forms::Color ratingColor(int score);

// The quality rating: colours the option string from green to red.
class Rating : public app::Subsystem {
  public:
    Rating(app::Korvel& k, app::DebugLog& log);
    void Wertung();

  private:
    RatingInputs inputs() const;
};

}  // namespace geometry
