#pragma once

#include <QObject>
#include <memory>

#include "media/probe.h"

class QContextMenuEvent;
class QMimeData;
class QWidget;

namespace app {
class Korvel;
}

namespace ui {

class View;

// How a film comes into Korvel: dropped on the main window, chosen with "Open film…" from the
// right-click menu of the window's surface, or named on the command line. ffprobe reads it while
// the window stays live; what it finds is typed into the main window, and its name becomes the
// option string's tooltip. A file it cannot read is said in a message and changes nothing.
class FilmOpener : public QObject {
    Q_OBJECT
  public:
    FilmOpener(app::Korvel& k, View& view);
    ~FilmOpener() override;

    // Reads the film; one still being read is given up for it.
    void open(const QString& file);
    // The file dialog over `parent`, then open(); false when the user cancels it.
    bool choose(QWidget* parent);
    // The film read last; no file until one was.
    const media::FilmInfo& film() const { return film_; }
    bool reading() const { return probe_ && probe_->running(); }

    // The local file a drag carries, if any (its name byte for byte).
    static QString fileIn(const QMimeData* data);

  signals:
    void filmRead(const media::FilmInfo& film);
    // After each reading, read or not.
    void readEnded(bool read);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void read(const media::ProbeResult& r);
    void surfaceMenu(QContextMenuEvent* e);
    void nameFilm();
    void busy(bool on);

    app::Korvel& k_;
    View& view_;
    QWidget* main_;
    std::unique_ptr<media::Probe> probe_;
    media::FilmInfo film_;
    bool busy_ = false;
};

}  // namespace ui
