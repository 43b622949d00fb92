// The pure readers and writers behind the film features, table by table.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <functional>

#include "i18n/film_texts.h"
#include "media/apply.h"
#include "media/borders.h"
#include "media/file_name.h"
#include "media/film_info.h"
#include "media/progress.h"

using namespace media;

TEST(Readers, ProbeJson) {
    const auto video = [](const char* extra) {
        return QByteArray(R"({"streams":[{"codec_type":"video","width":720,"height":576,)") +
               extra + R"(}, {"codec_type":"audio","codec_name":"ac3","bit_rate":"192000"},
               {"codec_type":"audio","codec_name":"aac","tags":{"BPS":"96000"}}],
               "format":{"duration":"5399.200000"}})";
    };
    struct Row {
        QByteArray json;
        Problem problem;
        double ratio, fps;
    } rows[] = {
        {video(R"("display_aspect_ratio":"16:9","avg_frame_rate":"24000/1001")"), Problem::None,
         16 / 9.0, 23.976},
        // Unknown average rate and display shape: the nominal rate, the pixels' shape.
        {video(R"("sample_aspect_ratio":"16:15","display_aspect_ratio":"0:1",
                  "avg_frame_rate":"0/0","r_frame_rate":"25/1")"),
         Problem::None, 720 * 16 / 15.0 / 576, 25},
        {video(R"("disposition":{"attached_pic":1})"), Problem::AudioOnly, 0, 0},
        {R"({"streams":[],"format":{}})", Problem::NotAFilm, 0, 0},
        {"not json", Problem::NotAFilm, 0, 0},
    };
    for (const Row& r : rows) {
        const ProbeReading p = readProbe(r.json);
        EXPECT_EQ(p.problem, r.problem) << r.json.constData();
        EXPECT_NEAR(p.film.displayRatio(), r.ratio, 1e-9);
        EXPECT_NEAR(p.film.frameRate, r.fps, 1e-3);
        if (r.problem == Problem::NotAFilm) continue;
        EXPECT_EQ(p.film.seconds, 5399.2);
        ASSERT_EQ(p.film.audio.size(), 2u);
        EXPECT_EQ(p.film.audio[0].codec + p.film.audio[1].codec, "ac3aac");
        EXPECT_EQ(p.film.audio[0].bitrate + p.film.audio[1].bitrate, 288000);
    }
    EXPECT_EQ(packetsEnd("1.96,0.04\n9.5,N/A\n2.0,0.04\nN/A,\n"), 9.5);
}

