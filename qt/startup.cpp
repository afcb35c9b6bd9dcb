#include "startup.h"

#include "events.h"
#include "platform.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include <malloc.h>

namespace parvelo {

namespace {

// What start-up needed only for a while (the font configuration's parse, the banner's
// decoding, the first layouts) goes back to the system once the first frame is painted.
class ReturnStartUpMemory : public QObject
{
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [] { malloc_trim(0); });
        }
        return false;
    }
};

} // namespace

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
    ReturnStartUpMemory trim;
    window->installEventFilter(&trim);
    return app.exec();
}

} // namespace parvelo
