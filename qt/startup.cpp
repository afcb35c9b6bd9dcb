#include "startup.h"

#include "events.h"
#include "platform.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace parvelo {

void prepare_toolkit(QApplication &app)
{
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);
    app.setPalette(app.style()->standardPalette());
}

std::unique_ptr<MainWindow> create_main_window(Platform &platform, WindowMove move)
{
    auto window = std::make_unique<MainWindow>(platform, std::move(move));
    raise_event(*window, {}, Event::Created);
    return window;
}

int run_program(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The window's class and the desktop entry it belongs to, so that launchers group it.
    QApplication::setApplicationName(QStringLiteral("Parvelo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tolvenar.Parvelo"));
    prepare_toolkit(app);
    const std::unique_ptr<Platform> platform = make_desktop_platform();
    const std::unique_ptr<MainWindow> window = create_main_window(*platform);
    window->show();
    return app.exec();
}

} // namespace parvelo
