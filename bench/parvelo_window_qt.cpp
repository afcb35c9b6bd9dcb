// Parvelo's Qt window as the cost benchmarks run it:
//   parvelo_window_qt       the program's start-up, ending at the window's first paint
//   parvelo_window_qt ticks N  N scroll ticks, each with its repaint, counted by callgrind
#include "main_window.h"
#include "platform.h"
#include "qt_timer.h"
#include "startup.h"

#include "first_paint.h"

#include <QApplication>

#include <valgrind/callgrind.h>

#include <cstring>

using namespace parvelo;

[[gnu::noinline]] void scroll_tick(MainWindow &window)
{
    emit window.timer(QStringLiteral("时钟1"))->ticked();
    QApplication::processEvents();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepare_toolkit(app);
    const auto platform = make_desktop_platform();
    const auto window = create_main_window(*platform);
    if (argc > 1 && std::strcmp(argv[1], "ticks") == 0) {
        window->show();
        QApplication::processEvents();
        const int n = argc > 2 ? std::atoi(argv[2]) : 100;
        // The bar's first showing draws its picture: a tick of the steady state is counted.
        for (int i = 0; i < 10; ++i)
            scroll_tick(*window);
        for (int i = 0; i < n; ++i) {
            CALLGRIND_TOGGLE_COLLECT;
            scroll_tick(*window);
            CALLGRIND_TOGGLE_COLLECT;
        }
        return 0;
    }
    QuitAtFirstPaint quit;
    window->installEventFilter(&quit);
    window->show();
    return app.exec();
}
