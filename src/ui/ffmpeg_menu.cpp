#include "ui/ffmpeg_menu.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include "app/korvel.h"
#include "i18n/captions.h"
#include "i18n/control_names.h"
#include "i18n/film_texts.h"
#include "media/file_name.h"
#include "ui/encode_window.h"
#include "ui/view.h"
#include "ui/window_widget.h"

namespace ui {

FfmpegMenu::FfmpegMenu(app::Korvel& k, View& view, FilmOpener* films)
    : k_(k), films_(films), main_(view.window(k.form1)) {
    for (const char* name : {"DivXBox", "DivXbutton"})
        if (QWidget* w = view.widget(*k.form1.find(QLatin1String(name))))
            w->installEventFilter(this);
    for (const char* name : {"DivXBox", "audio"})
        if (QWidget* w = view.widget(*k.form1.find(QLatin1String(name)))) settings_ << w;
}

FfmpegMenu::~FfmpegMenu() = default;

EncodeWindow& FfmpegMenu::encodeWindow() {
    if (encode_) return *encode_;
    encode_ = std::make_unique<EncodeWindow>(k_, *films_, main_);
    // The commands shown are the ones Start would run, whatever changes in the main window.
    for (QWidget* w : std::as_const(settings_))
        if (auto* field = qobject_cast<QLineEdit*>(w))
            connect(field, &QLineEdit::textChanged, encode_.get(), &EncodeWindow::refresh);
    return *encode_;
}

bool FfmpegMenu::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::ContextMenu) return QObject::eventFilter(o, e);
    auto* w = static_cast<QWidget*>(o);
    std::unique_ptr<QMenu> menu;
    if (auto* field = qobject_cast<QLineEdit*>(w)) {
        menu.reset(field->createStandardContextMenu());
        menu->addSeparator();
    } else {
        menu = std::make_unique<QMenu>();
    }
    const i18n::Language lang = i18n::languageOf(k_.st.currentLanguage);
    QAction* copy = menu->addAction(QString::fromUtf8(i18n::copyFfmpegCaption(lang)));
    copy->setObjectName(QStringLiteral("copyFfmpegCommand"));
    QObject::connect(copy, &QAction::triggered, this, [this] { copyCommand(); });
    if (films_) {
        QAction* encode = menu->addAction(i18n::filmText(i18n::FilmText::EncodeMenu, lang));
        encode->setObjectName(QStringLiteral("encodeWithFfmpeg"));
        QObject::connect(encode, &QAction::triggered, this, [this] { encodeWindow().open(); });
    }
    menu->exec(static_cast<QContextMenuEvent*>(e)->globalPos());
    return true;
}

void FfmpegMenu::copyCommand() const {
    const QString film = k_.st.film;
    if (film.isEmpty()) return k_.rt.dispatch([this] { k_.copyFfmpegCommand(); });
    const QByteArray input = media::toNativeBytes(film),
                     output = media::toNativeBytes(media::defaultOutput(film));
    k_.rt.dispatch([&] { k_.copyFfmpegCommand(input, output); });
}

}  // namespace ui
