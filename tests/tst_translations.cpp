// The catalogues and the choice of language: every text of the program has a
// Spanish and a German translation that keeps its placeholders, the tables
// are in the catalogues, the language comes from brevplus.ini or the system,
// and what the player sees is translated while what the files get is not.
#include "testsupport.h"

#include "app/playerprogress.h"
#include "app/progresswindow.h"
#include "game/questionlines.h"
#include "models/multiplechoicemodel.h"
#include "models/oddoneoutmodel.h"
#include "models/portraitmatchmodel.h"
#include "models/sortmodel.h"
#include "screens/scorewindow.h"
#include "store/hoflist.h"
#include "store/language.h"
#include "rules/mastery.h"
#include "store/progressstore.h"
#include "store/records.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <QXmlStreamReader>
#include <QtTest>

using namespace brev;

namespace {

struct Message {
    QString context;
    QString source;
    bool numerus = false;
    QString type;             // "unfinished", "vanished", "obsolete" or empty
    QStringList translations; // one, or each plural form
};

// The messages of a Qt Linguist catalogue, and its language.
QList<Message> readCatalogue(const QString& path, QString* language)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        const auto name = xml.name().toString();
        const auto attribute = [&](const char* a) {
            return xml.attributes().value(QLatin1String(a)).toString();
        };
        if (!xml.isStartElement())
            continue;
        if (name == QLatin1String("TS"))
            *language = attribute("language");
        else if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            messages.append({context, {}, attribute("numerus") == QLatin1String("yes"), {}, {}});
        else if (name == QLatin1String("source"))
            messages.last().source = xml.readElementText();
        else if (name == QLatin1String("translation") && (messages.last().type = attribute("type"), true) &&
                 !messages.last().numerus)
            messages.last().translations << xml.readElementText();
        else if (name == QLatin1String("numerusform"))
            messages.last().translations << xml.readElementText();
    }
    return messages;
}

// The placeholders of a text, sorted: "%1", "%2", "%n", "%L1".
QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%(n|L?[1-9])"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

QString catalogue(const QString& language)
{
    return QStringLiteral(BREV_TRANSLATIONS_DIR "/brevallo_%1.ts").arg(language);
}

QString qtCatalogues()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

// A help text of the program directory as the reader shows it.
QString helpText(const QString& file)
{
    QFile f(QStringLiteral(BREV_DATA_DIR "/") + file);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).remove(u'\r') : QString();
}

// A help text's sections in order: each heading underlined with dashes of its length.
QStringList sections(const QString& help)
{
    const QStringList lines = help.split(u'\n');
    QStringList found;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty() && lines[i] == QString(lines[i].size(), u'-') &&
            lines[i - 1].size() == lines[i].size())
            found << lines[i - 1];
    return found;
}

// Every test starts and ends in English.
struct InLanguage {
    explicit InLanguage(const QString& language) { ok = useLanguage(language, qtCatalogues()); }
    ~InLanguage() { useLanguage(QStringLiteral("en"), qtCatalogues()); }
    bool ok;
};

} // namespace

class TstTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsTranslatedWithItsPlaceholders_data();
    void everyTextIsTranslatedWithItsPlaceholders();
    void tablesAreInTheCatalogues();
    void catalogueIsBuiltIntoTheProgram();
    void languageFromSettingThenSystem_data();
    void languageFromSettingThenSystem();
    void brevplusIniLanguage_data();
    void brevplusIniLanguage();
    void savedLanguageReadsBack();
    void helpFileInTheLanguageShown();
    void shownTextsTranslatedWrittenTextsNot();
    void setupScreenChangesTheLanguage();
    void percentWrittenOneWay_data();
    void percentWrittenOneWay();
    void helpNamesWhatTheEnglishHelpNames_data();
    void helpNamesWhatTheEnglishHelpNames();
    void hallOfFameDatesInTheLanguageShown();
};

void TstTranslations::everyTextIsTranslatedWithItsPlaceholders_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("es") << QStringLiteral("es");
    QTest::newRow("de") << QStringLiteral("de");
}

