#include "hof/hofd/classreport.h"

#include "hof/hofd/classfacts.h"
#include "hof/hofd/hofrequest.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QUuid>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <sys/random.h>

namespace hofd {

namespace {

constexpr char kCodeAlphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789"; // 32: no 0/O, 1/I
constexpr int kCodeLength = 6;
constexpr int kKeyBytes = 24;
constexpr int kMaxPlayerCodePoints = 800; // 80 characters of up to ten code points

// Random bytes from the kernel's generator, the one for keys.
QByteArray randomBytes(int count)
{
    QByteArray bytes(count, '\0');
    for (qsizetype got = 0; got < count;) {
        const ssize_t n = ::getrandom(bytes.data() + got, std::size_t(count - got), 0);
        if (n > 0)
            got += n;
    }
    return bytes;
}

// Reads the fields of one JSON object, naming each by its path when it is
// missing or not what it should be. The first problem found is the object's.
class Fields {
public:
    Fields(const QJsonObject& object, QString path) : object_(object), path_(std::move(path)) {}

    const brev::Problem& problem() const { return problem_; }

    QString name(const char* field) const { return path_ + QLatin1String(field); }

    void fail(const char* field, const QString& why) const
    {
        if (!problem_)
            problem_ = name(field) + QStringLiteral(": ") + why;
    }

    QJsonValue value(const char* field) const
    {
        const QJsonValue v = object_.value(QLatin1String(field));
        if (v.isUndefined())
            fail(field, QStringLiteral("missing"));
        return v;
    }

    int number(const char* field, int low, int high) const
    {
        const QJsonValue v = value(field);
        if (v.isUndefined())
            return 0;
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d != std::floor(d)) {
            fail(field, QStringLiteral("not a whole number"));
            return 0;
        }
        if (d < low || d > high) {
            fail(field, QStringLiteral("%1 is not from %2 to %3").arg(d, 0, 'f', 0).arg(low).arg(high));
            return 0;
        }
        return int(d);
    }

    bool flag(const char* field) const
    {
        const QJsonValue v = value(field);
        if (!v.isUndefined() && !v.isBool())
            fail(field, QStringLiteral("not true or false"));
        return v.toBool();
    }

    QString text(const char* field) const
    {
        const QJsonValue v = value(field);
        if (!v.isUndefined() && !v.isString())
            fail(field, QStringLiteral("not a text"));
        return v.toString();
    }

    QJsonArray list(const char* field) const
    {
        const QJsonValue v = value(field);
        if (!v.isUndefined() && !v.isArray())
            fail(field, QStringLiteral("not a list"));
        return v.toArray();
    }

    QDateTime time(const char* field) const
    {
        static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));
        const QString t = text(field);
        QDateTime when = form.match(t).hasMatch() ? QDateTime::fromString(t, Qt::ISODate) : QDateTime();
        if (!when.isValid() && !problem_)
            fail(field, QStringLiteral("not a UTC time such as 2026-12-08T20:01:02Z"));
        return when.toUTC();
    }

private:
    QJsonObject object_;
    QString path_;
    mutable brev::Problem problem_;
};

// A JSON list element that is not an object, named.
brev::Problem notObject(const QJsonValue& v, const QString& path)
{
    if (!v.isObject())
        return path + QStringLiteral(": not an object");
    return {};
}

brev::Result<ReportQuestion> readQuestion(const QJsonObject& object, const QString& path)
{
    const Fields f(object, path + u'.');
    ReportQuestion q;
    const QString kind = f.text("kind");
    q.category = f.number("category", 0, 1000);
    q.possible = f.number("possible", 0, 32767);
    q.points = f.number("points", 0, 32767);
    q.skipped = f.flag("skipped");
    const QJsonArray items = f.list("items");
    if (f.problem())
        return brev::failure(*f.problem());
    if (!isKind(kind))
        f.fail("kind", QStringLiteral("\"%1\" is not a kind of question").arg(kind.left(40)));
    else if (categoryKind(q.category).isEmpty())
        f.fail("category", QStringLiteral("%1 is not a category").arg(q.category));
    else if (categoryKind(q.category) != kind)
        f.fail("category", QStringLiteral("%1 is a %2 category, not %3")
                               .arg(q.category)
                               .arg(categoryKind(q.category), kind));
    else if (q.points > q.possible)
        f.fail("points", QStringLiteral("%1 is more than possible (%2)").arg(q.points).arg(q.possible));
    else if (q.skipped && q.points != 0)
        f.fail("points", QStringLiteral("a skipped question has no points"));
    else if (items.isEmpty() || items.size() > kMaxItems)
        f.fail("items", QStringLiteral("not 1 to %1 presidents").arg(kMaxItems));
    for (qsizetype i = 0; i < items.size() && !f.problem(); ++i) {
        const QString itemPath = path + QStringLiteral(".items[%1]").arg(i);
        if (const brev::Problem problem = notObject(items.at(i), itemPath))
            return brev::failure(*problem);
        const Fields item(items.at(i).toObject(), itemPath + u'.');
        ReportItem r;
        r.president = item.number("president", INT_MIN, INT_MAX);
        r.right = item.flag("right");
        if (item.problem())
            return brev::failure(*item.problem());
        if (presidentName(r.president).isEmpty())
            item.fail("president", QStringLiteral("%1 is not a president").arg(r.president));
        else if (std::any_of(q.items.cbegin(), q.items.cend(),
                             [&](const ReportItem& o) { return o.president == r.president; }))
            item.fail("president", QStringLiteral("%1 is asked twice").arg(r.president));
        else if (q.skipped && r.right)
            item.fail("right", QStringLiteral("a skipped question has no right answer"));
        if (item.problem())
            return brev::failure(*item.problem());
        q.items.append(r);
    }
    if (f.problem())
        return brev::failure(*f.problem());
    return q;
}

} // namespace

