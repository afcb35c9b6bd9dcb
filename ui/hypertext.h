#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringView>

namespace parvelo {

// A piece of one line: plain text, or the label of link `link`.
struct HyperRun
{
    QString text;
    int link = -1;
};

struct HyperDocument
{
    QList<QList<HyperRun>> lines;
    QStringList targets; // by link index; ASCII letters in lower case
};

// Reads the content: LF breaks a line, CR does nothing, blanks stay as they are, and
// <a href=target>label</a> (tags in any case, target unquoted) makes a link.
HyperDocument parse_hypertext(QStringView content);

struct TextStyle
{
    QFont font;
    QColor colour;
    bool underline = false;
};

struct HyperStyles
{
    TextStyle body;
    TextStyle link;  // a:link
    TextStyle hover; // a:hover
};

// The body, a:link and a:hover rules of a style sheet; the links inherit the body font.
HyperStyles read_style_sheet(QStringView sheet);

} // namespace parvelo