void TstTranslations::everyTextIsTranslatedWithItsPlaceholders()
{
    QFETCH(QString, language);
    QString declared;
    const QList<Message> messages = readCatalogue(catalogue(language), &declared);
    QVERIFY2(messages.size() > 250, qPrintable(catalogue(language)));
    QVERIFY(declared.startsWith(language));
    QStringList faults;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(": \"") + m.source + u'"';
        if (!m.type.isEmpty())
            faults << where + QStringLiteral(" is ") + m.type;
        // Spanish and German have two plural forms: one, other.
        if (m.translations.size() != (m.numerus ? 2 : 1))
            faults << where + QStringLiteral(" has %1 forms").arg(m.translations.size());
        for (const QString& t : m.translations) {
            if (t.trimmed().isEmpty())
                faults << where + QStringLiteral(" has no translation");
            else if (placeholders(t) != placeholders(m.source))
                faults << where + QStringLiteral(" becomes \"") + t + QStringLiteral("\": placeholders ") +
                              placeholders(t).join(u' ') + QStringLiteral(" for ") +
                              placeholders(m.source).join(u' ');
        }
        if (m.numerus && !m.source.contains(QLatin1String("%n")))
            faults << where + QStringLiteral(" counts without %n");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

// The texts that tables hold are marked for the catalogues: each category
// the player can meet, its question, each sorting title and each end-of-term kind.
void TstTranslations::tablesAreInTheCatalogues()
{
    QString declared;
    QSet<QString> known;
    for (const Message& m : readCatalogue(catalogue(QStringLiteral("es")), &declared))
        known << m.context + u'|' + m.source;
    QStringList missing;
    const auto need = [&](const char* context, const QString& text) {
        if (!text.isEmpty() && !known.contains(QLatin1String(context) + u'|' + text))
            missing << QLatin1String(context) + QStringLiteral(": ") + text;
    };
    for (int k = 1; k < kCategories; ++k) {
        if (screenFor(k) == Screen::None)
            continue;
        need(kCategoryContext, categoryName(k));
        if (categoryRow(k).question)
            need(kCategoryContext, QString::fromLatin1(categoryRow(k).question));
        if (categoryRow(k).sortKey == SortKey::Term)
            need("brev::SortTitles", categoryName(k) + QStringLiteral(", in order of Presidency"));
    }
    for (int kind = 0; kind < int(kEndKinds.size()); ++kind)
        need(kEndKindContext, endKindText(kind));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

void TstTranslations::catalogueIsBuiltIntoTheProgram()
{
    QCOMPARE(currentLanguage(), QStringLiteral("en"));
    {
        InLanguage es(QStringLiteral("es"));
        QVERIFY(es.ok);
        QCOMPARE(currentLanguage(), QStringLiteral("es"));
        QCOMPARE(categoryName(1, Wording::Shown), QStringLiteral("¿Cuándo gobernó este presidente?"));
        QCOMPARE(categoryName(1), QStringLiteral("When did this president serve?"));
        QCOMPARE(endKindText(2, Wording::Shown), QStringLiteral("Asesinado"));
        QCOMPARE(endKindText(2), QStringLiteral("Assassinated"));
    }
    {
        InLanguage de(QStringLiteral("de"));
        QVERIFY(de.ok);
        QCOMPARE(endKindText(2, Wording::Shown), QStringLiteral("Ermordet"));
        // The Progress window's tooltips, made by the store.
        QCOMPARE(masteryWord(MasteryLevel::Learning), QStringLiteral("In Arbeit"));
        QCOMPARE(masteryHint(masteryOf({true, false})),
                 QStringLiteral("1 der letzten 2 Antworten richtig, die letzte richtig"));
        // Qt's own buttons come from Debian's qt6-translations-l10n.
        if (QFile::exists(qtCatalogues() + QStringLiteral("/qtbase_de.qm")))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }
    QCOMPARE(endKindText(2, Wording::Shown), QStringLiteral("Assassinated"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    // A language without a catalogue leaves English.
    QVERIFY(!useLanguage(QStringLiteral("fr"), qtCatalogues()));
    QCOMPARE(currentLanguage(), QStringLiteral("en"));
    QCOMPARE(endKindText(2, Wording::Shown), QStringLiteral("Assassinated"));
}

void TstTranslations::languageFromSettingThenSystem_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first with a catalogue") << "" << QStringList{"fr-FR", "es-MX", "de"} << "es";
    QTest::newRow("English preferred first") << "" << QStringList{"en-US", "de-DE"} << "en";
    QTest::newRow("none with a catalogue") << "" << QStringList{"C", "pt"} << "en";
    QTest::newRow("locale name") << "" << QStringList{"de_AT.UTF-8"} << "de";
    QTest::newRow("English setting wins") << "en" << QStringList{"de-DE"} << "en";
    QTest::newRow("any case, spaces") << " DE " << QStringList{"es"} << "de";
    QTest::newRow("0 is the system's") << "0" << QStringList{"es-ES"} << "es";
    QTest::newRow("region is not a language") << "es-ES" << QStringList{"de"} << "de";
}

void TstTranslations::languageFromSettingThenSystem()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, system);
    QFETCH(QString, shown);
    QCOMPARE(chooseLanguage(setting, system), shown);
}

void TstTranslations::brevplusIniLanguage_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QByteArray("[game]\nlanguage=de\n") << "de";
    QTest::newRow("upper case") << QByteArray("[game]\nlanguage=ES\n") << "es";
    QTest::newRow("English") << QByteArray("[game]\nlanguage=en\n") << "en";
    QTest::newRow("empty") << QByteArray("[game]\nlanguage=\n") << "";
    QTest::newRow("0") << QByteArray("[game]\nlanguage=0\n") << "";
    QTest::newRow("junk") << QByteArray("[game]\nlanguage=klingon\n") << "";
    QTest::newRow("other section") << QByteArray("[hof]\nlanguage=de\n") << "";
    QTest::newRow("no key") << QByteArray("[game]\nbonusQuestions=true\n") << "";
}

