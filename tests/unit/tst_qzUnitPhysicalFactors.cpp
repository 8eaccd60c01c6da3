// Every unit factor of the catalogue against the GNU units program and its
// database: a unit converts with its defined factor unless its row says it
// keeps another for stored data, and then the row's defined factor must be
// right, and the kept factors are those stored documents were written with.
// unitsMapping.txt maps each unit to a units expression; unit 0 also gives the
// dimension's exponents and SI factor.
#include <qzUnitAliases.h>
#include <qzUnitExponents.h>
#include <qzUnitParser.h>
#include <qzUnitSystem.h>

#include "checks.h"

#include <QFile>
#include <QProcess>

namespace {

// What `units` makes of \a have in \a want; NaN when it answers no number.
double unitsProgram(const QString& have, const QString& want, QString* answer)
{
    QProcess units;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // a decimal point
    units.setProcessEnvironment(environment);
    units.start(QStringLiteral("units"), {QStringLiteral("-t"), QStringLiteral("-o"), QStringLiteral("%.17g"), have, want});
    units.waitForFinished(30000);
    *answer = QStringLiteral("units '%1' '%2': %3").arg(have, want, QString::fromUtf8(units.readAll()).trimmed());
    bool ok = false;
    const double number = answer->section(QLatin1String(": "), 1).toDouble(&ok);
    return ok ? number : qQNaN();
}

// The coherent SI unit of \a e as a units expression; information, a pure
// number here, is a base quantity there.
QString siUnit(const qzUnitExponents& e, bool information)
{
    const int powers[] = { e.mass, e.length, e.time, e.current, e.temperature, e.amount, e.luminosity };
    const char* const base[] = { "kg", "m", "s", "A", "K", "mol", "cd" };
    QString unit = information ? QStringLiteral("bit") : QStringLiteral("1");
    for (int i = 0; i < 7; ++i)
        unit += powers[i] ? QStringLiteral(" %1^%2").arg(QLatin1String(base[i])).arg(powers[i]) : QString();
    return unit;
}

} // namespace

class tst_qzUnitPhysicalFactors : public QObject
{
    Q_OBJECT

private slots:
    void factors_data();
    void factors();
    void kept_data();
    void kept() { checkResult(); }
    void aliases_data();
    void aliases();
};

// One row per unit of the catalogue; the mapping names each once, with its symbol.
void tst_qzUnitPhysicalFactors::factors_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("pivot");
    QFile file(QStringLiteral(QZUNIT_UNITS_MAPPING));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QMap<QPair<int, int>, QString> mapped;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1String(" | "));
        const QPair<int, int> unit(qzUnitSystem::dimensionFromString(fields.first()), fields.value(1).toInt());
        if (line.startsWith(QLatin1Char('#')))
            continue;
        QVERIFY2(fields.size() == 4 && !mapped.contains(unit), qPrintable(line));
        QVERIFY2(qzUnitSystem(qzUnitSystem::Dimension(unit.first)).symbols().value(unit.second) == fields.at(2), qPrintable(line));
        mapped.insert(unit, fields.at(3));
    }
    int units = 0;
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        for (int unit = 0; unit < qzUnitSystem(dimension).maxIndex(); ++unit, ++units) {
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(qzUnitSystem::dimensionKey(dimension)).arg(unit)))
                << int(dimension) << unit << mapped.value({int(dimension), unit}) << mapped.value({int(dimension), 0});
        }
    }
    QCOMPARE(mapped.size(), units);
}

