// The baselines Parvelo's Qt window is measured beside:
//   bare_qt                 one empty 910 x 466 window; ends at its first paint
//   bare_qt strip           the same window with an empty 792 x 16 child that a 180 ms
//                           timer moves 5 px to the left, on and on
//   bare_qt ticks N         N of those moves, each with its repaint, counted by callgrind
// A last argument "text" puts one line of Chinese text on the window (in the Song face):
// what drawing any text at all costs, font database and all.
#include "first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <valgrind/callgrind.h>

#include <cstring>

// Not inlined: callgrind counts this function alone.
[[gnu::noinline]] void strip_tick(QWidget *strip)
{
    strip->move(strip->x() - 5, strip->y());
    QApplication::processEvents();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(910, 466);
    const bool text = argc > 1 && std::strcmp(argv[argc - 1], "text") == 0;
    if (text)
        --argc;
    QLabel line(QStringLiteral("使用说明：A项必填，不足1米的小数，可只填点几"), &window);
    line.setFont([] {
        QFont font(QStringLiteral("AR PL UMing CN"));
        font.setPixelSize(12);
        return font;
    }());
    line.setGeometry(10, 10, 400, 16);
    line.setVisible(text);
    const char *mode = argc > 1 ? argv[1] : "";
    QuitAtFirstPaint quit;
    if (!*mode) {
        window.installEventFilter(&quit);
        window.show();
        return app.exec();
    }
    QWidget strip(&window);
    strip.setGeometry(910, 446, 792, 16);
    strip.setAttribute(Qt::WA_OpaquePaintEvent);
    window.show();
    QApplication::processEvents();
    if (std::strcmp(mode, "ticks") == 0) {
        const int n = argc > 2 ? std::atoi(argv[2]) : 100;
        for (int i = 0; i < 10; ++i)
            strip_tick(&strip);
        for (int i = 0; i < n; ++i) {
            CALLGRIND_TOGGLE_COLLECT;
            strip_tick(&strip);
            CALLGRIND_TOGGLE_COLLECT;
        }
        return 0;
    }
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &strip, [&] {
        strip.move(strip.x() + strip.width() < 0 ? 910 : strip.x() - 5, strip.y());
    });
    timer.start(180);
    return app.exec();
}