void TstTranslations::brevplusIniLanguage()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, language);
    test::Fixture f;
    QCOMPARE(f.program->settings.language(), QString()); // no file
    f.write(QString::fromLatin1(kPlusSettingsFile), ini);
    QCOMPARE(f.program->settings.language(), language);
}

void TstTranslations::savedLanguageReadsBack()
{
    test::Fixture f;
    f.write(QString::fromLatin1(kPlusSettingsFile), "[game]\nbonusQuestions=true\n");
    SettingsStore& s = f.program->settings;
    QVERIFY(!s.saveLanguage(QStringLiteral("de")));
    QCOMPARE(s.language(), QStringLiteral("de"));
    QVERIFY(!s.saveLanguage(QString()));
    QCOMPARE(s.language(), QString());
    const QSettings ini(f.path(QString::fromLatin1(kPlusSettingsFile)), QSettings::IniFormat);
    QVERIFY(ini.contains(QStringLiteral("game/language")));
    QCOMPARE(ini.value(QStringLiteral("game/bonusQuestions")).toString(), QStringLiteral("true"));

    // A file that cannot be written (a folder in its place) is told, naming it.
    test::Fixture g;
    QVERIFY(QDir(g.tmp.path()).mkdir(QString::fromLatin1(kPlusSettingsFile)));
    const Problem problem = g.program->settings.saveLanguage(QStringLiteral("es"));
    QVERIFY(problem);
    QVERIFY(problem->contains(QLatin1String(kPlusSettingsFile)));
    QCOMPARE(g.program->settings.language(), QString());
}

void TstTranslations::helpFileInTheLanguageShown()
{
    QTemporaryDir dir;
    const QString english = dir.filePath(QStringLiteral("brevhelp.txt"));
    const QString german = dir.filePath(QStringLiteral("brevhelp_de.txt"));
    QFile(english).open(QIODevice::WriteOnly);
    QFile(german).open(QIODevice::WriteOnly);
    QCOMPARE(fileInLanguage(english), english);
    {
        InLanguage de(QStringLiteral("de"));
        QCOMPARE(fileInLanguage(english), german);
    }
    {
        InLanguage es(QStringLiteral("es"));
        QCOMPARE(fileInLanguage(english), english); // no Spanish file here
    }
}

