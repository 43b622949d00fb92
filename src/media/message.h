#pragma once

#include <QStringList>
#include <vector>

#include "i18n/captions.h"

namespace media {

// Everything the film tools say to the user. Each has a text in German, English and French,
// with %1, %2 ... where the words of the moment go.
enum class Says {
    NoFile,
    IsFolder,
    NotAFile,
    IsEmpty,
    MayNotRead,
    NeedsToolToRead,
    NeedsToolToFindBorders,
    NeedsToolToEncode,
    ComesWithFfmpeg,
    TookTooLong,
    Cancelled,
    CouldNotStart,
    CannotHandName,
    StoppedWithError,
    StoppedWithErrorSaying,
    NotAFilm,
    OnlySound,
    NothingToRead,
    Damaged,
    CutShort,
    LastPassDoesNotWrite,
    OnlyLastPassWrites,
    IsTheFilm,
    OutputIsFolder,
    NoFolder,
    OutputExists,
    StoppedInPass,
    WroteNothing,
    AppearedMeanwhile,
    CouldNotRename,
    SizeOfAsked,
    Size,
    NoPlayTime,
    LockDerivesTime,
    NoFrameRate,
    Count
};

// The text of one in a language, with its %1, %2 ... still in it.
const char* saysText(Says says, i18n::Language lang);

// A message for the user: one sentence or more, each a text and its words (file names, tools,
// figures), which stay the same in every language. It is put into words only when shown, so it
// follows the language on screen.
class Message {
  public:
    Message() = default;
    Message(Says says, const QStringList& words = {});  // NOLINT: a message is what it says
    // The sentences of `more` after these.
    Message& operator+=(const Message& more);
    bool isEmpty() const { return parts_.empty(); }
    // The sentences joined by blanks; each word goes in as it is, never read for a %n.
    QString text(i18n::Language lang) const;
    bool operator==(const Message&) const = default;

  private:
    struct Part {
        Says says;
        QStringList words;
        bool operator==(const Part&) const = default;
    };
    std::vector<Part> parts_;
};

}  // namespace media
