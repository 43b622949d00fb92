#include "encoder/import.h"

#include "app/korvel.h"

namespace encoder {
using forms::Button;
using forms::CheckBox;
using forms::TextBox;

Import::Import(app::Korvel& k, app::DebugLog& log, Encoder& enc) : Subsystem(k, log), enc(enc) {
    k.form1.get<Button>("getReg").onClick = [this] { getReg(); };
}

Import::RegVariant Import::getRegValue(const QString& name) const {
    RegVariant v;
    const auto value = k.sv.registry.value(name);
    if (!value) return v;
    if (value->type == platform::RegValue::Dword) {
        v.number = true;
        v.value = qint32(value->dword);
        v.text = QString::number(v.value);
    } else {
        const qsizetype nul = value->text.indexOf(QChar(0));
        v.text = nul < 0 ? value->text : value->text.left(nul);
    }
    return v;
}

// A text value converts as the user's locale reads it; the empty text of a missing value is no
// number and fails the import.
double Import::asNumber(const RegVariant& v) const {
    return v.number ? double(v.value) : locale(v.text);
}

qint64 Import::asWhole(const RegVariant& v) const {
    return v.number ? qint64(v.value) : whole(locale(v.text));
}

void Import::setCheck(CheckBox& box, const char* name) {
    box.setValue(asWhole(getRegValue(QLatin1String(name))));
}

void Import::setText(TextBox& field, const char* name) {
    field.setText(getRegValue(QLatin1String(name)).text);
}

void Import::mapCaption(Button& button, const char* name,
                        std::initializer_list<std::pair<const char*, const char*>> map) {
    const QString text = getRegValue(QLatin1String(name)).text;
    for (const auto& [value, caption] : map)
        if (text == QLatin1String(value)) button.setCaption(QLatin1String(caption));
}

void Import::getReg() {
    auto& f1 = k.form1;
    auto& f3 = k.form3;
    try {
        const double bitrate = asNumber(getRegValue(QStringLiteral("bitrate")));
        f1.get<TextBox>("kbitps").setText(numText(bitrate / 1000));
        f3.load();
        f3.get<TextBox>("SC").setText(
            numText(leading(getRegValue(QStringLiteral("Scene change threshold")).text)) +
            QStringLiteral(" %"));
        setCheck(f1.get<CheckBox>("CheckBiDir"), "Bidirectional Encoding");
        setText(f1.get<TextBox>("keyframebox"), "Max Keyframe Interval");
        setCheck(f1.get<CheckBox>("CheckGMC"), "Use GMC");
        setCheck(f1.get<CheckBox>("CheckQPx"), "Quarter-pel");

        auto& pre = f1.get<Button>("ButtonPre");
        pre.setCaption(getRegValue(QStringLiteral("5.0 Preprocessing Mode")).text);
        if (pre.caption() == QLatin1String("0") || pre.caption() == QLatin1String("-1"))
            pre.setCaption(QStringLiteral("None"));
        mapCaption(f1.get<Button>("ButtonPsy"), "Psychovisual Enhancement",
                   {{"0", "None"}, {"1", "Slow"}, {"2", "Fast"}});
        setCheck(f3.get<CheckBox>("CheckFeetback"), "Disable feedback");
        mapCaption(f3.get<Button>("ButtonPQ"), "Quality",
                   {{"1", "Fastest"}, {"5", "Standard"}, {"64", "Slow"}, {"192", "Slowest"}});
        setCheck(f1.get<CheckBox>("CheckResize"), "Resize");
        setCheck(f3.get<CheckBox>("checkCrop"), "Crop");
        setText(f3.get<TextBox>("cropTop"), "Crop top");
        setText(f3.get<TextBox>("cropLeft"), "Crop left");
        setText(f3.get<TextBox>("cropRight"), "Crop right");
        setText(f3.get<TextBox>("cropBottom"), "Crop bottom");
        setText(f1.get<TextBox>("Bheight"), "Resize height");
        setText(f1.get<TextBox>("Bwidth"), "Resize width");
        mapCaption(f1.get<Button>("ButtonVBR"), "VBR Mode",
                   {{"0", "1pass"}, {"1", "QB"}, {"2", "1st"}, {"3", "2nd"}});
        auto& profile = f1.get<Button>("ButtonProfile");
        mapCaption(profile, "Active Profile",
                   {{"0", "Handheld"}, {"1", "Portable"}, {"2", "HomeThter"}, {"3", "Hight Def"}});
        mapCaption(profile, "Disable Profile Page", {{"1", "None"}});
        enc.mpeg4();
        const bool dialogs = getRegValue(QStringLiteral("Use dialogs")).text == QLatin1String("1");
        f3.get<CheckBox>("CheckError").setValue(dialogs ? 0 : 1);
    } catch (const forms::RuntimeError&) {
        message(QStringLiteral("Do you have DivX 5.1?"), QStringLiteral("Korvel - ERROR"));
    }
}

}  // namespace encoder
