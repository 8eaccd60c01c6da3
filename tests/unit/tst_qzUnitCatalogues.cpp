// Every catalogue in translations/, as a host gets it by its locale, and the
// English texts: the messages keep their placeholders, the units of a
// dimension stay apart by name and by symbol, the parser reads each name and
// symbol back as its unit, and a translated symbol remains that symbol.
#include <qzUnitAll.h>
#include <qzUnitTranslator.h>

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

struct Unit
{
    qzUnitSystem::Dimension dimension;
    int index;
    QString name;
    QString symbol;
};

// Every unit of every dimension, named under the installed translators; the
// units of a dimension follow each other in index order.
QVector<Unit> units()
{
    QVector<Unit> all;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitSystem system(dimension);
        const QStringList names = system.names();
        const QStringList symbols = system.symbols();
        for (int i = 0; i < names.size(); ++i)
            all.append({ dimension, i, names.at(i), symbols.value(i) });
    }
    return all;
}

} // namespace

class tst_qzUnitCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void placeholdersKept_data() { languages(); }
    void placeholdersKept();
    void unitTexts_data() { languages(true); }
    void unitTexts();
    void cleanup() { qzUnitTranslator::remove(); } // each row starts from English

private:
    static void languages(bool withEnglish = false);
};

// One row per catalogue source, so that a catalogue added to translations/
// but not built makes the tests fail.
void tst_qzUnitCatalogues::languages(bool withEnglish)
{
    QTest::addColumn<QString>("language");
    const QDir sources(QStringLiteral(QZUNIT_TRANSLATIONS_SOURCE_DIR));
    const QStringList files = sources.entryList({ QStringLiteral("qzUnit_*.ts") }, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    if (withEnglish)
        QTest::newRow("en") << QStringLiteral("en"); // no catalogue: the English texts
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
            // An empty translation is one still to be made, which the drift test reports.
            const QString translation = xml.readElementText();
            QVERIFY2(translation.isEmpty() || placeholders(translation) == placeholders(source),
                     qPrintable(source + QLatin1String(" -> ") + translation));
            checked += !translation.isEmpty();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(checked > 0);
}

// Typed text means the unit as defined: its row, or where the row keeps
// another factor for stored documents, the defined factor in another unit.
static bool readsAs(const qzUnitParser::Unit& unit, int row)
{
    const auto d = unit.dimension;
    if (!qzUnitSystem::keepsFactor(d, row) || std::fabs(qzUnitSystem::keptFactor(d, row) / qzUnitSystem::physicalFactor(d, row) - 1.0) <= 1e-6)
        return unit.isRow && unit.unitIndex == row;
    return !unit.isRow && closeTo(unit.factor * qzUnitSystem::keptFactor(d, unit.unitIndex), qzUnitSystem::physicalFactor(d, row), 1e-12);
}

void tst_qzUnitCatalogues::unitTexts()
{
    QFETCH(QString, language);
    const QVector<Unit> english = units();
    QVERIFY(qzUnitTranslator::install(QLocale(language))); // as a host switching its locale
    const QVector<Unit> translated = units();
    QSet<QString> international; // the pieces of the symbols the catalogue leaves alone
    for (int k = 0; k < english.size(); ++k)
        if (translated.at(k).symbol == english.at(k).symbol)
            for (const QString& piece : tokens(english.at(k).symbol))
                international.insert(piece);

    for (int k = 0; k < english.size(); ++k) {
        const Unit& en = english.at(k);
        const Unit& tr = translated.at(k);
        const int first = k - en.index; // the dimension's unit 0
        const QByteArray message = (en.name + QLatin1String(" -> ") + tr.name + QLatin1String(", ") + tr.symbol).toUtf8();
        // Two units of a dimension read alike only where their English texts
        // do: typed back, a name finds its own unit, not an earlier one of the
        // same name, nor one whose symbol or English name it is.
        const auto found = qzUnitSystem::findUnits(tr.name, en.dimension);
        QVERIFY2(found.size() == 1 && english.at(first + found.first().second).name == en.name, message.constData());
        const QVector<qzUnitParser::Unit> read = qzUnitParser::units(tr.name, en.dimension);
        QVERIFY2(!read.isEmpty() && readsAs(read.first(), found.first().second), message.constData());
        for (int j = first; j < k; ++j)
            QVERIFY2(tr.symbol != translated.at(j).symbol || en.symbol == english.at(j).symbol, message.constData());
        const QVector<qzUnitParser::Unit> bySymbol = qzUnitParser::units(tr.symbol, en.dimension);
        const int symbolRow = qzUnitSystem::findUnits(tr.symbol, en.dimension).value(0).second;
        QVERIFY2(!bySymbol.isEmpty() && readsAs(bySymbol.first(), symbolRow)
                     && english.at(first + symbolRow).symbol == en.symbol, message.constData());
        // Symbols are never translated; the one exception is the abbreviation
        // of the revolution (English "Rpm", "mm/r"), which is a word.
        const bool revolution = en.dimension == qzUnitSystem::DistancePerRevolution
            || (en.dimension == qzUnitSystem::AngularVelocity && en.index > 0);
        QVERIFY2(tr.symbol == en.symbol || revolution, message.constData());
        // A translated symbol stays a symbol, not the name, and keeps every
        // piece that is an untranslated symbol elsewhere ("mm" of "mm/r", "A"
        // and "m" of "A/m"): only abbreviations of words change.
        if (tr.symbol == en.symbol)
            continue;
        QVERIFY2(!tr.symbol.isEmpty() && !tr.symbol.contains(QLatin1Char(' ')), message.constData());
        QVERIFY2(tr.symbol != tr.name || en.symbol == en.name, message.constData());
        const QStringList kept = tokens(tr.symbol);
        for (const QString& piece : tokens(en.symbol))
            QVERIFY2(!international.contains(piece) || kept.contains(piece), message.constData());
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitCatalogues)
#include "tst_qzUnitCatalogues.moc"