TEST(Readers, CropDetectLinesAndTheBordersThroughout) {
    const auto area = [](const char* line) { return readCropLine(line); };
    EXPECT_FALSE(area("frame=    1 fps=0.0 q=-0.0 size=N/A time=00:00:01.96"));
    const auto a = area(
        "[Parsed_cropdetect_0 @ 0x5] x1:101 x2:600 y1:51 y2:351 w:498 h:300 x:102 "
        "y:52 pts:0 t:0.000000 crop=498:300:102:52");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->x1 + a->x2 * 1000 + a->y1 * 1000000, 101 + 600000 + 51000000);
    const PictureArea black = *area(
        "[Parsed_cropdetect_0 @ 0x5] x1:719 x2:0 y1:575 y2:0 w:-718 h:-574 x:720 y:576 pts:0 "
        "t:0.000000 crop=-718:-574:720:576");
    EXPECT_TRUE(black.black());
    struct Row {
        std::vector<PictureArea> areas;
        Borders expected;
    } rows[] = {
        // Odd borders round up to even.
        {{*a}, {102, 120, 52, 224}},
        // A scene brighter at the top: only what is black all through is a border.
        {{{0, 719, 72, 503}, {0, 719, 40, 503}, black}, {0, 0, 40, 72}},
        {{black, black}, {}},
        {{}, {}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(bordersThroughout(r.areas, 720, 576), r.expected);
    EXPECT_EQ(chooseStretches(7200, 4, 1),
              (std::vector<Stretch>{{900, 1}, {2700, 1}, {4500, 1}, {6300, 1}}));
    EXPECT_EQ(chooseStretches(2, 4, 1),
              (std::vector<Stretch>{{0.25, 0.5}, {0.75, 0.5}, {1.25, 0.5}, {1.75, 0.5}}));
    EXPECT_EQ(chooseStretches(0, 4, 1), (std::vector<Stretch>{{0, 1}}));
}

TEST(Readers, ProgressAndTheSizeLine) {
    ProgressReader reader;
    QStringList ticks;
    for (const char* line :
         {"frame=1", "out_time_us=N/A", "progress=continue", "out_time_us=2500000",
          "out_time=00:00:02.500000", "progress=continue", "out_time_us=N/A", "progress=end"})
        if (const auto t = reader.feed(line))
            ticks << QString::number(t->seconds) + (t->end ? "end" : "");
    EXPECT_EQ(ticks.join(' '), "0 2.5 2.5end");
    EXPECT_EQ(shareDone(1, 2, 5, 10), 0.25);
    EXPECT_EQ(shareDone(2, 2, 12, 10), 1);
    EXPECT_EQ(shareDone(1, 1, 5, 0), 0);
    EXPECT_EQ(secondsLeft(30, 0.25), 90);
    EXPECT_FALSE(secondsLeft(30, 0.001));
    const struct {
        qint64 bytes;
        double mb;
        const char* line;
    } sizes[] = {
        {734423040, 700, "700.4 MB of 700 MB, +0.06 %"},
        {1048576 * 99 / 100, 1, "1.0 MB of 1 MB, -1.00 %"},
        {1048576 * 7 - 5, 7, "7.0 MB of 7 MB, +0.00 %"},
        {1572864, 0, "1.5 MB"},
    };
    for (const auto& s : sizes)
        EXPECT_EQ(sizeLine(s.bytes, s.mb).text(i18n::English), s.line);
}

TEST(Readers, WhatIsTypedIntoTheWindows) {
    EXPECT_EQ(clockFields(5399.2), (ClockFields{"01", "30", "00"}));
    EXPECT_EQ(clockFields(5400), (ClockFields{"01", "30", "00"}));
    EXPECT_EQ(clockFields(59.001), (ClockFields{"00", "01", "00"}));
    const struct {
        double fps;
        const char* text;
    } rates[] = {{24000 / 1001.0, "23.976"}, {30000 / 1001.0, "29.97"}, {25, "25"}};
    for (const auto& r : rates)
        EXPECT_EQ(frameRateText(r.fps), r.text);
    const struct {
        double ratio;
        const char *plain, *hundredths;
    } aspects[] = {{16 / 9.0, "1.7778", "177.78"},
                   {4 / 3.0, "1.3333", "133.33"},
                   {2.35, "2.35", "235"},
                   {1, "1", "100"},
                   {12.3456, "12.346", "1234.6"}};
    for (const auto& a : aspects) {
        EXPECT_EQ(aspectText(a.ratio, true), a.plain);
        EXPECT_EQ(aspectText(a.ratio, false), a.hundredths);
    }
}

TEST(Readers, FileNamesSurviveByteForByte) {
    for (const QByteArray& bytes :
         {QByteArray("caf\xc3\xa9 -x 'y\".mkv"), QByteArray("caf\xe9.mkv"),
          QByteArray("\xed\xa0\x80\xff\xc3"), QByteArray("\xf0\x9f\x8e\xac\x80")}) {
        const QString name = fromNativeBytes(bytes);
        EXPECT_EQ(toNativeBytes(name), bytes);
        EXPECT_EQ(hasStrayBytes(name), QFile::encodeName(QFile::decodeName(bytes)) != bytes);
    }
    EXPECT_EQ(shownName(fromNativeBytes("caf\xe9")), QString::fromUtf8("caf\xef\xbf\xbd"));
    // The encode goes beside the film, and never onto it.
    QStringList outputs;
    for (const char* film : {"/f/a.b.vob", "/f/Film.AVI", "/f/.film", "/f/film", ""})
        outputs << defaultOutput(film);
    EXPECT_EQ(outputs.join('|'), "/f/a.b.avi|/f/Film-korvel.avi|/f/.film.avi|/f/film.avi|");
}

// Each text of the film features takes the same words in the three languages; a word holding
// "%2" goes in as it is.
TEST(Readers, EveryTextTakesTheSameWordsInEachLanguage) {
    const auto words = [](const QString& text) {
        QStringList found;
        for (const QRegularExpressionMatch& m : QRegularExpression("%\\d").globalMatch(text))
            found << m.captured();
        found.removeDuplicates();
        found.sort();
        return found.join(' ').toStdString();
    };
    std::vector<std::function<QString(i18n::Language)>> texts;
    for (int i = 0; i < int(Says::Count); ++i)
        texts.push_back([i](i18n::Language l) { return QString::fromUtf8(saysText(Says(i), l)); });
    for (int i = 0; i < int(i18n::FilmText::Count); ++i)
        texts.push_back([i](i18n::Language l) { return filmText(i18n::FilmText(i), l); });
    for (const auto& text : texts)
        for (const i18n::Language l : {i18n::German, i18n::French}) {
            EXPECT_FALSE(text(l).isEmpty());
            EXPECT_EQ(words(text(l)), words(text(i18n::English))) << qPrintable(text(l));
        }
    EXPECT_EQ(Message(Says::TookTooLong, {"ffprobe", "\"%2.mkv\"", "0.3"}).text(i18n::French),
              "ffprobe n'a pas fini avec \"%2.mkv\" en 0.3 secondes et a été arrêté.");
}
