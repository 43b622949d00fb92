#include "geometry/block.h"

#include "app/korvel.h"
#include "preview/preview.h"

namespace geometry {
using forms::TextBox;

Block::Block(app::Korvel& k)
    : Part(k),
      Bwidth(k.form1.get<TextBox>("Bwidth")),
      Bheight(k.form1.get<TextBox>("Bheight")),
      aspect(k.form1.get<TextBox>("aspect")),
      pixels(k.form1.get<TextBox>("pixels")),
      scrollvalue(k.form1.get<TextBox>("scrollvalue")),
      framerate(k.form1.get<TextBox>("framerate")),
      bitsperpixel(k.form1.get<TextBox>("bitsperpixel")),
      bitrate(k.form1.get<TextBox>("bitrate")),
      kbitps(k.form1.get<TextBox>("kbitps")),
      ratio(k.form1.get<forms::Label>("ratio")),
      ScrollBar1(k.form1.get<forms::ScrollBar>("ScrollBar1")) {}

void Block::readAspect() {
    const double a = leading(aspect);
    st.aspectValue = float(ratio.caption() == QLatin1String(":1") ? a : a / 100);
}

bool Block::aspectFree() const {
    return st.aspectValue == 0.0f;
}

double Block::pixelRatio() const {
    if (st.pixelRatio.isEmpty()) return 1;
    return forms::num::locale(st.pixelRatio, forms::NumberLocale::point());
}

double Block::heightFromWidth(double width) const {
    return 2 * Int(div(width, double(st.aspectValue)) * pixelRatio() / 2 + 0.5);
}

double Block::widthFromHeight(double height) const {
    return 4 * Int(div(height, pixelRatio()) * double(st.aspectValue) / 4 + 0.5);
}

qint64 Block::sliderFor(double width) {
    if (width >= 2000) return 2000;
    if (width <= 0) return 0;
    return whole(width);
}

double Block::bitsPerPixelNow() const {
    // A picture without pixels (a width or height of 0) counts as 720 x 540, as the pixel count
    // itself is repaired to.
    const double count = leading(pixels) == 0 ? 388800 : leading(pixels);
    return Int(div(leading(bitrate), leading(framerate) * count) * 10000) / 10000;
}

void Block::showPixels() {
    pixels.setText(numText(leading(Bwidth) * leading(Bheight)) + QStringLiteral(" px"));
}

void Block::fitPreview() {
    k.preview->fit(leading(Bwidth) * 15, div(leading(Bheight) * 15, pixelRatio()));
}

}  // namespace geometry
