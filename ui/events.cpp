#include "events.h"

#include "banner_view.h"
#include "estimate.h"
#include "interval_timer.h"
#include "main_window.h"
#include "platform.h"
#include "window_link_bar.h"

#include <QPushButton>

#include <array>

namespace parvelo {

namespace {

void run_preset(MainWindow &window, std::string_view button)
{
    if (const BoardPreset *preset = find_preset(button))
        compute_estimate(*preset, window);
}

void run_build_link_bar(MainWindow &window, std::string_view)
{
    WindowLinkBar host(window);
    build_link_bar(host);
}

void run_scroll_step(MainWindow &window, std::string_view)
{
    WindowLinkBar host(window);
    scroll_step(host);
}

void run_hover_check(MainWindow &window, std::string_view)
{
    WindowLinkBar host(window);
    hover_check(host);
}

// Every event the program handles; no other event has an operation.
constexpr std::array<EventBinding, 20> bindings = {{
    {"", Event::Created, run_build_link_bar},      {"按钮1", Event::Clicked, run_preset},
    {"按钮2", Event::Clicked, run_preset},         {"按钮3", Event::Clicked, run_preset},
    {"按钮4", Event::Clicked, run_preset},         {"按钮5", Event::Clicked, run_preset},
    {"按钮6", Event::Clicked, run_preset},         {"按钮7", Event::Clicked, run_preset},
    {"按钮8", Event::Clicked, run_preset},         {"按钮9", Event::Clicked, run_preset},
    {"按钮11", Event::Clicked, run_preset},        {"按钮12", Event::Clicked, run_preset},
    {"按钮13", Event::Clicked, run_preset},        {"按钮14", Event::Clicked, run_preset},
    {"按钮15", Event::Clicked, run_preset},        {"按钮16", Event::Clicked, run_preset},
    {"按钮10", Event::Clicked, launch_calculator}, {"图片框1", Event::LeftPress, open_banner_page},
    {"时钟1", Event::Tick, run_scroll_step},       {"时钟2", Event::Tick, run_hover_check},
}};

QString name_of(std::string_view control)
{
    return QString::fromUtf8(control.data(), qsizetype(control.size()));
}

} // namespace

void connect_events(MainWindow &window)
{
    for (const EventBinding &b : bindings) {
        const auto run = [&window, b] { b.operation(window, b.control); };
        switch (b.event) {
        case Event::Created:
            break; // raised once by start-up
        case Event::Clicked:
            if (auto *button = qobject_cast<QPushButton *>(window.control(name_of(b.control))))
                QObject::connect(button, &QPushButton::clicked, &window, run);
            break;
        case Event::LeftPress:
            if (auto *banner = qobject_cast<BannerView *>(window.control(name_of(b.control))))
                QObject::connect(banner, &BannerView::left_pressed, &window, run);
            break;
        case Event::Tick:
            if (IntervalTimer *timer = window.timer(name_of(b.control)))
                QObject::connect(timer, &IntervalTimer::ticked, &window, run);
            break;
        }
    }
}

void raise_created(MainWindow &window)
{
    for (const EventBinding &b : bindings)
        if (b.event == Event::Created)
            b.operation(window, b.control);
}

void launch_calculator(MainWindow &window, std::string_view)
{
    window.desktop().create_process(R"(c:\windows\system32\calc.exe)");
}

void open_banner_page(MainWindow &window, std::string_view)
{
    window.desktop().shell_open("explorer.exe", banner_address, ShowState::ShowNormal);
}

} // namespace parvelo