// In Spanish the windows get Spanish texts, while the log and the export get
// the English ones, record texts alike in both.
void TstTranslations::shownTextsTranslatedWrittenTextsNot()
{
    InLanguage es(QStringLiteral("es"));
    test::Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;

    test::ChosenDraw mcDraw(p, {3, 4, 5, 6, 7});
    const auto mc = f.question<MultipleChoiceModel>(1, &mcDraw);
    QVERIFY(mc);
    QCOMPARE(mc->shownQuestion(), QStringLiteral("¿Cuándo gobernó President 3?"));
    QVERIFY(onlineLines(mc->unanswered()).contains(QStringLiteral("When did President 3 serve?")));
    QVERIFY(onlineLines(mc->unanswered()).contains(QStringLiteral("When did this president serve?")));
    const Verdict wrong = mc->choose(1);
    QCOMPARE(wrong.results, QStringLiteral("Lo siento, la respuesta era 1800-1804"));
    QCOMPARE(wrong.heading, QStringLiteral("Resultados: ¿Cuándo gobernó este presidente?"));

    // Records 5, 10 and 15 served their terms; record 2 was assassinated.
    test::ChosenDraw oddDraw(p, {5, 2, 10, 15});
    const auto odd = f.question<OddOneOutModel>(25, &oddDraw);
    QVERIFY(odd);
    QCOMPARE(odd->shownQuestion(), QStringLiteral("Cumplió su mandato"));
    QCOMPARE(odd->question(), QStringLiteral("Served term"));
    const Verdict no = odd->choose(odd->oddPosition() == 0 ? 1 : 0);
    QCOMPARE(no.results,
             QStringLiteral("No: Fin del mandato de President 2: Asesinado, no Cumplió su mandato"));
    QCOMPARE(no.log.value(0).text,
             QStringLiteral("No, President 2's end of term: Assassinated, not Served term"));

    test::ChosenDraw sortDraw(p, {9, 8, 7, 6, 5});
    const auto sort = f.question<SortModel>(14, &sortDraw);
    QVERIFY(sort);
    QCOMPARE(sort->heading(), QStringLiteral("Ordenar vicepresidentes, en el orden de las presidencias"));
    QCOMPARE(playLines(sort->unanswered()).value(0), QStringLiteral("Sorting: Sort Vice Presidents"));
    const Verdict sorted = sort->judge();
    QVERIFY(sorted.results.endsWith(QStringLiteral("*** 0 de 10 correctos ")));
    QVERIFY(sorted.log.contains(LogLine{QStringLiteral("Vice 9 1824 > Vice 8 1820"), kPlayLevel}));

    test::ChosenDraw portraitDraw(p, {1, 2, 3, 4});
    const auto portraits = f.question<PortraitMatchModel>(11, &portraitDraw);
    QVERIFY(portraits);
    QCOMPARE(portraits->reviewQuestion(), QStringLiteral("Retratos")); // as the review shows it

    ProgressStore store(f.path(QString::fromLatin1(kProgressFile)));
    const QDateTime when(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);
    QVERIFY(!store.beginGame(QStringLiteral("Ana"), when, false));
    QVERIFY(!store.recordQuestion({1, 5, 5, {JudgedItem{2, QStringLiteral("President 2"), true, 5}}}, when));
    const ProgressWindow progress(store, QStringLiteral("Ana"), presidentSet(p.records), {}, nullptr);
    QCOMPARE(progress.categoryTable->item(0, 0)->text(), QStringLiteral("¿Cuándo gobernó este presidente?"));
    QCOMPARE(progress.categoryTable->item(0, 2)->text(), QStringLiteral("1 (100\u00A0%)"));
    const ProgressWindow unnamed(store, QStringLiteral("Player"), presidentSet(p.records), {}, nullptr);
    QCOMPARE(unnamed.playerLabel->text(), QStringLiteral("Progreso: Jugador"));
}

// The setup screen stores the choice and the windows opened after it speak
// the language; the system's choice brings back English under the C locale.
void TstTranslations::setupScreenChangesTheLanguage()
{
    test::Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    {
        test::TestSetup setup(p);
        auto* box = setup.findChild<QComboBox*>(QStringLiteral("cmbLanguage"));
        QVERIFY(box);
        QCOMPARE(box->currentIndex(), 0); // the system's
        const int german = box->findData(QStringLiteral("de"));
        QVERIFY(german > 0);
        box->setCurrentIndex(german);
        emit box->activated(german);
        QCOMPARE(p.settings.language(), QStringLiteral("de"));
        QCOMPARE(currentLanguage(), QStringLiteral("de"));
    }
    {
        ScoreWindow score(p.session);
        QCOMPARE(score.windowTitle(), QStringLiteral("Punktestand"));
        test::TestSetup setup(p);
        QCOMPARE(setup.windowTitle(), QStringLiteral("Brevallo Game – Einstellungen"));
        auto* box = setup.findChild<QComboBox*>(QStringLiteral("cmbLanguage"));
        QCOMPARE(box->currentData().toString(), QStringLiteral("de"));
        box->setCurrentIndex(0);
        emit box->activated(0);
        QCOMPARE(p.settings.language(), QString());
    }
    QCOMPARE(currentLanguage(), QStringLiteral("en")); // this test runs under LANG=C
    ScoreWindow score(p.session);
    QCOMPARE(score.windowTitle(), QStringLiteral("Score"));
}

void TstTranslations::percentWrittenOneWay_data()
{
    everyTextIsTranslatedWithItsPlaceholders_data();
}

