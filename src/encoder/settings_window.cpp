#include "encoder/settings_window.h"

#include "app/korvel.h"
#include "app/settings_table.h"
#include "encoder/cycle.h"

namespace encoder {
using app::settings::Setting;
using forms::Button;
using forms::CheckBox;
using forms::TextBox;

SettingsWindow::SettingsWindow(app::Korvel& k, app::DebugLog& log, Encoder& enc,
                               geometry::Geometry& geo, appearance::Look& look)
    : Subsystem(k, log),
      enc(enc),
      geo(geo),
      look(look),
      f3(k.form3),
      SC(k.form3.get<TextBox>("SC")),
      modu(k.form3.get<TextBox>("modu")),
      Korveltrans(k.form3.get<TextBox>("Korveltrans")),
      modscroll(k.form3.get<forms::ScrollBar>("modscroll")),
      PV(k.form3.get<forms::ComboBox>("PV")) {
    wireChoices();
    wireNumbers();
}

void SettingsWindow::wireChoices() {
    // The user-defined bitrate starts from the calculated one.
    f3.onLoad = [this] {
        f3.get<TextBox>("udX").setText(numText(leading(k.form1.get<TextBox>("kbitps"))));
    };
    f3.onDblClick = [this] { hideWindow(); };
    f3.onKeyDown = forms::onEscape(f3.onDblClick);

    auto& checkCrop = f3.get<CheckBox>("checkCrop");
    checkCrop.onClick = [this, &checkCrop] {
        // The grayed state still crops; only a plain tick shows the scissors.
        k.form1.get<forms::Picture>("CropPic").setVisible(checkCrop.value() == 1);
        enc.DivX();
        store(QStringLiteral("Crop"), QString::number(checkCrop.value()));
    };
    for (const Setting* s : app::settings::pick({"left", "right", "top", "bottom"})) {
        auto& field = f3.get<TextBox>(QLatin1String(s->control));
        field.onChange = [this, &field, s] { cropChange(field, *s); };
        field.onGotFocus = [&field] {
            if (field.text() == QLatin1String("0")) field.setText(QString());
        };
    }

    auto& resample = f3.get<Button>("resample");
    resample.onClick = [this, &resample] {
        resample.setCaption(advance(resample.caption(),
                                    {"very soft", "soft", "sharp", "very sharp"}, "very sharp"));
        enc.DivX();
    };
    auto& PQ = f3.get<Button>("ButtonPQ");
    PQ.onClick = [this, &PQ] {
        PQ.setCaption(advance(PQ.caption(), {"Fastest", "Standard", "Slow", "Slowest"}, "Slow"));
        store(QStringLiteral("PQ"), PQ.caption());
        enc.DivX();
    };

    for (const Setting* s : app::settings::pick({"do_log", "do_mv", "Error", "Feetback"})) {
        f3.get<CheckBox>(QLatin1String(s->control)).onClick = [this, s] {
            save(*s);
            enc.DivX();
        };
    }
    auto& Dir = f3.get<TextBox>("Dir");
    Dir.onChange = [this, &Dir] {
        store(QStringLiteral("dir"), Dir.text());
        enc.DivX();
        Dir.setBackColor(pastel());
    };

    // The user-defined string replaces the built one when the rating sees the box ticked.
    auto& CheckUD = f3.get<CheckBox>("CheckUD");
    CheckUD.onClick = [this, &CheckUD] {
        enc.DivX();
        store(QStringLiteral("ud"), QString::number(CheckUD.value()));
    };
    for (const char* name : {"ud1", "ud2"}) {
        auto& field = f3.get<TextBox>(QLatin1String(name));
        field.onChange = [this, &field, name] {
            store(QLatin1String(name), field.text());
            field.setBackColor(pastel());
        };
    }
    auto& udX = f3.get<TextBox>("udX");
    udX.onChange = [this, &udX] { udX.setBackColor(pastel()); };
}

// Letters typed after a number are dropped; the rewrite runs this once more to no effect.
void SettingsWindow::cropChange(TextBox& field, const Setting& s) {
    enc.DivX();
    save(s);
    field.setBackColor(pastel());
    if (!field.text().isEmpty()) field.setText(numText(leading(field)));
}

void SettingsWindow::hideWindow() {
    f3.get<CheckBox>("checkCrop").setFocus();
    f3.hide();
}

}  // namespace encoder
