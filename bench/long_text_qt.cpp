// The Qt window with a whole spreadsheet column pasted into 长 by mistake (1 MB of
// digits): how long the paste holds the window, the longest stall of the event loop over
// three seconds of caret blinking and link-bar scrolling with that box focused, and how
// long a preset click takes until its results are painted.
//   xvfb-run -a bench/long-text      (or QT_QPA_PLATFORM=offscreen)
#include "inert_platform.h"
#include "main_window.h"
#include "platform.h"
#include "startup.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace parvelo;

namespace {

// Runs the loop for `ms` and returns the longest gap between two turns of it.
qint64 longest_stall(QApplication &app, int ms)
{
    QElapsedTimer clock, since;
    clock.start();
    since.start();
    qint64 longest = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { longest = std::max(longest, since.restart()); });
    probe.start(5);
    while (clock.elapsed() < ms)
        app.processEvents(QEventLoop::WaitForMoreEvents, 50);
    return longest;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepare_toolkit(app);
    fakes::InertPlatform desktop;
    const auto window = create_main_window(desktop);
    window->show();
    window->activateWindow();
    longest_stall(app, 500); // settle

    auto *edit = static_cast<QLineEdit *>(window->control(QStringLiteral("长")));
    edit->setFocus();
    QApplication::clipboard()->setText(QString(1000000, QLatin1Char('7')));
    QElapsedTimer clock;
    clock.start();
    edit->paste();
    QApplication::processEvents();
    const qint64 paste = clock.elapsed();

    const int bar_before = window->bar().left;
    const qint64 stall = longest_stall(app, 3000);
    const int moved = bar_before - window->bar().left;

    clock.restart();
    static_cast<QPushButton *>(window->control(QStringLiteral("按钮1")))->click();
    window->repaint();
    const qint64 click = clock.elapsed();

    std::printf("paste of 1 MB into 长: %lld ms\n", paste);
    std::printf("longest event-loop stall over 3 s, 长 focused: %lld ms (goal <= 50); the bar "
                "moved %d px\n",
                stall, moved);
    std::printf("preset click to painted results: %lld ms (goal <= 100); 板长 = %s\n", click,
                window->read("板长").c_str());
    return 0;
}
