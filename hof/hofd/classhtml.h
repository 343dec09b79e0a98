// An HTML page of the class pages, written piece by piece so that nothing a
// report or a teacher sent can become markup: markup comes only from this
// program's own string literals (tag), every other text is escaped on its way
// in (text, name), and a name keeps its own direction (a right-to-left name or
// one holding a direction override leaves the rest of its line alone). The
// page is in the reader's language, readable without script and at 200 %.
#pragma once

#include "hof/hofd/classfacts.h"

#include <QByteArray>
#include <QString>

namespace hofd {

class Html {
public:
    // The head (title, style) and the start of the body; no heading yet.
    Html(Language language, const QString& title);

    // Markup written by this program.
    Html& tag(const char* markup);
    // Text, escaped; fit for an attribute's value too.
    Html& text(const QString& text);
    Html& number(qint64 n);
    // A name from a report or a teacher, escaped and isolated (<bdi>).
    Html& name(const QString& name);
    // pattern with %1 standing for a name: the pattern's text escaped, the
    // name as name() writes it.
    Html& sentence(const QString& pattern, const QString& name);

    // The page, closed.
    QByteArray page();

private:
    QString out_;
};

// A text page: a heading and a paragraph, both escaped.
QByteArray messagePage(Language language, const QString& title, const QString& message);

} // namespace hofd
