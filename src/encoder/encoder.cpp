#include "encoder/encoder.h"

#include "app/korvel.h"
#include "i18n/control_names.h"

namespace encoder {
using forms::Button;
using forms::CheckBox;
using forms::TextBox;

Encoder::Encoder(app::Korvel& k, app::DebugLog& log, geometry::Rating& rating)
    : Subsystem(k, log),
      ButtonVBR(k.form1.get<Button>("ButtonVBR")),
      ButtonProfile(k.form1.get<Button>("ButtonProfile")),
      ButtonPsy(k.form1.get<Button>("ButtonPsy")),
      ButtonPre(k.form1.get<Button>("ButtonPre")),
      DivXbutton(k.form1.get<Button>("DivXbutton")),
      CheckBiDir(k.form1.get<CheckBox>("CheckBiDir")),
      CheckGMC(k.form1.get<CheckBox>("CheckGMC")),
      CheckQPx(k.form1.get<CheckBox>("CheckQPx")),
      CheckResize(k.form1.get<CheckBox>("CheckResize")),
      keyframebox(k.form1.get<TextBox>("keyframebox")),
      DivXBox(k.form1.get<TextBox>("DivXBox")),
      rating(rating) {
    wireButtons();
    wireKeyframes();
    // Every new string is rated at once.
    DivXBox.onChange = [this] { this->rating.Wertung(); };
}

OptionInputs Encoder::inputs() const {
    auto& f1 = k.form1;
    auto& f3 = k.form3;
    const auto text = [](forms::Window& w, const char* name) {
        return w.get<TextBox>(QLatin1String(name)).text();
    };
    const auto value = [](forms::Window& w, const char* name) {
        return w.get<CheckBox>(QLatin1String(name)).value();
    };
    const auto caption = [](forms::Window& w, const char* name) {
        return w.find(QLatin1String(name))->caption();
    };
    // A motion option the profile has disabled keeps its tick but is left out.
    const auto usable = [](const CheckBox& c) { return c.value() == 1 && c.enabled(); };

    OptionInputs in;
    in.mode = ButtonVBR.caption();
    in.bitrate = text(f1, "kbitps");
    in.crop = value(f3, "checkCrop");
    in.cropLeft = text(f3, "cropLeft");
    in.cropRight = text(f3, "cropRight");
    in.cropTop = text(f3, "cropTop");
    in.cropBottom = text(f3, "cropBottom");
    in.resize = CheckResize.value();
    in.width = text(f1, "Bwidth");
    in.height = text(f1, "Bheight");
    in.resample = caption(f3, "resample");
    in.pre = ButtonPre.caption();
    in.psy = ButtonPsy.caption();
    in.keyframes = keyframebox.text();
    in.dir = text(f3, "Dir");
    in.log = value(f3, "log");
    in.mv = value(f3, "MV");
    in.prompt = value(f3, "CheckError");
    in.bFrames = usable(CheckBiDir);
    in.gmc = usable(CheckGMC);
    in.qpel = usable(CheckQPx);
    in.sceneChange = text(f3, "SC");
    in.quality = caption(f3, "ButtonPQ");
    in.modulation = text(f3, "modu");
    in.profile = ButtonProfile.caption();
    in.noFeedback = value(f3, "CheckFeetback");
    return in;
}

FfmpegInputs Encoder::ffmpegInputs() const {
    FfmpegInputs f;
    f.codec = inputs();
    const QString audio = k.form1.get<TextBox>("audio").text();
    f.audioKbps = isNumber(audio) ? locale(audio) : leading(audio);
    f.pixelRatio = leading(st.pixelRatio);
    f.userDefined = k.form3.get<forms::CheckBox>("CheckUD").value() == 1;
    return f;
}

std::variant<FfmpegJob, FfmpegRefusal> Encoder::ffmpegJob(const QByteArray& input,
                                                          const QByteArray& output) {
    k.form3.load();
    return encoder::ffmpegJob(ffmpegInputs(), input, output);
}

void Encoder::copyFfmpegCommand(const QByteArray& input, const QByteArray& output) {
    const auto job = ffmpegJob(input, output);
    if (const auto* refusal = std::get_if<FfmpegRefusal>(&job)) {
        message(refusalText(*refusal, i18n::languageOf(st.currentLanguage), rt.locale()));
        return;
    }
    k.sv.clipboard.setText(QString::fromUtf8(shellText(std::get<FfmpegJob>(job))));
}

void Encoder::DivX() {
    debug(QStringLiteral("D"));
    if (st.busy) return;
    if (st.playMinutes.isEmpty()) st.playMinutes = QStringLiteral("0");
    k.form3.load();
    QString s;
    try {
        s = optionString(inputs(), rt.locale());
    } catch (const forms::RuntimeError&) {
        feature(QStringLiteral("[Featurename: 'DivX']"));
        DivXBox.setText(QStringLiteral("ERROR"));
        return;
    }
    DivXBox.setText(s);
    // The string is read from its start; the rest scrolls into view.
    DivXBox.setCaret(0);
    rating.Wertung();
}

// Small devices cannot decode B-frames, GMC or quarter-pel; the larger profiles allow B-frames.
void Encoder::mpeg4() {
    const QString profile = ButtonProfile.caption();
    bool bFrames, others;
    if (profile == QLatin1String("None")) {
        bFrames = others = true;
    } else if (profile == QLatin1String("Handheld")) {
        bFrames = others = false;
    } else if (profile == QLatin1String("Portable") || profile == QLatin1String("HomeThter") ||
               profile == QLatin1String("Hight Def")) {
        bFrames = true;
        others = false;
    } else {
        return;
    }
    CheckBiDir.setEnabled(bFrames);
    CheckGMC.setEnabled(others);
    CheckQPx.setEnabled(others);
}

}  // namespace encoder
