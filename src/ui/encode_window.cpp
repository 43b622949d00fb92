#include "ui/encode_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <filesystem>
#include <utility>

#include "app/korvel.h"
#include "i18n/control_names.h"
#include "i18n/film_texts.h"
#include "media/file_name.h"
#include "ui/film_opener.h"

namespace ui {

using i18n::FilmText;

namespace {
constexpr int kSteps = 1000;  // the bar's steps from nothing to the whole encode

// Read-only text to select and copy, at least `lines` high; Tab moves on.
QPlainTextEdit* textBox(QWidget* parent, int lines) {
    auto* box = new QPlainTextEdit(parent);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    box->setMinimumHeight(box->fontMetrics().lineSpacing() * lines + 2 * box->frameWidth() +
                          int(2 * box->document()->documentMargin()));
    return box;
}
}  // namespace

EncodeWindow::EncodeWindow(app::Korvel& k, FilmOpener& films, QWidget* beside)
    : QWidget(nullptr, Qt::Window),
      k_(k),
      films_(films),
      beside_(beside),
      sourceLabel_(new QLabel(this)),
      outputLabel_(new QLabel(this)),
      commandsLabel_(new QLabel(this)),
      source_(new QLineEdit(this)),
      outputField_(new QLineEdit(this)),
      openFilm_(new QPushButton(this)),
      chooseOutput_(new QPushButton(this)),
      start_(new QPushButton(this)),
      cancel_(new QPushButton(this)),
      commands_(textBox(this, 7)),
      report_(textBox(this, 5)),
      bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("encodeWindow"));
    for (auto [w, name] : {std::pair<QWidget*, const char*>{outputField_, "output"},
                           {commands_, "commands"},
                           {report_, "report"},
                           {start_, "start"}})
        w->setObjectName(QLatin1String(name));
    source_->setReadOnly(true);
    sourceLabel_->setBuddy(source_);
    outputLabel_->setBuddy(outputField_);
    commandsLabel_->setBuddy(commands_);
    bar_->setRange(0, kSteps);
    bar_->setValue(0);
    bar_->setFocusPolicy(Qt::StrongFocus);  // a screen reader's user reaches it by Tab
    // Enter presses the focused button, as Space does.
    for (QPushButton* b : {openFilm_, chooseOutput_, start_, cancel_})
        b->setAutoDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(sourceLabel_, 0, 0);
    grid->addWidget(source_, 0, 1);
    grid->addWidget(openFilm_, 0, 2);
    grid->addWidget(outputLabel_, 1, 0);
    grid->addWidget(outputField_, 1, 1);
    grid->addWidget(chooseOutput_, 1, 2);
    grid->addWidget(commandsLabel_, 2, 0, 1, 3);
    grid->addWidget(commands_, 3, 0, 1, 3);
    grid->addWidget(bar_, 4, 0, 1, 3);
    grid->addWidget(report_, 5, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(cancel_);
    grid->addLayout(buttons, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);  // the commands take what the window grows by
    report_->setFixedHeight(report_->minimumHeight());
    QWidget* previous = source_;
    for (QWidget* next : std::initializer_list<QWidget*>{openFilm_, outputField_, chooseOutput_,
                                                         commands_, bar_, report_, start_, cancel_})
        setTabOrder(std::exchange(previous, next), next);

    connect(openFilm_, &QPushButton::clicked, this, [this] { films_.choose(this); });
    connect(chooseOutput_, &QPushButton::clicked, this, [this] { chooseOutput(); });
    connect(outputField_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        output_ = typed.isEmpty() ? typed : QFileInfo(film_.file).dir().absoluteFilePath(typed);
        showCommands();
    });
    connect(start_, &QPushButton::clicked, this, [this] { start(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (job_.running())
            job_.cancel();
        else
            close();
    });
    connect(&job_, &media::EncodeJob::progress, this, &EncodeWindow::progressed);
    connect(&job_, &media::EncodeJob::finished, this, &EncodeWindow::finished);
    connect(&films_, &FilmOpener::filmRead, this, &EncodeWindow::setFilm);
    setFilm(films_.film());
    name();
    resize(QSize(440, sizeHint().height()).expandedTo(minimumSizeHint()));
}

