#include "hof/hofd/classhtml.h"

namespace hofd {

namespace {

// Marks carry their word and a colour; focus shows as a thick outline; wide
// tables scroll on their own at 200 %, the text around them reflows.
const char* const kStyle =
    "body{font-family:sans-serif;margin:0;color:#1b1b1b;background:#fff;line-height:1.45}"
    "main{max-width:62em;margin:0 auto;padding:1em 1.25em 3em}"
    "h1{font-size:1.6em}h2{font-size:1.25em;margin-top:2em}"
    "table{border-collapse:collapse;margin:.5em 0}"
    "caption{text-align:left;font-weight:bold;padding:.3em 0}"
    "th,td{padding:.3em .7em;border-bottom:1px solid #bbb;text-align:left;vertical-align:top}"
    ".n{text-align:right}.scroll{overflow-x:auto}"
    ".mark{padding:.1em .5em;border-radius:.3em;font-weight:bold;white-space:nowrap}"
    ".m0{background:#e6e6e6}.m1{background:#fbd5d5;color:#6b0d0d}"
    ".m2{background:#fdebb3;color:#553c00}.m3{background:#cfe8d6;color:#0e4722}"
    ".vh{position:absolute;width:1px;height:1px;overflow:hidden;clip-path:inset(50%);white-space:nowrap}"
    "a{color:#0b4fa0}a:focus,button:focus,input:focus,.scroll:focus{outline:3px solid #0b4fa0;"
    "outline-offset:2px}"
    "button,input{font:inherit}button{padding:.35em .9em;margin:.2em 0}input[type=text]{padding:.3em;"
    "max-width:100%}"
    ".code{font-family:monospace;font-size:1.5em;letter-spacing:.15em}.address{word-break:break-all}"
    ".danger{background:#8b1a1a;color:#fff;border:0;border-radius:.3em}";

} // namespace

Html::Html(Language language, const QString& title)
{
    out_.reserve(16 * 1024);
    tag("<!DOCTYPE html>\n<html lang=\"")
        .tag(languageTag(language))
        .tag("\">\n<head>\n<meta charset=\"utf-8\">\n");
    tag("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    tag("<meta name=\"referrer\" content=\"no-referrer\">\n<meta name=\"robots\" content=\"noindex\">\n");
    tag("<title>")
        .text(title)
        .tag("</title>\n<style>")
        .tag(kStyle)
        .tag("</style>\n</head>\n<body>\n<main>\n");
}

Html& Html::tag(const char* markup)
{
    out_ += QString::fromUtf8(markup);
    return *this;
}

Html& Html::text(const QString& text)
{
    out_ += text.toHtmlEscaped();
    return *this;
}

Html& Html::number(qint64 n)
{
    out_ += QString::number(n);
    return *this;
}

Html& Html::name(const QString& name)
{
    return tag("<bdi>").text(name).tag("</bdi>");
}

Html& Html::sentence(const QString& pattern, const QString& name)
{
    const qsizetype at = pattern.indexOf(QLatin1String("%1"));
    if (at < 0)
        return text(pattern);
    text(pattern.left(at));
    this->name(name);
    return text(pattern.mid(at + 2));
}

QByteArray Html::page()
{
    tag("</main>\n</body>\n</html>\n");
    return out_.toUtf8();
}

QByteArray messagePage(Language language, const QString& title, const QString& message)
{
    Html h(language, title);
    h.tag("<h1>").text(title).tag("</h1>\n<p>").text(message).tag("</p>\n");
    return h.page();
}

} // namespace hofd
