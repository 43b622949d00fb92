#pragma once

#include "app/subsystem.h"
#include "geometry/picture_size.h"

namespace geometry {

// What the geometry handlers and the resolution solver share: the block's fields, read as the
// numbers the picture-size rules take.
class Block : public app::Subsystem {
  public:
    Block(app::Korvel& k, app::DebugLog& log);
    // The aspect ratio as a plain number from the field and its unit.
    void readAspect() { st.aspectValue = aspectOf(leading(aspect), is(ratio.caption(), ":1")); }

  protected:
    // A state text such as focusField holds this name.
    static bool is(const QString& field, const char* name) { return field == QLatin1String(name); }
    // The aspect ratio is free (held as 0).
    bool aspectFree() const { return st.aspectValue == 0.0f; }
    // The pixel ratio is always written with a point, whatever the user's locale: in a
    // decimal-comma locale the point would otherwise pass as a digit-group separator.
    double pixelRatio() const {
        if (st.pixelRatio.isEmpty()) return 1;
        return forms::num::locale(st.pixelRatio, forms::NumberLocale::point());
    }
    // The shape of the picture from the aspect ratio read last and the pixel ratio.
    Shape shape() const { return {st.aspectValue, pixelRatio()}; }
    // Bits per pixel from the bitrate, frame rate and pixel count fields.
    double bitsPerPixelNow() const {
        return bitsPerPixel(leading(bitrate), leading(framerate), leading(pixels));
    }
    // The pixel count of the width and height fields.
    void showPixels() {
        pixels.setText(numText(leading(Bwidth) * leading(Bheight)) + QStringLiteral(" px"));
    }

    forms::TextBox &Bwidth, &Bheight, &aspect, &pixels, &scrollvalue;
    forms::TextBox &framerate, &bitsperpixel, &bitrate, &kbitps;
    forms::Label& ratio;
    forms::ScrollBar& ScrollBar1;
};

}  // namespace geometry
