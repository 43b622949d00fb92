#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <memory>

class QTemporaryDir;

// File names as the system spells them. On Linux a name is a string of bytes that need not be
// UTF-8 (an old Latin-1 disk, a share); Qt's own conversion turns such bytes into U+FFFD and
// loses the file. Korvel keeps each byte that is not part of valid UTF-8 as the lone surrogate
// U+DC80..U+DCFF, so every name survives the trip to a QString and back.
namespace media {

// The bytes as a name: QFile::decodeName for valid UTF-8, the stray bytes kept as above.
QString fromNativeBytes(const QByteArray& bytes);
// The name's bytes again; QFile::encodeName for every name Qt can spell.
QByteArray toNativeBytes(const QString& name);
// For std::filesystem, byte for byte (UTF-16 on Windows).
std::filesystem::path nativePath(const QString& name);
// True when the name holds kept stray bytes, which Qt and other programs' argument lists
// cannot carry.
bool hasStrayBytes(const QString& name);
// The name for people to read: each stray byte shown as U+FFFD.
QString shownName(const QString& name);
// A file as a message names it: its last part, shown, in double quotes.
QString quotedName(const QString& file);

// Where an encode of the film goes unless the user says otherwise: beside it, under its name
// with ".avi"; a film that is an AVI already gets "-korvel.avi", so the encode never names the
// film itself.
QString defaultOutput(const QString& film);

// Hands names with stray bytes to Qt and to other programs: a symbolic link with a plain name,
// in a private folder that lives as long as the bridge, to the file itself or (for a file still
// to be written) to its folder.
class NameBridge {
  public:
    NameBridge();
    ~NameBridge();
    NameBridge(const NameBridge&) = delete;
    NameBridge& operator=(const NameBridge&) = delete;
    // The name itself when it has no stray bytes; otherwise a path through a link; empty when
    // no link can be made (nothing of that name and no folder for it, or a stray byte in the
    // name of a file still to be written).
    QString usable(const QString& name);

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    int links_ = 0;
};

}  // namespace media
