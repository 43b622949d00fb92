// The yardstick for start-up: Qt Widgets' "hello world", a window with one line of text. Every
// program that shows text pays for loading the font database, so the yardstick does too.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Korvel"));
    window.resize(353, 352);
    window.show();
    return QApplication::exec();
}
