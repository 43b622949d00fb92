#pragma once

#include <QString>
#include <optional>

#include "forms/errors.h"
#include "forms/numbers.h"

namespace encoder {

// Everything the option string is built from, as the controls hold it: captions and texts
// unchanged, check boxes as their values. A motion option counts only when its box is checked
// and enabled, so those three arrive already decided.
struct OptionInputs {
    QString mode = QStringLiteral("1pass");  // ButtonVBR
    QString bitrate;                         // kbitps, kbit/s
    int crop = 0;                            // checkCrop: any state but 0 crops
    QString cropLeft, cropRight, cropTop, cropBottom;
    int resize = 0;  // CheckResize
    QString width, height;
    QString resample;                      // the resize filter's caption
    QString pre = QStringLiteral("None");  // ButtonPre
    QString psy = QStringLiteral("None");  // ButtonPsy
    QString keyframes;                     // keyframebox
    QString dir;                           // folder of the log and motion-vector files
    int log = 0, mv = 0;                   // log, MV
    int prompt = 1;                        // CheckError: 0 lets the codec prompt
    bool bFrames = false, gmc = false, qpel = false;
    QString sceneChange;  // SC, "50 %"
    QString quality;      // ButtonPQ
    QString modulation;   // modu
    QString profile;      // ButtonProfile
    int noFeedback = 0;   // CheckFeetback
};

// A hardware profile's rate limits, as the codec takes them: the maximum rate in bit/s (for the
// larger profiles ten times the bitrate), the buffer size and its initial fill in bits.
struct Vbv {
    double rate = 0;
    qint64 buffer = 0, initial = 0;
};
// Nothing for a caption that names no profile.
std::optional<Vbv> vbvFigures(const QString& profile, const QString& bitrate);

// The option string the codec's configuration dialog takes. Numbers are written in the user's
// locale. Throws forms::RuntimeError when a number cannot be written (an overflowing bitrate).
QString optionString(const OptionInputs& in, const forms::NumberLocale& loc);

}  // namespace encoder
