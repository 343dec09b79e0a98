// Checks the shipped pictures and sounds: every file the settings file, the
// sound list and the program name exists in data/, loads, and has the shape
// the screens expect.
#include "models/stageword.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

QString dataPath(const QString& name)
{
    return QDir(QStringLiteral(BREV_DATA_DIR)).filePath(name);
}

QList<int> portraitNumbers()
{
    QList<int> numbers;
    for (int record = 1; record <= 41; ++record)
        numbers << (record <= 23 ? record : record + 1);
    return numbers;
}

// Lines of a CR LF text file, read as Latin-1.
QStringList textLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromLatin1(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString unquoted(QString s)
{
    s = s.trimmed();
    if (s.size() >= 2 && s.startsWith(QLatin1Char('"')) && s.endsWith(QLatin1Char('"')))
        s = s.mid(1, s.size() - 2);
    return s;
}

struct WaveInfo {
    bool riffWave = false;
    int format = 0;
    int channels = 0;
    int bitsPerSample = 0;
    quint32 sampleRate = 0;
    quint32 byteRate = 0;
    qint64 dataBytes = -1;
    QString error;
};

// Walks the RIFF chunks of a wave file; never reads past the buffer.
WaveInfo readWave(const QByteArray& b)
{
    WaveInfo w;
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        w.error = QStringLiteral("not a RIFF/WAVE file");
        return w;
    }
    w.riffWave = true;
    const auto* p = reinterpret_cast<const uchar*>(b.constData());
    qint64 pos = 12;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(p + pos + 4);
        const qint64 body = pos + 8;
        if (body + size > b.size()) {
            w.error = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return w;
        }
        if (id == "fmt ") {
            if (size < 16) {
                w.error = QStringLiteral("short fmt chunk");
                return w;
            }
            w.format = qFromLittleEndian<quint16>(p + body);
            w.channels = qFromLittleEndian<quint16>(p + body + 2);
            w.sampleRate = qFromLittleEndian<quint32>(p + body + 4);
            w.byteRate = qFromLittleEndian<quint32>(p + body + 8);
            w.bitsPerSample = qFromLittleEndian<quint16>(p + body + 14);
        } else if (id == "data") {
            w.dataBytes = size;
        }
        pos = body + size + (size & 1);
    }
    return w;
}

} // namespace

class TestMedia : public QObject {
    Q_OBJECT

private slots:
    void backgroundNamedBySettings();
    void soundList();
    void soundFiles_data();
    void soundFiles();
    void portraits_data();
    void portraits();
    void portraitsAllDifferent();
    void stagePictures_data();
    void stagePictures();
    void noStageOutsideOneToSix();
    void iconAndDesktopEntry();
};

void TestMedia::backgroundNamedBySettings()
{
    const QStringList lines = textLines(dataPath(QStringLiteral("brev.INI")));
    QVERIFY2(lines.size() >= 5, "brev.INI has fewer than five lines");
    const QString name = unquoted(lines.at(4));
    QVERIFY2(!name.isEmpty(), "no background picture named on line 5 of brev.INI");
    QImage img(dataPath(name));
    QVERIFY2(!img.isNull(), qPrintable(name + QStringLiteral(" does not load")));
    QCOMPARE(img.size(), QSize(720, 840));
}