// A language writes a percentage one way on every screen and in its help:
// the number, a no-break space and the sign ("60 %"), never "60%" nor a
// space where the line may break.
void TstTranslations::percentWrittenOneWay()
{
    QFETCH(QString, language);
    static const QRegularExpression sign(QStringLiteral("(%L?[1-9]|%n|\\d)([ \u00A0]?)%(?![1-9nL])"));
    const auto spaces = [](const QString& text) {
        QStringList found;
        for (auto it = sign.globalMatch(text); it.hasNext();)
            found << it.next().captured(2);
        return found;
    };
    const QString noBreak = QStringLiteral("\u00A0");
    QStringList faults;
    QString declared;
    for (const Message& m : readCatalogue(catalogue(language), &declared))
        for (const QString& t : m.translations)
            if (spaces(t) != QStringList(spaces(m.source).size(), noBreak))
                faults << m.source + QStringLiteral(" -> ") + t;
    const QStringList inHelp = spaces(helpText(QStringLiteral("brevhelp_%1.txt").arg(language)));
    if (inHelp.isEmpty() || inHelp != QStringList(inHelp.size(), noBreak))
        faults << QStringLiteral("the help");
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    InLanguage shown(language);
    QCOMPARE(ScoreChart::axisLabel(50), QStringLiteral("50\u00A0%")); // drawn, not from a message
}

void TstTranslations::helpNamesWhatTheEnglishHelpNames_data()
{
    everyTextIsTranslatedWithItsPlaceholders_data();
}

// Each help has a section for each of the English help's, listed in its
// contents in order, and names the buttons, marks and lines the English
// help names as the windows write them.
void TstTranslations::helpNamesWhatTheEnglishHelpNames()
{
    QFETCH(QString, language);
    const QString help = helpText(QStringLiteral("brevhelp_%1.txt").arg(language));
    const QString english = helpText(QStringLiteral("brevhelp.txt"));
    QCOMPARE(sections(english).size(), 8);
    QCOMPARE(sections(help).size(), sections(english).size());
    for (const QString& text : {english, help}) {
        const QString listed = sections(text).join(QStringLiteral(", ")) + u'.';
        bool contents = false;
        for (const QString& paragraph : text.split(QStringLiteral("\n\n")))
            contents = contents || paragraph.simplified().section(QStringLiteral(": "), 1) == listed;
        QVERIFY2(contents, qPrintable(listed));
    }
    const std::pair<const char*, const char*> named[]{{"brev::ScoreWindow", "End game"},
                                                      {"brev::ReviewWindow", "Copy"},
                                                      {"Review", "skipped"},
                                                      {"MainWindow", "Progress"},
                                                      {"brev::ProgressWindow", "Practice"},
                                                      {"brev::MatchingWindow", "Done"},
                                                      {"brev::HallOfFameWindow", "Online HOF"},
                                                      {"GameWindows", "Question %1 of %2"}};
    InLanguage shown(language);
    QStringList missing;
    for (const auto& [context, text] : named) {
        QVERIFY(english.contains(QString::fromLatin1(text).arg(3).arg(10)));
        if (!help.simplified().contains(QCoreApplication::translate(context, text).arg(3).arg(10)))
            missing << QCoreApplication::translate(context, text);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
}

// The hall of fame's dates on screen in the language shown; the file keeps
// month/day/year.
void TstTranslations::hallOfFameDatesInTheLanguageShown()
{
    HallOfFame hof(QStringLiteral("unused.hof"));
    hof.entries[1] = HofEntry{90, "brev    ", 70, "2  Ana", "12/8/2026", 0};
    hof.entries[2] = HofEntry{80, "brev    ", 60, "1  Bo", "8 Dec 2026", 0};
    hof.count = 2;
    QVERIFY(hof.lines().value(1).endsWith(QLatin1String(" 12/8/2026")));
    {
        InLanguage de(QStringLiteral("de"));
        QVERIFY(hof.lines().value(1).endsWith(QLatin1String(" 08.12.2026")));
        QVERIFY(hof.lines().value(2).endsWith(QLatin1String(" 8 Dec 2026"))); // not the file's form
    }
    InLanguage es(QStringLiteral("es"));
    QVERIFY(hof.lines().value(1).endsWith(QLatin1String(" 8/12/2026")));
    QVERIFY(hof.text().contains("\r\n12/8/2026\r\n"));
}

QTEST_MAIN(TstTranslations)
#include "tst_translations.moc"