brev::Result<Report> parseReport(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError)
        return brev::failure(
            QStringLiteral("the body is not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        return brev::failure(QStringLiteral("the body is not a JSON object"));
    const Fields f(document.object(), QString());
    Report r;
    const int format = f.number("format", INT_MIN, INT_MAX);
    if (!f.problem() && format != 1)
        f.fail("format", QStringLiteral("%1 is not a format this service reads (1)").arg(format));
    const QString game = f.text("game");
    const QUuid uuid = QUuid::fromString(game);
    if (!f.problem() && (game.size() != 36 || uuid.isNull()))
        f.fail("game", QStringLiteral("not a UUID"));
    r.game = uuid.toString(QUuid::WithoutBraces);
    const QString player = f.text("player");
    if (!f.problem()) {
        const std::optional<QString> name = playerName(player);
        if (!name)
            f.fail("player", player.trimmed().isEmpty() ? QStringLiteral("empty")
                             : hasControl(player)       ? QStringLiteral("holds a control character")
                             : !hasVisible(player)
                                 ? QStringLiteral("holds no visible character")
                                 : QStringLiteral("longer than %1 characters").arg(kMaxPlayerName));
        r.player = name.value_or(QString());
    }
    r.started = f.time("started");
    r.ended = f.time("ended");
    if (!f.problem() && r.ended < r.started)
        f.fail("ended", QStringLiteral("before started"));
    r.score = f.number("score", 0, 32767);
    r.possible = f.number("possible", 0, 32767);
    if (!f.problem() && r.score > r.possible)
        f.fail("score", QStringLiteral("%1 is more than possible (%2)").arg(r.score).arg(r.possible));
    r.practice = f.flag("practice");
    const QJsonArray questions = f.list("questions");
    if (!f.problem() && questions.size() > kMaxQuestions)
        f.fail("questions", QStringLiteral("more than %1").arg(kMaxQuestions));
    if (f.problem())
        return brev::failure(*f.problem());
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const QString path = QStringLiteral("questions[%1]").arg(i);
        if (const brev::Problem problem = notObject(questions.at(i), path))
            return brev::failure(*problem);
        const brev::Result<ReportQuestion> question = readQuestion(questions.at(i).toObject(), path);
        if (!question)
            return brev::failure(*question.problem());
        r.questions.append(*question);
    }
    return r;
}

std::optional<QString> playerName(const QString& text)
{
    const QString name = text.trimmed().normalized(QString::NormalizationForm_C);
    if (name.isEmpty() || hasControl(name) || !hasVisible(name))
        return std::nullopt;
    int characters = 0;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, name);
    while (clusters.toNextBoundary() > 0)
        ++characters;
    if (characters > kMaxPlayerName)
        return std::nullopt;
    return capped(name, kMaxPlayerName, kMaxPlayerCodePoints);
}

std::optional<QString> classCode(const QString& text)
{
    const QString code = text.toUpper();
    if (code.size() != kCodeLength)
        return std::nullopt;
    for (const QChar c : code) {
        if (c.unicode() > 127 || !std::strchr(kCodeAlphabet, char(c.unicode())) || c.unicode() == 0)
            return std::nullopt;
    }
    return code;
}

QString newClassCode()
{
    const QByteArray bytes = randomBytes(kCodeLength);
    QString code;
    for (const char b : bytes)
        code += QLatin1Char(kCodeAlphabet[uchar(b) % 32]); // 256 is 8 times 32: every character as likely
    return code;
}

QString newClassKey()
{
    return QString::fromLatin1(
        randomBytes(kKeyBytes).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QByteArray keyHash(const QString& key)
{
    return QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex();
}

bool sameHash(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char differ = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        differ |= uchar(a.at(i)) ^ uchar(b.at(i));
    return differ == 0;
}

QString utcText(const QDateTime& time)
{
    return time.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

} // namespace hofd
