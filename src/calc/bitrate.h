#pragma once

#include <QString>
#include <optional>

namespace platform {
class SettingsStore;
}

namespace calc {

// The video bitrate in kbit/s, unrounded, that fills sizeMB megabytes in `minutes` of play time
// next to audio of audioKbps. Throws forms::RuntimeError for a play time of 0.
double videoBitrate(double sizeMB, double minutes, double audioKbps, double alg, double alg2);

// The bitrate the window shows for these values: a whole number of kbit/s, 0 when the size or
// the play time is 0 or nothing is left for the video, at most 16000.
qint64 recommendedBitrate(double sizeMB, double minutes, double audioKbps, double alg, double alg2);

// The same with the constants the user keeps in the settings store (the start-up defaults when
// none are stored). Only reads the store.
qint64 recommendedBitrate(const platform::SettingsStore& store, double sizeMB, double minutes,
                          double audioKbps);

// A play time, a file size and an audio bitrate typed as a script types them, read as the
// window's fields read them. Nothing for a text the fields would change beyond rounding: a value
// past their limits, a unit, a comma, an exponent.
// "HH:MM:SS", each 0 to 59: the play time in minutes as the window counts it.
std::optional<double> playMinutesOf(const QString& hhmmss);
// Megabytes, 0 to 100000, with or without a fraction: the whole number the field keeps (halves
// to even).
std::optional<double> fileSizeOf(const QString& mb);
// kbit/s, 0 or more; a fraction stays, as the audio field keeps it.
std::optional<double> audioRateOf(const QString& kbps);

}  // namespace calc