void tst_qzUnitPhysicalFactors::factors()
{
    QFETCH(int, dimension);
    QFETCH(int, unit);
    QFETCH(QString, expression);
    QFETCH(QString, pivot);
    const auto d = qzUnitSystem::Dimension(dimension);
    QString answer;
    QVERIFY2(!expression.isEmpty(), "not mapped");
    if (unit == 0 && !expression.startsWith(QLatin1Char('-'))) { // the dimension's exponents and SI factor
        const QString si = siUnit(qzUnitSystem::exponents(d), d == qzUnitSystem::OfInformation);
        const QString meant = QString(expression).replace(QLatin1String("%1"), QLatin1String("1"));
        QVERIFY2(closeTo(unitsProgram(meant, si, &answer), qzUnitSystem::siFactor(d), 1e-9),
                 qPrintable(QStringLiteral("%1; siFactor %2").arg(answer).arg(qzUnitSystem::siFactor(d))));
    }
    if (expression.startsWith(QLatin1Char('-'))) {
        QVERIFY(!qzUnitSystem::keepsFactor(d, unit)); // no counterpart, no factor to claim
        return;
    }
    if (expression.contains(QLatin1String("%1"))) {
        // Offsets convert as their definitions do, on both sides of zero.
        QVERIFY(!qzUnitSystem::keepsFactor(d, unit));
        for (double point : {-40.0, 1000.0}) {
            const double reference = unitsProgram(expression.arg(point), QString(pivot).remove(QLatin1String("(%1)")), &answer);
            QVERIFY2(closeTo(converted(d, unit, 0, point), reference, 1e-9), qPrintable(answer));
        }
        return;
    }
    const double reference = unitsProgram(expression, pivot, &answer);
    const bool differs = !closeTo(converted(d, unit, 0), reference, 1e-9);
    QVERIFY2(differs == qzUnitSystem::keepsFactor(d, unit) && closeTo(qzUnitSystem::physicalFactor(d, unit), reference, 1e-9),
             qPrintable(QStringLiteral("%1; converts with %2, physicalFactor %3, marked as kept: %4")
                            .arg(answer).arg(converted(d, unit, 0), 0, 'g', 17)
                            .arg(qzUnitSystem::physicalFactor(d, unit), 0, 'g', 17).arg(qzUnitSystem::keepsFactor(d, unit))));
}

// The factors kept for stored data, as those documents were written.
void tst_qzUnitPhysicalFactors::kept_data()
{
    resultColumns();
    using S = qzUnitSystem;
    result("Length mile", converted(S::Length, 5, 0), 1609.34419224, 0.0);
    result("pound", converted(S::Mass, 3, 0), 0.45359238, 0.0);
    result("kg/in2", converted(S::Stress, 13, 0), 39.3701, 0.0);
    result("ipm/s", converted(S::Acceleration, 3, 0), 1.524, 0.0);
    result("1/ksi multiplies", converted(S::TripCoefficient, 1, 0), 6.894689475729317, 0.0);
    result("BTU as heat", converted(S::Heat, 4, 0), 1055.0559, 0.0);
    result("BTU/(ft2 h R)", converted(S::HeatTransferCoefficient, 2, 0), 6351559.95, 1e-9);
}

// Every alias of typed text reads as the GNU units expression beside it,
// through the unit's defined factor; refused ones are refused.
void tst_qzUnitPhysicalFactors::aliases_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expression");
    for (const qzUnitAlias* alias = qzUnitAliases::begin(); alias != qzUnitAliases::begin() + qzUnitAliases::count(); ++alias) {
        QTest::newRow(alias->text) << QString::fromUtf8(alias->text) << QString::fromUtf8(alias->target)
                                   << QString::fromUtf8(alias->units);
    }
}

void tst_qzUnitPhysicalFactors::aliases()
{
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(QString, expression);
    qzUnitParser::Error error = qzUnitParser::NoError;
    const QVector<qzUnitParser::Unit> read = qzUnitParser::units(text, qzUnitSystem::Undefined, &error);
    if (target.isEmpty()) {
        QVERIFY(read.isEmpty() && (error == qzUnitParser::GaugePressure || error == qzUnitParser::AmbiguousUnit));
        return;
    }
    QVERIFY2(!read.isEmpty(), "not read");
    const qzUnitParser::Unit unit = read.first();
    if (expression == QLatin1String("-")) { // a scale without a factor: the target's unit
        const qzUnitParser::Unit meant = qzUnitParser::units(target).value(0);
        QVERIFY(unit.dimension == meant.dimension && unit.unitIndex == meant.unitIndex && unit.factor == meant.factor);
        return;
    }
    const auto d = unit.dimension;
    const double si = unit.factor * qzUnitSystem::physicalFactor(d, unit.unitIndex) * qzUnitSystem::siFactor(d);
    QString answer;
    const double reference = unitsProgram(expression, siUnit(qzUnitSystem::exponents(d), d == qzUnitSystem::OfInformation), &answer);
    QVERIFY2(closeTo(si, reference, 1e-9), qPrintable(QStringLiteral("%1; read as %2").arg(answer).arg(si, 0, 'g', 17)));
}

QTEST_GUILESS_MAIN(tst_qzUnitPhysicalFactors)
#include "tst_qzUnitPhysicalFactors.moc"
