#include "geometry/block.h"

#include "app/korvel.h"

namespace geometry {
using forms::TextBox;

Block::Block(app::Korvel& k, app::DebugLog& log)
    : Subsystem(k, log),
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

}  // namespace geometry
