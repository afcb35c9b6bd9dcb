#include "edit_box.h"
#include "fonts.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace parvelo;

namespace {

// A long text is drawn from its visible stretch alone; it must look and answer the
// pointer as QLineEdit does with the same stretch.
class EditBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host.resize(200, 80);
        for (QLineEdit *edit : {static_cast<QLineEdit *>(&box), &plain}) {
            edit->setParent(&host);
            edit->setFont(song_font(16));
            edit->setMaxLength(std::numeric_limits<int>::max());
        }
        box.setGeometry(0, 0, 64, 24);
        plain.setGeometry(0, 40, 64, 24);
        for (int i = 0; i < 1000; ++i)
            digits += QStringLiteral("1234567890");
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        box.clearFocus(); // no caret in either, unless a test asks for one
    }

    static QImage look(QLineEdit &edit) { return edit.grab().toImage(); }

    QWidget host;
    EditBox box{nullptr};
    QLineEdit plain;
    QString digits; // 10 000 characters: a long text
};

TEST_F(EditBoxTest, LongTextLooksLikeItsVisibleStretch)
{
    ASSERT_GE(digits.size(), EditBox::long_text);
    struct Case
    {
        const char *what;
        qsizetype cursor;
        QString stretch; // what QLineEdit is given to compare with
        qsizetype stretch_cursor;
    };
    const Case cases[] = {
        {"the beginning", 0, digits.left(40), 0},
        {"the end", digits.size(), digits.right(40), 40},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        box.setText(digits);
        box.setCursorPosition(static_cast<int>(c.cursor));
        plain.setText(c.stretch);
        plain.setCursorPosition(static_cast<int>(c.stretch_cursor));
        EXPECT_EQ(look(box), look(plain));
    }
}

TEST_F(EditBoxTest, ThePointerPlacesTheCaretAsInAShortText)
{
    box.setText(digits);
    box.setCursorPosition(0);
    plain.setText(digits.left(40));
    plain.setCursorPosition(0);
    int at_31 = 0;
    for (const int x : {3, 15, 31, 50}) {
        SCOPED_TRACE(x);
        QTest::mouseClick(&box, Qt::LeftButton, {}, {x, 12});
        QTest::mouseClick(&plain, Qt::LeftButton, {}, {x, 12});
        EXPECT_EQ(box.cursorPosition(), plain.cursorPosition());
        if (x == 31)
            at_31 = plain.cursorPosition();
    }
    // Shift extends the selection from where the caret was put.
    QTest::mouseClick(&box, Qt::LeftButton, {}, {3, 12});
    QTest::mouseClick(&box, Qt::LeftButton, Qt::ShiftModifier, {31, 12});
    EXPECT_EQ(box.selectionStart(), 0);
    EXPECT_EQ(box.selectionLength(), at_31);
}

TEST_F(EditBoxTest, EditingStaysQLineEdits)
{
    box.setText(digits);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_End);
    EXPECT_EQ(box.cursorPosition(), digits.size());
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box.selectedText().size(), digits.size());
    QTest::keyClicks(&box, QStringLiteral("5"));
    EXPECT_EQ(box.text(), QStringLiteral("5")); // short again, and whole
    box.setText(digits + QStringLiteral("米"));
    EXPECT_EQ(box.text().size(), digits.size() + 1); // no length limit
}

} // namespace
