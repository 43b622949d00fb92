#include "ui/ffmpeg_menu.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <memory>

#include "app/korvel.h"
#include "encoder/encoder.h"
#include "i18n/captions.h"
#include "i18n/control_names.h"
#include "ui/view.h"

namespace ui {

FfmpegMenu::FfmpegMenu(app::Korvel& k, View& view) : k_(k) {
    for (const char* name : {"DivXBox", "DivXbutton"})
        if (QWidget* w = view.widget(*k.form1.find(QLatin1String(name))))
            w->installEventFilter(this);
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
    menu->exec(static_cast<QContextMenuEvent*>(e)->globalPos());
    return true;
}

void FfmpegMenu::copyCommand() const {
    k_.rt.dispatch([this] { k_.enc->copyFfmpegCommand(); });
}

}  // namespace ui
