#pragma once

#include <QString>

#include "media/borders.h"
#include "media/film_info.h"
#include "media/message.h"

namespace app {
class Korvel;
}

// What was read from a film enters the windows as typed input, so every handler and cascade runs
// as when the user types.
namespace media {

// The play time in the three time fields, rounded up to the next whole second so the encode
// stays within the size: 5399.2 s gives "01", "30", "00".
struct ClockFields {
    QString hh, mm, ss;
    bool operator==(const ClockFields&) const = default;
};
ClockFields clockFields(double seconds);

// A frame rate as typed: at most three decimals, no trailing zeros ("23.976", "25").
QString frameRateText(double fps);

// An aspect ratio as typed into the aspect field, in its unit (":1" plain, ":100" times 100),
// within the field's six characters: 16:9 is "1.7778" or "177.78".
QString aspectText(double ratio, bool plainUnit);

// What reached the main window; `note` says what did not, and why.
struct Applied {
    bool time = false, frameRate = false, aspect = false;
    Message note;
};

// Types the film's play time, frame rate and display aspect ratio into the main window (the
// width stays, the height follows) and makes it the current film. The focus ends in the last
// field typed. While the lock derives the play time from size and bitrate, the time fields take
// no typing and the film's time is left out.
Applied applyFilm(app::Korvel& k, const FilmInfo& film);

// Types the borders into the settings window's four crop fields; false (and nothing typed) when
// that window is not open.
bool applyBorders(app::Korvel& k, const Borders& b);

}  // namespace media
