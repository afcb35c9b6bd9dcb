// Writes the main window as PNG files, offscreen:
//   parvelo_screenshot <file.png> [--example] [--ticks N [--every K]]
//   parvelo_screenshot <file.png> --convert <picture>   (another picture as PNG)
//   parvelo_screenshot <file.png> --grab-screen        (the whole X display, as it is)
// --example types worked example 1 and presses 按钮1; --ticks runs N scroll ticks and
// writes a frame every K of them as <file>-<tick>.png.
#include "inert_platform.h"
#include "main_window.h"
#include "platform.h"
#include "qt_timer.h"
#include "startup.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <cstdio>
#include <string_view>

using namespace parvelo;
using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    const bool grab = argc > 2 && std::string_view(argv[2]) == "--grab-screen";
    qputenv("QT_QPA_PLATFORM", grab ? "xcb" : "offscreen");
    QApplication app(argc, argv);
    prepare_toolkit(app);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: parvelo_screenshot <file.png> [--example] [--ticks N]\n");
        return 2;
    }
    const QString path = args[1];
    if (const qsizetype at = args.indexOf(u"--convert"_s); at > 0 && at + 1 < args.size())
        return QImage(args[at + 1]).save(path) ? 0 : 1;
    if (grab)
        return QGuiApplication::primaryScreen()->grabWindow(0).save(path) ? 0 : 1;
    fakes::InertPlatform desktop;
    auto window = create_main_window(desktop);
    window->show();

    if (args.contains(u"--example"_s)) {
        const char *inputs[][2]
            = {{"长", "5"},        {"高", "2"},        {"板单价", "60"},    {"控制卡", "300"},
               {"电源单价", "80"}, {"边框单价", "10"}, {"其它费用", "200"}, {"报价", "3000"}};
        for (const auto &[name, text] : inputs)
            static_cast<QLineEdit *>(window->control(QString::fromUtf8(name)))->setText(text);
        static_cast<QPushButton *>(window->control(u"按钮1"_s))->click();
    }
    const qsizetype ticks_at = args.indexOf(u"--ticks"_s);
    const int ticks = ticks_at > 0 && ticks_at + 1 < args.size() ? args[ticks_at + 1].toInt() : 0;
    const qsizetype every_at = args.indexOf(u"--every"_s);
    const int every = every_at > 0 && every_at + 1 < args.size() ? args[every_at + 1].toInt() : 1;
    app.processEvents();
    if (!window->grab().save(path))
        return 1;
    for (int tick = 1; tick <= ticks; ++tick) {
        emit window->timer(u"时钟1"_s)->ticked();
        app.processEvents();
        if (tick % every == 0) {
            QString frame = path;
            frame.replace(u".png"_s, u"-%1.png"_s.arg(tick, 3, 10, QChar(u'0')));
            window->grab().save(frame);
        }
    }
    return 0;
}
