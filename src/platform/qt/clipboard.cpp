#include "platform/qt/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

namespace {
QClipboard* systemClipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::clipboard()
               : nullptr;
}
}  // namespace

void QtClipboard::setText(const QString& text) {
    if (QClipboard* c = systemClipboard()) c->setText(text);
}

QString QtClipboard::text() const {
    const QClipboard* c = systemClipboard();
    return c ? c->text() : QString();
}

}  // namespace platform
