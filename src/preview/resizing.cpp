// Resizing the preview window by its grip, and its transparency.
#include <algorithm>

#include "app/korvel.h"
#include "preview/preview.h"

namespace preview {
using forms::RuntimeError;
using forms::TextBox;

namespace {
// Runs one statement; a run-time error skips it and handling goes on with the next.
template <class F>
void attempt(F&& statement) {
    try {
        statement();
    } catch (const RuntimeError&) {
    }
}
}  // namespace

void Preview::wireResizing() {
    sizebutton.onMouseDown = [this](const forms::MouseArgs& m) { pressGrip(m); };
    sizebutton.onMouseMove = [this](const forms::MouseArgs& m) { dragGrip(m); };
    sizebutton.onMouseUp = [this](const forms::MouseArgs&) { releaseGrip(); };
    DivXTimer.onTimer = [this] { writeBack(); };
    f2.get<forms::Timer>("imgsize").onTimer = [this] { stretchPicture(); };
    f2.get<TextBox>("transparency").onChange = [this] { transparencyChange(); };
}

void Preview::pressGrip(const forms::MouseArgs& m) {
    auto& pv = k.pv;
    pv.resizing = true;
    // A window with no height has no shape to keep.
    attempt([&] { pv.gripRatio = numText(div(f2.width(), f2.height())); });
    DivXTimer.setEnabled(true);
    st.focusField = QStringLiteral("sizebutton");
    pv.gripX = numText(m.x);
    pv.gripY = numText(m.y);
}

void Preview::dragGrip(const forms::MouseArgs& m) {
    auto& pv = k.pv;
    double dx = 0, dy = 0;  // how far the grip has moved from where it was pressed
    attempt([&] { dx = locale(pv.gripX) - m.x; });
    attempt([&] { dy = locale(pv.gripY) - m.y; });
    const auto tooSmall = [&](double minWidth) {
        const double W = f2.width(), H = f2.height();
        if (W < minWidth) return true;
        if (H < 50) return true;
        return W - dx < 0 || H - dy < 0;
    };
    if (pv.resizing && tooSmall(200)) {
        stopp();
        return;
    }
    if (!pv.resizing) return;
    const double W = f2.width(), H = f2.height();
    if (W <= 1000 || H <= 1000) {
        // The smallest preview: about 67 pixels a side.
        f2.resize(1002, 1002);
        return;
    }
    if (m.shift == 1) {
        // Shift keeps the shape the window had when the drag began.
        attempt([&] { f2.resize(int(Int(W - dx)), f2.height()); });
        attempt([&] { f2.resize(f2.width(), int(Int(div(f2.width(), locale(pv.gripRatio))))); });
    } else {
        attempt([&] { f2.resize(int(Int(W - dx)), int(Int(H - dy))); });
    }
    placeGrip();
    if (tooSmall(100)) stopp();
}

// Every tick of a resize writes the window's size back into the picture geometry.
void Preview::writeBack() {
    auto& f1 = k.form1;
    auto& Bwidth = f1.get<TextBox>("Bwidth");
    auto& Bheight = f1.get<TextBox>("Bheight");
    auto& pixels = f1.get<TextBox>("pixels");
    const double W = f2.width(), H = f2.height();
    const double pixelRatio = leading(st.pixelRatio);
    attempt([&] {
        if (st.aspectValue == 0.0f) {
            st.busy = true;
            attempt([&] { Bheight.setText(numText(Int(pixelRatio * H / 15 + 0.5))); });
            attempt([&] { Bwidth.setText(numText(Int(W / 15 + 0.5))); });
            attempt([&] {
                const double bpp =
                    Int(div(leading(f1.get<TextBox>("bitrate")),
                            leading(f1.get<TextBox>("framerate")) * leading(pixels)) *
                        10000) /
                    10000;
                f1.get<TextBox>("bitsperpixel").setText(numText(bpp) + QStringLiteral(" b/px"));
            });
            st.busy = false;
        } else {
            attempt([&] { Bwidth.setText(numText(4 * Int(W / 15 / 4 + 0.5))); });
            attempt([&] { Bheight.setText(numText(2 * Int(pixelRatio * (H / 15) / 2 + 0.5))); });
            attempt([&] {
                const double q = div(leading(Bwidth), leading(Bheight)) * 10000 * pixelRatio;
                const bool perOne = f1.get<forms::Label>("ratio").caption() == QLatin1String(":1");
                f1.get<TextBox>("aspect").setText(numText(Int(q) / (perOne ? 10000 : 100)));
            });
        }
        pixels.setText(numText(leading(Bwidth) * leading(Bheight)) + QStringLiteral(" px"));
    });
}

void Preview::releaseGrip() {
    auto& pv = k.pv;
    pv.resizing = false;
    DivXTimer.setEnabled(false);
    st.focusField = QStringLiteral("none");
    if (st.aspectValue == 0.0f) return;
    auto& f1 = k.form1;
    auto& Bwidth = f1.get<TextBox>("Bwidth");
    auto& Bheight = f1.get<TextBox>("Bheight");
    const double W = f2.width(), H = f2.height();
    const double pixelRatio = leading(st.pixelRatio);
    attempt([&] {
        const double w = 4 * Int(W / 60 + 0.5), h = 2 * Int(pixelRatio * H / 30 + 0.5);
        Bwidth.setText(numText(w));
        Bheight.setText(numText(h));
        f1.get<forms::ScrollBar>("ScrollBar1").setValue(qint64(w));
        const double a = div(leading(Bwidth), leading(Bheight)) * pixelRatio;
        const bool perOne = f1.get<forms::Label>("ratio").caption() == QLatin1String(":1");
        f1.get<TextBox>("aspect").setText(numText(perOne ? a : a * 100));
        f1.get<TextBox>("pixels").setText(numText(leading(Bheight) * leading(Bwidth)) +
                                          QStringLiteral(" px"));
    });
    f2.resize(int(Int(W + 0.5)), int(Int(H + 0.5)));
}

void Preview::stretchPicture() {
    if (k.pv.resizing) f2.get<forms::Picture>("thepic").resize(f2.width(), f2.height());
}

void Preview::transparencyChange() {
    auto& field = f2.get<TextBox>("transparency");
    DivXTimer.setInterval(320);
    field.setText(numText(leading(field)) + QStringLiteral(" %"));
    field.setCaret(int(field.text().size()) - 2);
    const qint64 percent =
        std::clamp<qint64>(whole(std::clamp(leading(field), -1e9, 1e9)), 20, 100);
    look.SetAlpha(f2, int(whole(double(percent) * 255 / 100)));
    store(QStringLiteral("transparency2"), numText(leading(field)));
}

}  // namespace preview
