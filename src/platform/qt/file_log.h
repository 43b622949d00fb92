#pragma once

#include "platform/services.h"

namespace platform {

// The debug text in "log.txt", with the platform's line ends, in the user's application data
// folder, replaced whole on every write: a new file is written beside it and renamed over the old
// one, so a reader never sees half a log. The folder depends on the application's organisation and
// name, which must be set before this is created.
class FileLog : public LogFile {
  public:
    FileLog();
    explicit FileLog(QString path) : path_(std::move(path)) {}

    // False when the file could not be written; never throws.
    bool write(const QString& text) override;
    QString location() const override { return path_; }

  private:
    QString path_;
};

}  // namespace platform
