#include "app/korvel.h"
#include "app/settings_table.h"
#include "encoder/cycle.h"
#include "encoder/encoder.h"
#include "i18n/captions.h"

namespace encoder {
using forms::CheckBox;

void Encoder::wireButtons() {
    ButtonVBR.onClick = [this] { vbrClick(); };
    ButtonProfile.onClick = [this] {
        ButtonProfile.setCaption(advance(ButtonProfile.caption(),
                                         {"None", "Handheld", "Portable", "HomeThter", "Hight Def"},
                                         "None"));
        mpeg4();
        DivX();
        store(QStringLiteral("Profile"), ButtonProfile.caption());
    };
    ButtonPsy.onClick = [this] {
        ButtonPsy.setCaption(advance(ButtonPsy.caption(), {"None", "Fast", "Slow"}, "None"));
        DivX();
        store(QStringLiteral("Psy"), ButtonPsy.caption());
    };
    ButtonPre.onClick = [this] {
        ButtonPre.setCaption(advance(ButtonPre.caption(), {"None", "1", "2", "3", "4"}, "None"));
        DivX();
        store(QStringLiteral("PrePro"), ButtonPre.caption());
    };
    for (const auto* s : app::settings::pick({"BiDir", "GMC", "QPx"})) {
        k.form1.get<CheckBox>(QLatin1String(s->control)).onClick = [this, s] {
            DivX();
            save(*s);
        };
    }
    CheckResize.onClick = [this] { resizeClick(); };
    k.form1.get<CheckBox>("Profile").onClick = [this] { DivX(); };
    k.form1.get<forms::Button>("settingsbutton").onClick = [this] { settingsClick(); };
    k.form1.get<forms::Picture>("CropPic").onClick = [this] { cropPicClick(); };
    DivXbutton.onClick = [this] { copyClick(); };
}

// The mode decides which files the codec writes: a first pass may keep motion vectors, only the
// second pass writes the log and takes a modulation.
void Encoder::vbrClick() {
    ButtonVBR.setCaption(advance(ButtonVBR.caption(), {"1pass", "1st", "2nd"}, "1pass"));
    auto& f3 = k.form3;
    f3.load();
    const QString mode = ButtonVBR.caption();
    const bool second = mode == QLatin1String("2nd");
    f3.get<CheckBox>("MV").setEnabled(mode != QLatin1String("1pass"));
    f3.get<CheckBox>("log").setEnabled(second);
    for (const char* name : {"modu", "modscroll", "modtext"})
        f3.find(QLatin1String(name))->setVisible(second);
    DivX();
    store(QStringLiteral("VBR"), mode);
}

// The settings window sits beside the main window, a little lower.
void Encoder::showSettings(int rightOfMain) {
    auto& f3 = k.form3;
    f3.show();
    f3.move(k.form1.left() + rightOfMain, k.form1.top() + 3000);
    k.keepOnScreen(f3);
}

// Resizing with a pixel ratio other than 1 distorts the picture: say so and offer the ratio.
// Start-up restores a ticked box before the ratio, so the settings window opens at every such
// start; the message needs the language, which start-up has not set yet.
void Encoder::resizeClick() {
    auto& PV = k.form3.get<forms::ComboBox>("PV");
    if (CheckResize.value() == 1 && leading(PV.text()) != 1) {
        showSettings(5300);
        const QString& lang = st.currentLanguage;
        if (lang == QLatin1String("german"))
            message(QStringLiteral("Wählen Sie '1.0' als Pixelseitenverhältnis ('Verzerrung')!"),
                    QStringLiteral("Warnung!"));
        else if (lang == QLatin1String("english"))
            message(QStringLiteral("Set 'Pixel Ratio' to '1.0' or your video will be distorted!"),
                    QStringLiteral("Warning!"));
        else if (lang == QLatin1String("french"))
            message(QStringLiteral("Le 'pixel ratio' n'est pas 1.0!"), QStringLiteral("Warning!"));
        PV.setFocus();
    }
    DivX();
    store(QStringLiteral("resize"), QString::number(CheckResize.value()));
}

void Encoder::settingsClick() {
    auto& f3 = k.form3;
    if (!f3.visible()) {
        showSettings(5300);
    } else {
        f3.get<CheckBox>("checkCrop").setFocus();
        f3.hide();
    }
}

void Encoder::cropPicClick() {
    if (german())
        message(QStringLiteral("Diese Schere zeigt ob DivX den Film zuschneiden wird ('crop')."),
                QStringLiteral("Schere"));
    else
        message(QStringLiteral("This cutter shows if DivX is set to crop the image."),
                QStringLiteral("Crop"));
    showSettings(5280);
}

// A hint or a failed build is no option string: the button turns red and the clipboard keeps
// what the user had on it.
void Encoder::copyClick() {
    try {
        DivX();
        const QString s = DivXBox.text();
        const auto hint = [](i18n::Language l) { return QString::fromUtf8(i18n::divxHint(l)); };
        if (s == hint(i18n::English) || s == hint(i18n::German) || s == QLatin1String("ERROR")) {
            DivXbutton.setBackColor(forms::colors::red);
            return;
        }
        k.sv.clipboard.setText(s);
    } catch (const forms::RuntimeError&) {
        feature(QStringLiteral("[Featurename: 'DivXbutton']"));
    }
}

}  // namespace encoder
