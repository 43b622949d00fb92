#include "ui/border_button.h"

#include <QEvent>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "app/korvel.h"
#include "i18n/control_names.h"
#include "i18n/film_texts.h"
#include "media/apply.h"
#include "ui/film_opener.h"
#include "ui/view.h"
#include "ui/window_widget.h"

namespace ui {

using i18n::FilmText;

BorderButton::BorderButton(app::Korvel& k, View& view, FilmOpener& films)
    : k_(k), view_(view), films_(films), window_(view.window(k.form3)) {
    window_->installEventFilter(this);
    connect(&detection_, &media::BorderDetection::progress, this, [this](int done, int total) {
        bar_->setRange(0, total);
        bar_->setValue(done);
    });
    connect(&detection_, &media::BorderDetection::finished, this, &BorderButton::found);
    connect(&films_, &FilmOpener::readEnded, this, [this](bool read) {
        if (!std::exchange(afterOpening_, false) || !read || !window_->isVisible()) return;
        detect(films_.film().file);
    });
}

BorderButton::~BorderButton() = default;

// Made when the settings window is first shown, beside its crop fields: the button under the
// right one, level with the bottom one, the bar to the bottom one's left.
void BorderButton::make() {
    if (button_) return;
    const auto place = [this](const char* name) {
        const forms::Control& c = *k_.form3.find(QLatin1String(name));
        return QRect(toPixels(c.left()), toPixels(c.top()), toPixels(c.width()),
                     toPixels(c.height()));
    };
    const QRect right = place("cropRight"), bottom = place("cropBottom"), crop = place("checkCrop");
    button_ = new QPushButton(window_);
    button_->setObjectName(QStringLiteral("detectBorders"));
    button_->setAutoDefault(true);  // Enter presses it, as Space does
    button_->setGeometry(right.left(), bottom.top(), right.width(), bottom.height());
    // As wide as its caption needs, up to the window's edge.
    button_->setMinimumWidth(right.width());
    button_->setMaximumWidth(toPixels(k_.form3.width()) - right.left() - 12);
    bar_ = new QProgressBar(window_);
    bar_->setGeometry(crop.left(), bottom.top(), bottom.left() - 8 - crop.left(), bottom.height());
    bar_->setFormat(QStringLiteral("%v / %m"));
    bar_->hide();
    connect(button_, &QPushButton::clicked, this, [this] { press(); });
    QWidget::setTabOrder(view_.widget(*k_.form3.find(QStringLiteral("cropBottom"))), button_);
    name();
    button_->show();
}

void BorderButton::name() {
    if (!button_) return;
    const i18n::Language lang = i18n::languageOf(k_.st.currentLanguage);
    button_->setText(
        i18n::filmText(detection_.running() ? FilmText::Cancel : FilmText::Detect, lang));
    button_->resize(button_->sizeHint().width(), button_->height());
    button_->setAccessibleName(i18n::filmText(FilmText::DetectName, lang));
    bar_->setAccessibleName(i18n::filmText(FilmText::DetectProgress, lang));
}

bool BorderButton::eventFilter(QObject* o, QEvent* e) {
    if (o == window_) {
        if (e->type() == QEvent::Show) make();
        // Borders found for a window the program closed would go nowhere.
        if (e->type() == QEvent::Hide && !e->spontaneous()) detection_.cancel();
        if (e->type() == QEvent::LanguageChange) name();
    }
    return QObject::eventFilter(o, e);
}

void BorderButton::press() {
    if (detection_.running()) return detection_.cancel();
    if (!films_.film().file.isEmpty()) return detect(films_.film().file);
    const i18n::Language lang = i18n::languageOf(k_.st.currentLanguage);
    if (QMessageBox::question(
            window_, QStringLiteral("Korvel"), i18n::filmText(FilmText::NoFilmYet, lang),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes)
        afterOpening_ = films_.choose(window_);
}

void BorderButton::detect(const QString& file) {
    detection_.start(file);
    bar_->setRange(0, media::BorderDetection::kStretches);
    bar_->setValue(0);
    bar_->show();
    window_->setCursor(Qt::BusyCursor);
    name();
}

void BorderButton::found(const media::BorderResult& r) {
    bar_->hide();
    window_->unsetCursor();
    name();
    if (r.ok()) return k_.rt.dispatch([&] { media::applyBorders(k_, r.borders); });
    if (r.problem != media::Problem::Cancelled)
        k_.sv.messages.show(r.message.text(i18n::languageOf(k_.st.currentLanguage)), {});
}

}  // namespace ui
