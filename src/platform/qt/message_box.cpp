#include "platform/qt/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace platform {

QString messageLines(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

void QtMessageBox::show(const QString& text, const std::optional<QString>& title) {
    const QString caption = title ? *title : QStringLiteral("Korvel");
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        // Without a widget application there is nothing to show a box on.
        qWarning("%s: %s", qPrintable(caption), qPrintable(messageLines(text)));
        return;
    }
    const QPointer<QWidget> over = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, caption, messageLines(text), QMessageBox::Ok, over);
    // The program's texts are plain: a "<" in them must not switch the box to rich text.
    box.setTextFormat(Qt::PlainText);
    // A message shown before the main window is up must not end the program when closed.
    box.setAttribute(Qt::WA_QuitOnClose, false);
    box.exec();
    // The keyboard goes back to the window the message was shown over, also where no window
    // manager hands it back.
    if (over && over->isVisible()) over->activateWindow();
}

}  // namespace platform
