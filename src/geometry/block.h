#pragma once

#include "app/part.h"

namespace geometry {

// What the geometry handlers and the resolution solver share: the block's fields and the rules
// that turn a width, a height, the slider and the aspect ratio into one another.
class Block : public app::Part {
  public:
    explicit Block(app::Korvel& k);

  protected:
    // A state text such as focusField holds this name.
    static bool is(const QString& field, const char* name) { return field == QLatin1String(name); }
    // The aspect ratio as a plain number from the field and its unit.
    void readAspect();
    // The aspect ratio is free (held as 0).
    bool aspectFree() const;
    // The pixel ratio is always written with a point, whatever the user's locale: in a
    // decimal-comma locale the point would otherwise pass as a digit-group separator.
    double pixelRatio() const;
    // An even height for a width.
    double heightFromWidth(double width) const;
    // A width, a multiple of 4, for a height.
    double widthFromHeight(double height) const;
    // The width the slider stands for, a multiple of 4.
    static double widthFromSlider(double value) { return 4 * Int(value / 4 + 0.5); }
    static double evenHeight(double height) { return 2 * Int(height / 2 + 0.5); }
    // The slider position for a width: the whole number, within the slider's 0 to 2000.
    static qint64 sliderFor(double width);
    // Bit/s over pixels per second, cut (not rounded) to 4 decimals.
    double bitsPerPixelNow() const;
    // The pixel count of the width and height fields.
    void showPixels();
    // Sizes the preview window to the width and height fields.
    void fitPreview();

    forms::TextBox &Bwidth, &Bheight, &aspect, &pixels, &scrollvalue;
    forms::TextBox &framerate, &bitsperpixel, &bitrate, &kbitps;
    forms::Label& ratio;
    forms::ScrollBar& ScrollBar1;
};

}  // namespace geometry
