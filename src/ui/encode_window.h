#pragma once

#include <QWidget>
#include <optional>
#include <variant>

#include "encoder/ffmpeg_command.h"
#include "media/encode_job.h"
#include "media/film_info.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace app {
class Korvel;
}

namespace ui {

class FilmOpener;

// "Encode with ffmpeg": the film, the file to write, the command lines that will run, and Start
// and Cancel, with a progress bar of the pass, the share done and the time left. Start builds the
// passes from the settings of that moment; the calculator stays usable meanwhile. Cancel, Escape
// and closing the window (after asking) stop ffmpeg, and nothing half-written is left; at the end
// the window says how large the file came out against the size asked, or what ffmpeg said last.
class EncodeWindow : public QWidget {
    Q_OBJECT
  public:
    // Opened the first time beside `beside`.
    EncodeWindow(app::Korvel& k, FilmOpener& films, QWidget* beside = nullptr);
    ~EncodeWindow() override;

    // Shows the window, in front, with the film read last.
    void open();
    // Start: the encode, or a message saying why not.
    void start();
    bool encoding() const { return job_.running(); }
    // The file to write, as the system spells it.
    const QString& output() const { return output_; }
    void setOutput(const QString& file);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool event(QEvent* e) override;

  private:
    void setFilm(const media::FilmInfo& film);
    void name();
    void showCommands();
    std::optional<std::variant<encoder::FfmpegJob, encoder::FfmpegRefusal>> build();
    void progressed(const media::EncodeProgress& p);
    void finished(const media::EncodeResult& r);
    void showProgress();
    void setRunning(bool running);
    void chooseOutput();
    i18n::Language lang() const;

    app::Korvel& k_;
    FilmOpener& films_;
    QWidget* beside_;
    bool placed_ = false;
    media::FilmInfo film_;
    QString output_;
    media::EncodeJob job_;
    std::optional<media::EncodeProgress> progress_;
    media::Message result_;
    QLabel *sourceLabel_, *outputLabel_, *commandsLabel_;
    QLineEdit *source_, *outputField_;
    QPushButton *openFilm_, *chooseOutput_, *start_, *cancel_;
    QPlainTextEdit *commands_, *report_;
    QProgressBar* bar_;
};

}  // namespace ui
