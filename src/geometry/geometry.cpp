#include "geometry/geometry.h"

#include "app/korvel.h"

namespace geometry {
using forms::keys::Enter;

Geometry::Geometry(app::Korvel& k, app::DebugLog& log, Solver& res, encoder::Encoder& enc,
                   preview::Preview& preview)
    : Block(k, log), res(res), enc(enc), preview(preview) {
    wire();
}

void Geometry::fitPreview() {
    preview.fit(leading(Bwidth) * 15, div(leading(Bheight) * 15, pixelRatio()));
}

void Geometry::wire() {
    // Of the keys, only Enter does anything in these fields.
    const auto onEnter = [](forms::TextBox& field, std::function<void()> handle) {
        field.onKeyDown = [handle](int key) {
            if (key == Enter) handle();
        };
    };
    aspect.onChange = [this] { aspectChange(); };
    k.form1.get<forms::Picture>("asp43").onClick = [this] { presetClick("1.3333", "133.33"); };
    k.form1.get<forms::Picture>("asp169").onClick = [this] { presetClick("1.7778", "177.78"); };
    ratio.onClick = [this] { ratioClick(); };

    Bwidth.onGotFocus = [this] { st.focusField = QStringLiteral("Bwidth"); };
    Bheight.onGotFocus = [this] { st.focusField = QStringLiteral("Bheight"); };
    Bwidth.onChange = [this] { widthChange(); };
    Bheight.onChange = [this] { heightChange(); };
    Bwidth.onLostFocus = [this] { widthLostFocus(); };
    Bheight.onLostFocus = [this] { heightLostFocus(); };
    onEnter(Bwidth, [this] { widthEnter(); });
    onEnter(Bheight, [this] { heightEnter(); });
    ScrollBar1.onChange = [this] { sliderChange(); };
    ScrollBar1.onScroll = [this] {
        if (!is(st.focusField, "bitsperpixel")) size();
    };

    pixels.onChange = [this] { pixelsChange(); };

    bitsperpixel.onGotFocus = [this] { bitsperpixelGotFocus(); };
    bitsperpixel.onChange = [this] { bitsperpixelChange(); };
    bitsperpixel.onLostFocus = [this] { bitsperpixelLostFocus(); };
    // The comma key needs nothing of its own: the change handling turns a typed comma into a point.
    onEnter(bitsperpixel, [this] { bitsperpixelEnter(); });

    framerate.onGotFocus = [this] { framerateGotFocus(); };
    framerate.onLostFocus = [this] { framerateLostFocus(); };
    onEnter(framerate, [this] { framerateLostFocus(); });
    framerate.onChange = [this] { framerateChange(); };

    bitrate.onGotFocus = [this] { bitrateGotFocus(); };
    bitrate.handsFocusOn = [] { return true; };  // the bitrate is typed in kbit/s
    bitrate.onLostFocus = [this] { bitrateLostFocus(); };
    onEnter(bitrate, [this] { bitrateEnter(); });
    bitrate.onChange = [this] { bitrateChange(); };

    k.form1.get<forms::Button>("pic_calc").onClick = [this] { calculatorClick(); };
}

void Geometry::calculatorClick() {
    if (!k.sv.launcher.startCalculator())
        message(QStringLiteral("Sorry, the calculator is not available :-("));
}

}  // namespace geometry
