#include <cmath>

#include "encoder/ffmpeg_command.h"

namespace encoder {

namespace {

struct Format {
    double kbps;
    const char* codec;
    int sampleRate, channels;  // 0: as the source has them
};

const char* const kMp3 = "libmp3lame";
const char* const kAc3 = "ac3";
const char* const kPcm = "pcm_s16le";

// Every audio bitrate ffmpeg writes exactly as asked into an AVI file, lowest first: MP3 carries
// 32 to 320 kbit/s at the film's own sample rate and less only at a lower one, AC-3 the DVD
// rates above 320, PCM the CD and studio rates.
const Format kFormats[] = {
    {8, kMp3, 22050, 0},    {16, kMp3, 22050, 0},     {24, kMp3, 22050, 0},
    {32, kMp3, 0, 0},       {40, kMp3, 0, 0},         {48, kMp3, 0, 0},
    {56, kMp3, 0, 0},       {64, kMp3, 0, 0},         {80, kMp3, 0, 0},
    {96, kMp3, 0, 0},       {112, kMp3, 0, 0},        {128, kMp3, 0, 0},
    {160, kMp3, 0, 0},      {192, kMp3, 0, 0},        {224, kMp3, 0, 0},
    {256, kMp3, 0, 0},      {320, kMp3, 0, 0},        {384, kAc3, 48000, 0},
    {448, kAc3, 48000, 0},  {512, kAc3, 48000, 0},    {576, kAc3, 48000, 0},
    {640, kAc3, 48000, 0},  {705.6, kPcm, 44100, 1},  {768, kPcm, 48000, 1},
    {1024, kPcm, 32000, 2}, {1411.2, kPcm, 44100, 2}, {1536, kPcm, 48000, 2},
};

QString nameOf(const Format& f) {
    const QString codec = f.codec == kMp3   ? QStringLiteral("MP3")
                          : f.codec == kAc3 ? QStringLiteral("AC-3")
                                            : QStringLiteral("PCM");
    QString name = codec;
    if (f.sampleRate) name += QStringLiteral(", %1 Hz").arg(f.sampleRate);
    if (f.channels) name += f.channels == 1 ? QStringLiteral(" mono") : QStringLiteral(" stereo");
    return name;
}

}  // namespace

// The nearest rate that is written as asked; of two as near, the lower.
FfmpegSound ffmpegSound(double audioKbps) {
    if (!(audioKbps > 0)) return {0, {"-an"}, QString()};
    const Format* best = &kFormats[0];
    for (const Format& f : kFormats)
        if (std::abs(f.kbps - audioKbps) < std::abs(best->kbps - audioKbps)) best = &f;
    FfmpegSound s{best->kbps, {"-c:a", best->codec}, nameOf(*best)};
    // PCM's rate follows from its sample rate and channels.
    if (best->codec != kPcm)
        s.arguments << "-b:a" << forms::num::pointText(best->kbps).toLatin1() + 'k';
    if (best->sampleRate) s.arguments << "-ar" << QByteArray::number(best->sampleRate);
    if (best->channels) s.arguments << "-ac" << QByteArray::number(best->channels);
    return s;
}

}  // namespace encoder