// Ending the program ends the encode: the job stops ffmpeg and removes its files.
EncodeWindow::~EncodeWindow() = default;

i18n::Language EncodeWindow::lang() const {
    return i18n::languageOf(k_.st.currentLanguage);
}

void EncodeWindow::open() {
    if (!placed_ && beside_) {
        placed_ = true;
        // Right of the main window, else left of it, else as far right as the screen allows.
        const QRect main = beside_->frameGeometry(), free = beside_->screen()->availableGeometry();
        QRect at(QPoint(main.right() + 8, main.top()), frameGeometry().size());
        if (at.right() > free.right() && main.left() - 8 - at.width() >= free.left())
            at.moveRight(main.left() - 8);
        at.moveRight(std::min(at.right(), free.right()));
        at.moveBottom(std::min(at.bottom(), free.bottom()));
        at.moveTopLeft(QPoint(std::max(at.left(), free.left()), std::max(at.top(), free.top())));
        move(at.topLeft());
    }
    show();
    raise();
    activateWindow();
    showCommands();
}

void EncodeWindow::setFilm(const media::FilmInfo& film) {
    film_ = film;
    source_->setText(media::shownName(film.file));
    source_->setPlaceholderText(film.file.isEmpty() ? i18n::filmText(FilmText::NoFilm, lang())
                                                    : QString());
    source_->setCursorPosition(0);
    setOutput(media::defaultOutput(film.file));
}

void EncodeWindow::setOutput(const QString& file) {
    output_ = file;
    outputField_->setText(media::shownName(file));
    showCommands();
}

void EncodeWindow::chooseOutput() {
    const QString file = QFileDialog::getSaveFileName(
        this, i18n::filmText(FilmText::OutputTitle, lang()), output_,
        i18n::filmText(FilmText::AviFiles, lang()), nullptr, QFileDialog::DontConfirmOverwrite);
    if (!file.isEmpty()) setOutput(file);
}

// Every caption and spoken name, in the language on screen.
void EncodeWindow::name() {
    const i18n::Language l = lang();
    const auto text = [l](FilmText t) { return i18n::filmText(t, l); };
    setWindowTitle(text(FilmText::EncodeTitle));
    sourceLabel_->setText(text(FilmText::Source));
    outputLabel_->setText(text(FilmText::Output));
    commandsLabel_->setText(text(FilmText::Commands));
    openFilm_->setText(text(FilmText::ChooseFilm));
    chooseOutput_->setText(text(FilmText::ChooseOutput));
    start_->setText(text(FilmText::Start));
    cancel_->setText(text(FilmText::Cancel));
    source_->setAccessibleName(text(FilmText::SourceName));
    outputField_->setAccessibleName(text(FilmText::OutputName));
    openFilm_->setAccessibleName(text(FilmText::OpenFilmTitle));
    chooseOutput_->setAccessibleName(text(FilmText::ChooseOutputName));
    commands_->setAccessibleName(text(FilmText::CommandsName));
    bar_->setAccessibleName(text(FilmText::ProgressName));
    report_->setAccessibleName(text(FilmText::StatusName));
    source_->setPlaceholderText(film_.file.isEmpty() ? text(FilmText::NoFilm) : QString());
    showProgress();
    report_->setPlainText(result_.text(l));
    showCommands();
}

std::optional<std::variant<encoder::FfmpegJob, encoder::FfmpegRefusal>> EncodeWindow::build() {
    std::optional<std::variant<encoder::FfmpegJob, encoder::FfmpegRefusal>> job;
    const QByteArray input = media::toNativeBytes(film_.file),
                     output = media::toNativeBytes(output_);
    k_.rt.dispatch([&] { job = k_.ffmpegJob(input, output); });
    return job;
}

