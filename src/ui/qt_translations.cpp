#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ui {

QtTranslations::~QtTranslations() {
    drop();
}

void QtTranslations::drop() {
    if (translator_ && QCoreApplication::instance())
        QCoreApplication::removeTranslator(translator_.get());
    translator_.reset();
}

void QtTranslations::follow(i18n::Language lang) {
    if (lang_ == lang) return;
    lang_ = lang;
    drop();
    if (lang == i18n::English) return;
    auto t = std::make_unique<QTranslator>();
    const QString file = lang == i18n::German ? QStringLiteral("qt_de") : QStringLiteral("qt_fr");
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!t->load(file, folder)) {
        qWarning("Qt's own texts stay English: %s.qm is not in %s", qPrintable(file),
                 qPrintable(folder));
        return;
    }
    QCoreApplication::installTranslator(t.get());
    translator_ = std::move(t);
}

}  // namespace ui
