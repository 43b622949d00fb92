#pragma once

#include "platform/qt/clipboard.h"
#include "platform/qt/file_log.h"
#include "platform/qt/launcher.h"
#include "platform/qt/message_box.h"
#include "platform/qt/program_end.h"
#include "platform/qt/random.h"
#include "platform/qt/screen.h"
#include "platform/qt/settings_store.h"
#include "platform/qt/window_effects.h"

namespace platform {

// The real services, one of each. The codec's settings come from elsewhere.
struct QtServices {
    QtSettingsStore store;
    QtMessageBox messages;
    QtClipboard clipboard;
    QtRandom random;
    QtProgramEnd programEnd;
    QtLauncher launcher;
    QtWindows windows;  // the view registers them
    QtWindowEffects effects{windows};
    FileLog log;
    QtScreen screen{windows};
    Services services(RegistrySource& registry);
};

}  // namespace platform