// What Start would run now, or why it would not.
void EncodeWindow::showCommands() {
    if (job_.running() || !isVisible()) return;
    if (film_.file.isEmpty())
        return commands_->setPlainText(i18n::filmText(FilmText::NeedFilm, lang()));
    const auto job = build();
    if (!job) return;
    if (const auto* refusal = std::get_if<encoder::FfmpegRefusal>(&*job))
        return commands_->setPlainText(encoder::refusalText(*refusal, lang(), k_.rt.locale()));
    commands_->setPlainText(media::shownName(
        media::fromNativeBytes(encoder::shellText(std::get<encoder::FfmpegJob>(*job)))));
}

void EncodeWindow::start() {
    if (job_.running()) return;
    const i18n::Language l = lang();
    if (film_.file.isEmpty()) return k_.sv.messages.show(i18n::filmText(FilmText::NeedFilm, l), {});
    const auto built = build();
    if (!built) return;
    showCommands();
    if (const auto* refusal = std::get_if<encoder::FfmpegRefusal>(&*built))
        return k_.sv.messages.show(encoder::refusalText(*refusal, l, k_.rt.locale()), {});
    const encoder::FfmpegJob& job = std::get<encoder::FfmpegJob>(*built);
    std::error_code ec;
    const bool replace = std::filesystem::exists(media::nativePath(output_), ec);
    if (replace && QMessageBox::question(this, QStringLiteral("Korvel"),
                                         i18n::filmText(FilmText::Replace, l)
                                             .arg(media::shownName(QFileInfo(output_).fileName())),
                                         QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) != QMessageBox::Yes)
        return;
    const media::EncodeInput in = media::encodeInput(
        job, film_, output_,
        forms::num::leading(k_.form1.get<forms::TextBox>(QStringLiteral("groesse")).text()),
        replace);
    result_ = {};
    report_->clear();
    progress_ = media::EncodeProgress{1, int(in.passes.size()), 0, std::nullopt};
    showProgress();
    setRunning(true);
    job_.start(in);
}

void EncodeWindow::progressed(const media::EncodeProgress& p) {
    progress_ = p;
    showProgress();
}

void EncodeWindow::showProgress() {
    if (!progress_) {
        bar_->setValue(0);
        bar_->setFormat(QString());
        return;
    }
    const media::EncodeProgress& p = *progress_;
    const int percent = int(p.share * 100);
    QString text =
        i18n::filmText(FilmText::PassShare, lang()).arg(p.pass).arg(p.passes).arg(percent);
    if (p.secondsLeft && p.share < 1)
        text += QStringLiteral(", ") +
                i18n::filmText(FilmText::TimeLeft, lang()).arg(media::clockText(*p.secondsLeft));
    bar_->setValue(int(p.share * kSteps));
    bar_->setFormat(text);
    bar_->setAccessibleDescription(text);
}

void EncodeWindow::finished(const media::EncodeResult& r) {
    setRunning(false);
    if (r.ok() && progress_) {
        progress_->pass = progress_->passes;
        progress_->share = 1;
    } else if (r.problem == media::Problem::Cancelled) {
        progress_.reset();
    }
    showProgress();
    result_ = r.message;
    report_->setPlainText(result_.text(lang()));
    showCommands();
}

void EncodeWindow::setRunning(bool running) {
    for (QWidget* w :
         std::initializer_list<QWidget*>{start_, openFilm_, chooseOutput_, outputField_})
        w->setEnabled(!running);
    if (running) cancel_->setFocus(Qt::OtherFocusReason);
}

void EncodeWindow::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(e);
}

// A running encode stops only when the user agrees; then nothing of it is left.
void EncodeWindow::closeEvent(QCloseEvent* e) {
    if (job_.running()) {
        if (QMessageBox::question(
                this, QStringLiteral("Korvel"), i18n::filmText(FilmText::StopEncode, lang()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return e->ignore();
        job_.cancel();
    }
    e->accept();
}

void EncodeWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) name();
    QWidget::changeEvent(e);
}

// The settings may have changed in the main window meanwhile.
bool EncodeWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) showCommands();
    return QWidget::event(e);
}

}  // namespace ui
