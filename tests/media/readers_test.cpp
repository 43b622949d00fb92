// The pure readers and writers behind the film features, table by table.
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include "media/file_name.h"
#include "media/film_info.h"

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

TEST(Readers, FileNamesSurviveByteForByte) {
    for (const QByteArray& bytes :
         {QByteArray("caf\xc3\xa9 -x 'y\".mkv"), QByteArray("caf\xe9.mkv"),
          QByteArray("\xed\xa0\x80\xff\xc3"), QByteArray("\xf0\x9f\x8e\xac\x80")}) {
        const QString name = fromNativeBytes(bytes);
        EXPECT_EQ(toNativeBytes(name), bytes);
        EXPECT_EQ(hasStrayBytes(name), QFile::encodeName(QFile::decodeName(bytes)) != bytes);
    }
    EXPECT_EQ(shownName(fromNativeBytes("caf\xe9")), QString::fromUtf8("caf\xef\xbf\xbd"));
}
