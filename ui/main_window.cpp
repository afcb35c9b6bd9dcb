#include "main_window.h"

#include "banner_view.h"
#include "fonts.h"
#include "hypertext_view.h"
#include "interval_timer.h"
#include "jpeg_image.h"
#include "links.h"
#include "platform.h"

#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <limits>

using namespace Qt::StringLiterals;

namespace parvelo {

namespace {

// The outer size holds a narrow tool-window frame: 3 px at each side, a 19 px caption.
// On Linux the window manager draws its own frame around this client area.
constexpr int client_width = window_outer_width - 6;
constexpr int client_height = window_outer_height - 25;

QString text_of(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QFont font_of(FontSpec row)
{
    return row.pixels ? song_font(row.pixels, row.bold) : default_control_font();
}

void set_colour(QWidget *w, QPalette::ColorRole role, int colour)
{
    if (colour == default_colour)
        return;
    QPalette palette = w->palette();
    palette.setColor(role, QColor::fromRgb(static_cast<QRgb>(colour)));
    w->setPalette(palette);
}

QLineEdit *make_edit(const ControlSpec &row, QWidget *container)
{
    auto *edit = new QLineEdit(container);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor::fromRgb(static_cast<QRgb>(row.colour)));
    // The selection is not shown while the window is inactive either.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     QColor::fromRgb(static_cast<QRgb>(row.colour)));
    edit->setPalette(palette);
    return edit;
}

QImage load_banner()
{
    QFile file(u":/assets/banner.jpg"_s);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return decode_jpeg({reinterpret_cast<const unsigned char *>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size())});
}

} // namespace

QPoint centred_position(QSize screen)
{
    // Truncating division, also where the window is larger than the screen.
    return {(screen.width() - window_outer_width) / 2, (screen.height() - window_outer_height) / 2};
}

MainWindow::MainWindow(Platform &platform)
    : platform(platform)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                            | Qt::WindowCloseButtonHint;
#ifdef _WIN32
    flags |= Qt::Tool; // the narrow caption
#endif
    setWindowFlags(flags);
    setWindowTitle(text_of(window_title));
    tag = QString::fromStdString(shipped_link_list());
    setWindowIcon(QIcon(u":/assets/icon.png"_s));
    setFixedSize(client_width, client_height);
    setFont(default_control_font());
    setAutoFillBackground(true);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(centred_position(screen->geometry().size()));

    for (const ControlSpec &row : window_layout()) {
        QWidget *container = row.container ? controls.value(text_of(row.container)) : this;
        if (QWidget *w = build(row, container)) {
            w->setObjectName(text_of(row.name));
            w->setGeometry(row.left, row.top, row.width, row.height);
            w->installEventFilter(this);
            controls.insert(w->objectName(), w);
        }
    }
    controls.value(text_of(tab_order().front()))->setFocus();
}

QWidget *MainWindow::build(const ControlSpec &row, QWidget *container)
{
    const QString text = text_of(row.text);
    QWidget *w = nullptr;
    switch (row.kind) {
    case Kind::Timer: {
        auto *timer = new IntervalTimer(this);
        timer->setObjectName(text_of(row.name));
        timers.insert(timer->objectName(), timer);
        return nullptr;
    }
    case Kind::Label: {
        auto *label = new QLabel(text, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
        set_colour(label, QPalette::WindowText, row.colour);
        w = label;
        break;
    }
    case Kind::Edit: {
        auto *edit = make_edit(row, container);
        fields.insert(text_of(row.name), edit);
        w = edit;
        break;
    }
    case Kind::Button: {
        // A CR LF ends the caption with an empty second line.
        auto *button = new QPushButton(QString(text).replace(u"\r\n"_s, u"\n"_s), container);
        button->setAutoDefault(false);
        w = button;
        break;
    }
    case Kind::GroupBox: {
        auto *group = new QGroupBox(text, container);
        set_colour(group, QPalette::WindowText, row.colour);
        w = group;
        break;
    }
    case Kind::Picture: {
        auto *banner = new BannerView(container);
        banner->set_picture(load_banner());
        w = banner;
        break;
    }
    case Kind::Hypertext: {
        const bool notes = !text.isEmpty();
        auto *view = new HypertextView(
            container, notes ? HypertextView::Border::ThinSunken : HypertextView::Border::None,
            [this](const QString &target) {
                platform.shell_open(target.toStdString(), {}, ShowState::Show);
            });
        view->set_style_sheet(text_of(default_style_sheet));
        view->set_content(text);
        w = view;
        break;
    }
    }
    w->setFont(font_of(row.font));
    kinds.insert(w, row.kind);
    return w;
}

HypertextView *MainWindow::hypertext(const QString &name) const
{
    return kinds.value(control(name)) == Kind::Hypertext
               ? static_cast<HypertextView *>(control(name))
               : nullptr;
}

std::string MainWindow::read(std::string_view name) const
{
    const QLineEdit *edit = fields.value(QString::fromUtf8(name.data(), qsizetype(name.size())));
    return edit ? edit->text().toStdString() : std::string();
}

void MainWindow::write(std::string_view name, std::string_view text)
{
    QLineEdit *edit = fields.value(QString::fromUtf8(name.data(), qsizetype(name.size())));
    if (!edit)
        return;
    edit->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    edit->setCursorPosition(0); // a long result shows its beginning
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return key_rule(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // Labels and group boxes move the window and keep the press to themselves.
        const Kind kind = kinds.value(static_cast<QWidget *>(watched), Kind::Edit);
        if (kind == Kind::Label || kind == Kind::GroupBox) {
            platform.start_window_move(windowHandle());
            return true;
        }
    }
    return false;
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        platform.start_window_move(windowHandle());
    QWidget::mousePressEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (!key_rule(event))
        QWidget::keyPressEvent(event);
}

bool MainWindow::key_rule(QKeyEvent *event)
{
    const auto others = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (others)
            return false;
        move_focus(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return true;
    default:
        return false;
    }
}

void MainWindow::move_focus(bool forward)
{
    const auto order = tab_order();
    const int n = static_cast<int>(order.size());
    const QWidget *current = focusWidget();
    int index = forward ? -1 : 0;
    for (int i = 0; i < n; ++i)
        if (current && current->objectName() == text_of(order[i]))
            index = i;
    for (int step = 1; step <= n; ++step) {
        QWidget *next = control(text_of(order[((index + (forward ? step : -step)) % n + n) % n]));
        if (next && next->isVisible() && next->isEnabled()) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace parvelo
