#pragma once

#include "app/subsystem.h"
#include "encoder/encoder.h"

namespace encoder {

// Reads the codec's own settings into the windows. The codec's settings are only ever read:
// the write button does nothing.
class Import : public app::Subsystem {
  public:
    Import(app::Korvel& k, app::DebugLog& log, Encoder& enc);

    // What the value reader gives: a text cut at its first NUL, or a 32-bit number, read as
    // signed (the codec keeps "off" as -1); a missing value is the empty text.
    struct RegVariant {
        bool number = false;
        QString text;  // a number's decimal digits
        qint32 value = 0;
    };
    RegVariant getRegValue(const QString& name) const;

    // Copies the values in their fixed order; the first one that cannot be used stops the import
    // with a message, leaving the earlier ones applied.
    void getReg();

  private:
    double asNumber(const RegVariant& v) const;
    qint64 asWhole(const RegVariant& v) const;
    void setCheck(forms::CheckBox& box, const char* name);
    void setText(forms::TextBox& field, const char* name);
    // Sets the caption the value's text maps to; other values leave the caption as it is.
    void mapCaption(forms::Button& button, const char* name,
                    std::initializer_list<std::pair<const char*, const char*>> map);

    Encoder& enc;
};

}  // namespace encoder
