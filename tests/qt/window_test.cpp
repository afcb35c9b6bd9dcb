#include "banner_view.h"
#include "events.h"
#include "layout.h"
#include "main_window.h"
#include "qt_timer.h"
#include "recording_platform.h"
#include "startup.h"
#include "worked_examples.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace parvelo;
using namespace Qt::StringLiterals;

namespace {

class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = create_main_window(desktop, [this](QWindow *) { ++moves; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QWidget *control(const char *name) const { return window->control(QString::fromUtf8(name)); }
    QLineEdit *edit(const char *name) const { return qobject_cast<QLineEdit *>(control(name)); }

    fakes::RecordingPlatform desktop;
    int moves = 0;
    std::unique_ptr<MainWindow> window;
};

TEST_F(WindowTest, WorkedExamplesTypedAndClicked)
{
    for (const fakes::WorkedExample &example : fakes::worked_examples) {
        SCOPED_TRACE(example.button);
        for (const auto &[name, text] : example.inputs) {
            edit(name.c_str())->setFocus();
            edit(name.c_str())->selectAll(); // typing replaces the last example
            QTest::keyClicks(edit(name.c_str()), QString::fromStdString(text));
            ASSERT_EQ(window->read(name), text);
        }
        // A result typed over by hand is replaced by the next press.
        QTest::keyClicks(edit("板长"), u"999"_s);
        QTest::mouseClick(control(example.button), Qt::LeftButton);
        for (const auto &[name, text] : example.results)
            EXPECT_EQ(window->read(name), text) << name;
    }
}

TEST_F(WindowTest, TabFollowsTheFixedOrderAndWraps)
{
    EXPECT_EQ(QApplication::focusWidget(), control("按钮1"));
    const auto order = tab_order();
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const char *expected = order[i % order.size()];
        ASSERT_EQ(QApplication::focusWidget(), control(expected))
            << "step " << i << ": " << expected;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), control("简单超文本框2"));
    control("长")->setFocus();
    QTest::keyClick(control("长"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control("高"));
}

TEST_F(WindowTest, EscapeClosesFromAnEditBoxAndEnterDoesNothing)
{
    edit("高")->setFocus();
    QTest::keyClick(edit("高"), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), control("高"));
    QTest::keyClick(edit("高"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, ArrowKeysMoveNoFocus)
{
    struct Case
    {
        const char *control;
        Qt::Key key;
    };
    const Case cases[] = {
        {"按钮1", Qt::Key_Right}, // a Qt push button would hand the focus on
        {"按钮3", Qt::Key_Down},          {"按钮10", Qt::Key_Left}, {"按钮16", Qt::Key_Up},
        {"简单超文本框1", Qt::Key_Right}, {"长", Qt::Key_Down},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control);
        control(c.control)->setFocus();
        QTest::keyClick(control(c.control), c.key);
        EXPECT_EQ(QApplication::focusWidget(), control(c.control));
    }
    // In an edit box they move the caret.
    edit("高")->setFocus();
    QTest::keyClicks(edit("高"), u"12"_s);
    QTest::keyClick(edit("高"), Qt::Key_Left);
    EXPECT_EQ(edit("高")->cursorPosition(), 1);
    EXPECT_EQ(QApplication::focusWidget(), control("高"));
}

TEST_F(WindowTest, DragToMoveStartsOnlyFromBackgroundLabelsAndGroupBoxes)
{
    struct Case
    {
        const char *control; // nullptr: the window's own background
        QPoint pos;          // in the control (or window) coordinates
        bool moves;
    };
    const Case cases[]
        = {
            {nullptr, {450, 50}, true}, // between the banner and the results group
            {"标签21", {10, 8}, true},
            {"标签27", {10, 8}, true},     // a window label drawn over the results group
            {"分组框1", {20, 6}, true},    // on its caption
            {"分组框1", {420, 150}, true}, // its empty interior
            {"分组框2", {300, 215}, true},
            {"图片框1", {100, 30}, false},
            {"长", {10, 10}, false},
            {"按钮10", {10, 10}, false},
            {"简单超文本框2", {200, 50}, false},
        };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control ? c.control : "background");
        QWidget *target = c.control ? control(c.control) : window.get();
        const int before = moves;
        QTest::mousePress(target, Qt::LeftButton, {}, c.pos);
        QTest::mouseRelease(target, Qt::LeftButton, {}, c.pos);
        EXPECT_EQ(moves - before, c.moves ? 1 : 0);
        EXPECT_EQ(window->childAt(target->mapTo(window.get(), c.pos)),
                  c.control ? target : nullptr);
    }
}

