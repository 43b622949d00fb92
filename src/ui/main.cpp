// Korvel: the desktop program.
#include <QApplication>
#include <QFile>
#include <QScreen>

#include "app/korvel.h"
#include "cli/command_line.h"
#include "media/file_name.h"
#include "platform/codec_settings.h"
#include "platform/qt/end_requests.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/timer_driver.h"
#include "ui/border_button.h"
#include "ui/display_check.h"
#include "ui/ffmpeg_menu.h"
#include "ui/film_opener.h"
#include "ui/view.h"
#include "ui/window_widget.h"

namespace {
void nameTheProgram() {
    QCoreApplication::setOrganizationName(QStringLiteral("Korvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Korvel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEL_VERSION));
}
}  // namespace

int main(int argc, char** argv) {
    QByteArray film;  // named on the command line, read once the window is up
    if (argc > 1) {
        // Answered without a window, and so without a display.
        QCoreApplication core(argc, argv);
        nameTheProgram();
        QFile out;
        out.open(stdout, QIODevice::WriteOnly);
        QTextStream err(stderr);
        const QByteArrayList words = cli::commandLineWords(argc, argv);
        if (const std::optional<int> status = cli::answerCommandLine(words, out, err, &film))
            return *status;
    }
    ui::DisplayCheck display;  // no display: one line and status 1 instead of an abort
    QApplication qapp(argc, argv);
    display.opened();
    nameTheProgram();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont font = QApplication::font();
    font.setPointSizeF(8);
    QApplication::setFont(font);

    platform::QtServices services;
    // The codec's settings are read on request, from wherever this machine keeps them.
    const std::unique_ptr<platform::RegistrySource> registry = platform::codecSettingsSource();
    app::Korvel korvel(services.services(*registry), cli::systemNumberLocale());
    ui::View view(korvel.rt);
    for (auto& w : korvel.rt.windows())
        services.windows.add(w->name(), view.window(*w));
    platform::QtTimerDriver timers(korvel.rt);
    ui::FilmOpener films(korvel, view);
    ui::BorderButton borders(korvel, view, films);
    ui::FfmpegMenu ffmpegMenu(korvel, view, &films);

    view.onClose = [&korvel](forms::Window& w) { korvel.userClose(w); };
    // Logout, shutdown, kill and Ctrl+C end the program as closing its window does.
    platform::EndRequests endRequests([&korvel] {
        if (!korvel.rt.ended()) korvel.userClose(korvel.form1);
    });

    // The main window opens in the middle of the screen; the others are placed relative to it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    korvel.form1.move((screen.center().x() - 176) * 15, (screen.center().y() - 176) * 15);

    korvel.start();
    if (korvel.rt.ended()) return 0;
    if (!film.isEmpty()) films.open(media::fromNativeBytes(film));
    return QApplication::exec();
}