void TestMedia::soundList()
{
    QFile f(dataPath(QStringLiteral("brevsnd.dat")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray raw = f.readAll();
    QVERIFY2(raw.endsWith("\r\n"), "last line lacks CR LF");
    QCOMPARE(raw.count('\n'), raw.count("\r\n"));
    const QStringList lines = textLines(f.fileName());
    QCOMPARE(lines.size(), 16);
    for (const QString& line : lines) {
        QVERIFY2(line.startsWith(QLatin1Char('"')) && line.endsWith(QLatin1Char('"')), qPrintable(line));
        QVERIFY2(!unquoted(line).isEmpty(), "empty sound name");
    }
}

void TestMedia::soundFiles_data()
{
    QTest::addColumn<QString>("name");
    const QStringList lines = textLines(dataPath(QStringLiteral("brevsnd.dat")));
    for (int i = 0; i < lines.size(); ++i)
        QTest::addRow("effect %d", i) << unquoted(lines.at(i));
}

void TestMedia::soundFiles()
{
    QFETCH(QString, name);
    QFile f(dataPath(name));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(name + QStringLiteral(" is missing")));
    const WaveInfo w = readWave(f.readAll());
    QVERIFY2(w.error.isEmpty(), qPrintable(name + QStringLiteral(": ") + w.error));
    QCOMPARE(w.format, 1); // PCM
    QCOMPARE(w.bitsPerSample, 16);
    QVERIFY(w.channels >= 1);
    QVERIFY(w.sampleRate > 0);
    QCOMPARE(w.byteRate, w.sampleRate * quint32(w.channels) * 2u);
    QVERIFY2(w.dataBytes > 0, "empty or missing data chunk");
    QVERIFY2(w.dataBytes < qint64(w.byteRate), "sound is one second or longer");
}

void TestMedia::portraits_data()
{
    QTest::addColumn<int>("number");
    for (int n : portraitNumbers())
        QTest::addRow("brev%d", n) << n;
}

void TestMedia::portraits()
{
    QFETCH(int, number);
    const QString name = QStringLiteral("brev%1.gif").arg(number);
    QImage img(dataPath(name));
    QVERIFY2(!img.isNull(), qPrintable(name + QStringLiteral(" does not load")));
    QCOMPARE(img.width() * 3, img.height() * 2);
}

void TestMedia::portraitsAllDifferent()
{
    QHash<QByteArray, int> seen;
    for (int n : portraitNumbers()) {
        const QImage img =
            QImage(dataPath(QStringLiteral("brev%1.gif").arg(n))).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!img.isNull());
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (int y = 0; y < img.height(); ++y)
            hash.addData(
                QByteArrayView(reinterpret_cast<const char*>(img.constScanLine(y)), img.width() * 4));
        const QByteArray key = hash.result();
        QVERIFY2(!seen.contains(key),
                 qPrintable(QStringLiteral("brev%1.gif shows the same picture as brev%2.gif")
                                .arg(n)
                                .arg(seen.value(key))));
        seen.insert(key, n);
    }
}

void TestMedia::stagePictures_data()
{
    QTest::addColumn<int>("stage");
    for (int i = 1; i <= 6; ++i)
        QTest::addRow("stage %d", i) << i;
}

void TestMedia::stagePictures()
{
    QFETCH(int, stage);
    const QString name = QLatin1String(brev::stageWord) + QString::number(stage) + QStringLiteral(".jpg");
    QImage img(dataPath(name));
    QVERIFY2(!img.isNull(), qPrintable(name + QStringLiteral(" does not load")));
    QCOMPARE(img.width() * 3, img.height() * 2);
    // The white head is the finished eagle's alone (stage 1, shown as the name is
    // lost); every earlier stage still has its pencil head.
    const QColor head = img.pixelColor(150 * img.width() / 240, 110 * img.height() / 360);
    QCOMPARE(std::min({head.red(), head.green(), head.blue()}) > 230, stage == 1);
}

void TestMedia::noStageOutsideOneToSix()
{
    QVERIFY(sizeof(brev::stageWord) > 1);
    const QRegularExpression re(
        QStringLiteral("^%1(\\d+)\\.jpg$").arg(QRegularExpression::escape(QLatin1String(brev::stageWord))),
        QRegularExpression::CaseInsensitiveOption);
    const QStringList files = QDir(QStringLiteral(BREV_DATA_DIR)).entryList(QDir::Files);
    int found = 0;
    for (const QString& f : files) {
        const auto m = re.match(f);
        if (!m.hasMatch())
            continue;
        const int n = m.captured(1).toInt();
        QVERIFY2(n >= 1 && n <= 6, qPrintable(f + QStringLiteral(" is outside stages 1..6")));
        ++found;
    }
    QCOMPARE(found, 6);
}

void TestMedia::iconAndDesktopEntry()
{
    QImage icon(dataPath(QStringLiteral("brevallo.png")));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(256, 256));
    QVERIFY(icon.hasAlphaChannel());

    const QStringList lines = textLines(dataPath(QStringLiteral("brevallo.desktop")));
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
    for (const char* entry :
         {"Type=Application", "Name=Brevallo Game", "Exec=brevallo", "Icon=brevallo", "Terminal=false"})
        QVERIFY2(lines.contains(QLatin1String(entry)), entry);
}

QTEST_GUILESS_MAIN(TestMedia)
#include "tst_media.moc"