TEST_F(WindowTest, BannerOpensItsPageOncePerPress)
{
    QWidget *banner = control("图片框1");
    const QPoint inside = banner->mapTo(window.get(), QPoint(50, 40));

    QTest::mouseClick(banner, Qt::LeftButton, Qt::ControlModifier, {5, 5});
    ASSERT_EQ(desktop.shell_calls.size(), 1u);
    EXPECT_EQ(desktop.shell_calls[0].file, "explorer.exe");
    EXPECT_EQ(desktop.shell_calls[0].parameters, banner_address);
    EXPECT_EQ(desktop.shell_calls[0].show, ShowState::ShowNormal);

    // Through the window system, as a real double click arrives.
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, inside);
    EXPECT_EQ(desktop.shell_calls.size(), 2u);

    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, inside);
    EXPECT_EQ(desktop.shell_calls.size(), 2u);
    EXPECT_EQ(moves, 0);
}

TEST_F(WindowTest, CalculatorButtonStartsOneCalculatorPerClickAndFailsSilently)
{
    QTest::mouseClick(control("按钮10"), Qt::LeftButton);
    desktop.succeed = false;
    QTest::mouseClick(control("按钮10"), Qt::LeftButton);
    const std::vector<std::string> expected(2, R"(c:\windows\system32\calc.exe)");
    EXPECT_EQ(desktop.processes, expected);
    // Nothing to report: no other window appeared.
    QApplication::processEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_TRUE(w == window.get() || !w->isVisible()) << w->metaObject()->className();
    EXPECT_TRUE(window->isActiveWindow());
}

TEST_F(WindowTest, LayoutSpotChecks)
{
    EXPECT_EQ(window->windowTitle(), u"Tolvenar Parvelo V2010.05.29"_s);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // fixed size
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMinimizeButtonHint);

    struct Case
    {
        const char *name;
        const char *parent; // nullptr: the window
        QRect geometry;
        int pixels;
        bool bold;
    };
    const Case cases[] = {
        {"标签27", nullptr, {744, 121, 80, 24}, 12, true}, // window control over the group
        {"按钮10", nullptr, {759, 184, 136, 32}, 12, false},
        {"长", "分组框2", {209, 22, 64, 24}, 16, false},
        {"报价", "分组框2", {210, 189, 64, 24}, 16, true},
        {"标签18", "分组框1", {8, 120, 72, 24}, 12, true},
        {"成本", "分组框1", {88, 119, 64, 24}, 14, false},
        {"按钮2", "分组框1", {304, 305, 136, 32}, 12, false}, // one pixel above its row
        {"分组框1", nullptr, {455, 4, 448, 436}, 14, true},
        {"简单超文本框2", nullptr, {6, 333, 440, 107}, 12, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget *w = control(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), c.parent ? control(c.parent) : window.get());
        EXPECT_EQ(w->geometry(), c.geometry);
        EXPECT_EQ(w->font().pixelSize(), c.pixels);
        EXPECT_EQ(w->font().bold(), c.bold);
    }
    // Drawn above the results group.
    EXPECT_EQ(window->childAt(QPoint(750, 130)), control("标签27"));
    EXPECT_EQ(window->childAt(QPoint(800, 200)), control("按钮10"));

    EXPECT_EQ(qobject_cast<QPushButton *>(control("按钮12"))->text(), u"P12.5 4590 边框"_s);
    EXPECT_EQ(edit("报价")->palette().color(QPalette::Text), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(edit("长")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(edit("板长")->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(qobject_cast<QLabel *>(control("标签4"))->palette().color(QPalette::WindowText),
              QColor(0xFF, 0x00, 0x00));

    // "宋体" maps to a face with SimSun's metrics at 12 px.
    const QFontMetrics metrics(control("按钮1")->font());
    EXPECT_EQ(metrics.horizontalAdvance(u"A"_s), 6);
    EXPECT_EQ(metrics.horizontalAdvance(u"框"_s), 12);

    // The banner decoded from the built-in bytes, drawn at its own size.
    const auto *banner = dynamic_cast<BannerView *>(control("图片框1"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->picture().size(), QSize(440, 75));

    EXPECT_EQ(window->timer(u"时钟1"_s)->objectName(), u"时钟1"_s);
    EXPECT_NE(window->timer(u"时钟2"_s), nullptr);
}

TEST_F(WindowTest, LongResultShowsItsBeginning)
{
    window->write("总价", "123456789012.3456");
    EXPECT_EQ(edit("总价")->cursorPosition(), 0);
    EXPECT_EQ(window->read("总价"), "123456789012.3456");
    edit("其它费用")->setText(u"  12.5  "_s);
    EXPECT_EQ(window->read("其它费用"), "  12.5  ");
}

} // namespace
