// Every catalogue in translations/, as a host gets it by its locale: the
// messages keep their placeholders, the units of a dimension stay apart by
// name and by symbol, and a translated symbol remains that symbol.
#include <qzUnitAll.h>

#include "checks.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace {

// The placeholders of a text, sorted: a translation may move them, never
// drop, add or renumber one.
QStringList placeholders(const QString& text)
{
    QStringList found;
    for (auto it = QRegularExpression(QStringLiteral("%(\\d+|n)")).globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// The pieces of a symbol that are symbols of their own ("mm" and "r" of "mm/r").
QStringList tokens(const QString& symbol)
{
    return symbol.split(QRegularExpression(QStringLiteral("[\\s/·*()^0-9²³⁻]+")), Qt::SkipEmptyParts);
}

struct Texts
{
    QList<qzUnitSystem::Dimension> dimensions = qzUnitSystem::getDimensions();
    QVector<QStringList> names;   // per dimension of getDimensions(), by unit index
    QVector<QStringList> symbols; // the same for symbols
};

// The unit names and symbols of every dimension under the installed translators.
Texts texts()
{
    Texts all;
    for (qzUnitSystem::Dimension dimension : all.dimensions) {
        const qzUnitSystem system(dimension);
        all.names.append(system.names());
        all.symbols.append(system.symbols());
    }
    return all;
}

// Installs the library's catalogue for a language the way a host switching
// its locale does, for the lifetime of the object.
struct Catalogue
{
    explicit Catalogue(const QString& language)
    {
        loaded = translator.load(QLocale(language), QStringLiteral("qzUnit"), QStringLiteral("_"),
                                 QStringLiteral(QZUNIT_TRANSLATIONS_DIR))
                 && QCoreApplication::installTranslator(&translator);
    }
    ~Catalogue() { QCoreApplication::removeTranslator(&translator); }
    QTranslator translator;
    bool loaded = false;
};

} // namespace

class tst_qzUnitCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void placeholdersKept_data() { languages(); }
    void placeholdersKept();
    void unitsStayApart_data() { languages(); }
    void unitsStayApart();
    void symbolsStaySymbols_data() { languages(); }
    void symbolsStaySymbols();

private:
    static void languages();
};

// One row per catalogue source, so that a catalogue added to translations/
// but not built makes the tests fail.
void tst_qzUnitCatalogues::languages()
{
    QTest::addColumn<QString>("language");
    const QDir sources(QStringLiteral(QZUNIT_TRANSLATIONS_SOURCE_DIR));
    const QStringList files = sources.entryList({ QStringLiteral("qzUnit_*.ts") }, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString& file : files) {
        const QString language = file.mid(7, file.size() - 10);
        QTest::newRow(qPrintable(language)) << language;
    }
}

void tst_qzUnitCatalogues::placeholdersKept()
{
    QFETCH(QString, language);
    QFile file(QStringLiteral(QZUNIT_TRANSLATIONS_SOURCE_DIR "/qzUnit_%1.ts").arg(language));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    int checked = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if ((name == QLatin1String("translation") && !numerus) || name == QLatin1String("numerusform")) {
            const QString translation = xml.readElementText();
            QVERIFY2(placeholders(translation) == placeholders(source), qPrintable(source + QLatin1String(" -> ") + translation));
            ++checked;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(checked > 0);
}

// Two units of one dimension that read alike in a language could not be told
// apart, unless their English texts coincide already; and a translated name,
// typed back, finds its own unit, not one whose symbol or English name it is.
void tst_qzUnitCatalogues::unitsStayApart()
{
    QFETCH(QString, language);
    const Texts english = texts();
    const Catalogue catalogue(language);
    QVERIFY(catalogue.loaded);
    const Texts translated = texts();
    for (int d = 0; d < english.names.size(); ++d) {
        for (int i = 0; i < english.names.at(d).size(); ++i) {
            const QString name = translated.names.at(d).at(i);
            const auto found = qzUnitSystem::findUnits(name, english.dimensions.at(d));
            QVERIFY2(found.size() == 1 && english.names.at(d).at(found.first().second) == english.names.at(d).at(i),
                     qPrintable(english.names.at(d).at(i) + QLatin1String(" -> ") + name));
            for (int j = 0; j < i; ++j) {
                const QString pair = english.names.at(d).at(j) + QLatin1String(", ") + english.names.at(d).at(i);
                QVERIFY2(translated.names.at(d).at(i) != translated.names.at(d).at(j)
                             || english.names.at(d).at(i) == english.names.at(d).at(j), qPrintable(pair));
                QVERIFY2(translated.symbols.at(d).at(i) != translated.symbols.at(d).at(j)
                             || english.symbols.at(d).at(i) == english.symbols.at(d).at(j), qPrintable(pair));
            }
        }
    }
}

// A symbol that the catalogue translates stays a symbol, not the unit's
// name, and keeps every piece that is an untranslated unit symbol elsewhere
// ("mm" of "mm/r", "A" and "m" of "A/m"): only the abbreviations of words
// change with the language.
void tst_qzUnitCatalogues::symbolsStaySymbols()
{
    QFETCH(QString, language);
    const Texts english = texts();
    const Catalogue catalogue(language);
    QVERIFY(catalogue.loaded);
    const Texts translated = texts();
    QSet<QString> international; // the pieces of the symbols the catalogue leaves alone
    for (int d = 0; d < english.symbols.size(); ++d)
        for (int i = 0; i < english.symbols.at(d).size(); ++i)
            if (translated.symbols.at(d).at(i) == english.symbols.at(d).at(i))
                for (const QString& piece : tokens(english.symbols.at(d).at(i)))
                    international.insert(piece);
    for (int d = 0; d < english.symbols.size(); ++d) {
        for (int i = 0; i < english.symbols.at(d).size(); ++i) {
            const QString symbol = english.symbols.at(d).at(i);
            const QString translation = translated.symbols.at(d).at(i);
            if (translation == symbol)
                continue;
            const QString what = symbol + QLatin1String(" -> ") + translation;
            QVERIFY2(!translation.isEmpty() && !translation.contains(QLatin1Char(' ')), qPrintable(what));
            QVERIFY2(translation != translated.names.at(d).at(i) || symbol == english.names.at(d).at(i), qPrintable(what));
            const QStringList kept = tokens(translation);
            for (const QString& piece : tokens(symbol))
                QVERIFY2(!international.contains(piece) || kept.contains(piece), qPrintable(what));
        }
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitCatalogues)
#include "tst_qzUnitCatalogues.moc"
