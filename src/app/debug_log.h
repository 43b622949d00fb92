#pragma once

#include "app/state.h"
#include "forms/control.h"
#include "platform/services.h"

namespace app {

// The debug window's text and its log file: every subsystem writes its lines here while debug
// mode is on, and says here once why the settings of this session will not be kept.
class DebugLog {
  public:
    DebugLog(forms::TextBox& text, const MainState& st, const platform::Services& sv)
        : text_(text), st_(st), store_(sv.store) {
        // Every change of the text rewrites the file; a file that cannot be written is not.
        text.onChange = [this, &file = sv.log] { file.write(text_.text()); };
    }
    // One entry; a "D" (the option string rebuilt) joins the line before it.
    void write(const QString& entry) {
        text_.setText(text_.text() + (entry == QLatin1String("D") ? "" : "\r") + entry);
        text_.setCaret(int(text_.text().size()));  // the newest line in view
    }
    void noteUnkeptSettings() {
        const QString why = store_.whyNotKept();
        if (!st_.debugMode || why.isEmpty() || why == notedUnkept_) return;
        notedUnkept_ = why;
        write(why);
    }
    // Debug mode was switched on: the reason is said again.
    void restart() {
        notedUnkept_.clear();
        noteUnkeptSettings();
    }

  private:
    forms::TextBox& text_;
    const MainState& st_;
    const platform::SettingsStore& store_;
    QString notedUnkept_;
};

}  // namespace app
