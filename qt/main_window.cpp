#include "main_window.h"

#include "assets.h"
#include "banner_view.h"
#include "edit_box.h"
#include "events.h"
#include "fonts.h"
#include "hypertext_view.h"
#include "input.h"
#include "jpeg.h"
#include "links.h"
#include "platform.h"
#include "qt_timer.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <limits>

using namespace Qt::StringLiterals;

namespace parvelo {

namespace {

// The outer size holds a narrow tool-window frame: 3 px at each side, a 19 px caption.
// On Linux the window manager draws its own frame around this client area.
constexpr int fixed_client_width = window_outer_width - 6;
constexpr int fixed_client_height = window_outer_height - 25;

QString text_of(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont font_of(FontSpec row)
{
    return row.pixels ? song_font(row.pixels, row.bold) : default_control_font();
}

QColor colour_of(int rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

void set_colour(QWidget *w, QPalette::ColorRole role, int colour)
{
    if (colour == default_colour)
        return;
    QPalette palette = w->palette();
    palette.setColor(role, colour_of(colour));
    w->setPalette(palette);
}

QLineEdit *make_edit(const ControlSpec &row, QWidget *container)
{
    auto *edit = new EditBox(container);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, colour_of(row.colour));
    // The selection is not shown while the window is inactive either.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, colour_of(row.colour));
    edit->setPalette(palette);
    return edit;
}

Key key_of(int qt_key)
{
    switch (qt_key) {
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    default:
        return Key::Other;
    }
}

KeyPress key_press_of(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers m = event->modifiers();
    return {key_of(event->key()), event->key() == Qt::Key_Backtab || (m & Qt::ShiftModifier) != 0,
            (m & Qt::ControlModifier) != 0, (m & Qt::AltModifier) != 0};
}

// The second press of a double click is no press of its own.
bool is_left_press(const QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    return mouse->button() == Qt::LeftButton
           && !(mouse->flags() & Qt::MouseEventCreatedDoubleClick);
}

} // namespace

void system_window_move(QWindow *window)
{
    if (window)
        window->startSystemMove();
}

MainWindow::MainWindow(Platform &platform, WindowMove mover)
    : desktop(platform)
    , move_window(std::move(mover))
    , tag(shipped_link_list())
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                            | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(text_of(window_title));
    setWindowIcon(QIcon(u":/assets/icons/32.png"_s));
    setFixedSize(fixed_client_width, fixed_client_height);
    setFont(default_control_font());
    setAutoFillBackground(true);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->geometry().size();
        const ScreenPosition at = centred_position(size.width(), size.height());
        move(at.left, at.top);
    }

    for (const ControlSpec &row : window_layout()) {
        QWidget *container = row.container ? controls.value(text_of(row.container)) : this;
        if (QWidget *w = build(row, container)) {
            w->setObjectName(text_of(row.name));
            w->setGeometry(row.left, row.top, row.width, row.height);
            w->setFont(font_of(row.font));
            w->installEventFilter(this);
            controls.insert(w->objectName(), w);
        }
    }
    restore_focus(*this, {});
}

QWidget *MainWindow::build(const ControlSpec &row, QWidget *container)
{
    const QString name = text_of(row.name);
    const QString text = text_of(row.text);
    switch (row.kind) {
    case Kind::Timer: {
        auto *timer = new IntervalTimer(this);
        timer->setObjectName(name);
        timers.insert(name, timer);
        connect(timer, &IntervalTimer::ticked, this,
                [this, name = row.name] { raise_event(*this, name, Event::Tick); });
        return nullptr;
    }
    case Kind::Label: {
        auto *label = new QLabel(text, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
        set_colour(label, QPalette::WindowText, row.colour);
        return label;
    }
    case Kind::Edit: {
        auto *edit = make_edit(row, container);
        fields.insert(name, edit);
        return edit;
    }
    case Kind::Button: {
        // A CR LF ends the caption with an empty second line.
        auto *button = new QPushButton(QString(text).replace(u"\r\n"_s, u"\n"_s), container);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, name = row.name] { raise_event(*this, name, Event::Clicked); });
        return button;
    }
    case Kind::GroupBox: {
        auto *group = new QGroupBox(text, container);
        set_colour(group, QPalette::WindowText, row.colour);
        return group;
    }
    case Kind::Picture: {
        auto *banner = new BannerView(container);
        banner->set_picture(decode_jpeg(banner_jpeg()));
        return banner;
    }
    case Kind::Hypertext: {
        const bool notes = row.name == usage_notes_view;
        auto *view = new HypertextView(container, notes, desktop, row.name == link_bar_view);
        view->set_style_sheet(default_style_sheet);
        view->set_content(row.text);
        if (row.name == link_bar_view)
            link_bar = view;
        return view;
    }
    }
    return nullptr;
}

QWidget *MainWindow::find(std::string_view name) const
{
    return controls.value(text_of(name));
}

HypertextView *MainWindow::hypertext(std::string_view name) const
{
    const ControlSpec *row = find_control(name);
    return row && row->kind == Kind::Hypertext ? static_cast<HypertextView *>(find(name)) : nullptr;
}

std::string MainWindow::read(std::string_view name) const
{
    const QLineEdit *edit = fields.value(text_of(name));
    return edit ? edit->text().toStdString() : std::string();
}

void MainWindow::write(std::string_view name, std::string_view text)
{
    QLineEdit *edit = fields.value(text_of(name));
    if (!edit)
        return;
    edit->setText(text_of(text));
    edit->setCursorPosition(0); // a long result shows its beginning
}

BarRect MainWindow::window_outer() const
{
    const QRect frame = frameGeometry();
    return {frame.left(), frame.top(), frame.width(), frame.height()};
}

BarRect MainWindow::bar() const
{
    const QRect r = link_bar->geometry();
    return {r.left(), r.top(), r.width(), r.height()};
}

void MainWindow::set_bar_left(int left)
{
    link_bar->move(left, link_bar->y());
}

void MainWindow::set_bar_top(int top)
{
    link_bar->move(link_bar->x(), top);
}

void MainWindow::set_bar_width(int width)
{
    link_bar->resize(width, link_bar->height());
}

void MainWindow::set_bar_content(std::string_view html)
{
    link_bar->set_content(html);
}

void MainWindow::set_timer_period(std::string_view timer, int milliseconds)
{
    if (IntervalTimer *t = timers.value(text_of(timer)))
        t->set_period(milliseconds);
}

ScreenPoint MainWindow::pointer() const
{
    const PointerPosition p = desktop.cursor_position();
    return {p.x, p.y};
}

std::string MainWindow::focused_control() const
{
    const QWidget *focus = focusWidget();
    return focus && controls.value(focus->objectName()) == focus ? focus->objectName().toStdString()
                                                                 : std::string();
}

bool MainWindow::can_take_focus(std::string_view control) const
{
    const QWidget *w = find(control);
    // Visible within the window, which may itself not be shown yet.
    return w && w->isVisibleTo(this) && w->isEnabled();
}

void MainWindow::focus_control(std::string_view control)
{
    if (QWidget *w = find(control))
        w->setFocus(Qt::TabFocusReason);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return key_press(*this, key_press_of(static_cast<QKeyEvent *>(event)));
    if (is_left_press(event))
        return !left_press(*this, watched->objectName().toStdString());
    return false;
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (is_left_press(event))
        left_press(*this, {});
    QWidget::mousePressEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (!key_press(*this, key_press_of(event)))
        QWidget::keyPressEvent(event);
}

} // namespace parvelo
