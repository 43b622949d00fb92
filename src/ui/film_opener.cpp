#include "ui/film_opener.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/korvel.h"
#include "i18n/control_names.h"
#include "i18n/film_texts.h"
#include "media/apply.h"
#include "ui/view.h"
#include "ui/window_widget.h"

namespace ui {

using i18n::FilmText;

namespace {
i18n::Language languageOf(const app::Korvel& k) {
    return i18n::languageOf(k.st.currentLanguage);
}
}  // namespace

FilmOpener::FilmOpener(app::Korvel& k, View& view)
    : k_(k), view_(view), main_(view.window(k.form1)) {
    // Every widget of the main window takes a film, also the fields that take dropped text.
    main_->setAcceptDrops(true);
    main_->installEventFilter(this);
    for (const auto& c : k.form1.controls())
        if (QWidget* w = c->kind() == forms::Kind::Timer ? nullptr : view.widget(*c)) {
            w->installEventFilter(this);
            for (QWidget* inner : w->findChildren<QWidget*>())
                inner->installEventFilter(this);
        }
}

FilmOpener::~FilmOpener() {
    busy(false);
}

QString FilmOpener::fileIn(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
#ifdef Q_OS_WIN
        return url.toLocalFile();
#else
        // The path's own bytes: a name that is not UTF-8 stays the file's name.
        return media::fromNativeBytes(
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
#endif
    }
    return {};
}

bool FilmOpener::eventFilter(QObject* o, QEvent* e) {
    switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(e);
            const QString file = fileIn(drop->mimeData());
            if (file.isEmpty()) break;
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (e->type() == QEvent::Drop) open(file);
            return true;
        }
        case QEvent::ContextMenu:
            if (o != main_) break;
            surfaceMenu(static_cast<QContextMenuEvent*>(e));
            return true;
        case QEvent::LanguageChange:
            if (o == view_.widget(*k_.form1.find(QStringLiteral("DivXBox")))) nameFilm();
            break;
        default:
            break;
    }
    return QObject::eventFilter(o, e);
}

void FilmOpener::surfaceMenu(QContextMenuEvent* e) {
    // The right button's press began a drag of the window; the menu ends it where it began.
    if (k_.rt.mousePressed()) k_.rt.endPress({2, 0, e->pos().x() * 15.0, e->pos().y() * 15.0});
    QMenu menu;
    QAction* open = menu.addAction(i18n::filmText(FilmText::OpenFilm, languageOf(k_)));
    open->setObjectName(QStringLiteral("openFilm"));
    connect(open, &QAction::triggered, this, [this] { choose(main_); });
    menu.exec(e->globalPos());
}

bool FilmOpener::choose(QWidget* parent) {
    const i18n::Language lang = languageOf(k_);
    const QString patterns = QStringLiteral(
        "*.avi *.mkv *.mp4 *.m4v *.mov *.mpg *.mpeg *.vob *.ts *.m2ts *.webm *.wmv *.flv *.ogv");
    const QString file = QFileDialog::getOpenFileName(
        parent, i18n::filmText(FilmText::OpenFilmTitle, lang),
        film_.file.isEmpty() ? QString() : QFileInfo(film_.file).path(),
        i18n::filmText(FilmText::FilmFiles, lang).arg(patterns) + QStringLiteral(";;") +
            i18n::filmText(FilmText::AllFiles, lang));
    if (!file.isEmpty()) open(file);
    return !file.isEmpty();
}

void FilmOpener::open(const QString& file) {
    probe_ = std::make_unique<media::Probe>();  // the one before stops with its ffprobe
    connect(probe_.get(), &media::Probe::finished, this, &FilmOpener::read);
    busy(true);
    // Named in full: the commands built for it work from any folder.
    probe_->start(file.isEmpty() ? file : QDir::cleanPath(QDir::current().absoluteFilePath(file)));
}

void FilmOpener::read(const media::ProbeResult& r) {
    busy(false);
    const i18n::Language lang = languageOf(k_);
    if (!r.ok()) {
        if (r.problem != media::Problem::Cancelled) k_.sv.messages.show(r.message.text(lang), {});
        return emit readEnded(false);
    }
    film_ = r.film;
    media::Applied applied;
    k_.rt.dispatch([&] { applied = media::applyFilm(k_, film_); });
    nameFilm();
    if (!applied.note.isEmpty()) k_.sv.messages.show(applied.note.text(lang), {});
    emit filmRead(film_);
    emit readEnded(true);
}

void FilmOpener::nameFilm() {
    if (film_.file.isEmpty()) return;
    if (QWidget* box = view_.widget(*k_.form1.find(QStringLiteral("DivXBox"))))
        box->setToolTip(i18n::filmText(FilmText::FilmTooltip, languageOf(k_))
                            .arg(media::shownName(film_.file)));
}

// The pointer says the film is being read; the window stays usable meanwhile.
void FilmOpener::busy(bool on) {
    if (on == busy_) return;
    busy_ = on;
    if (on)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace ui
