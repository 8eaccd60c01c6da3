// Every unit factor of the catalogue against the GNU units program and its
// database: the factor a unit converts with must be its defined one unless
// its row says it keeps another for stored data, and then the row's defined
// factor must be right. The units map to expressions in unitsMapping.txt.
#include <qzUnitSystem.h>

#include "checks.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace {

// The number that `units` gives for \a have in \a want; NaN and \a error when it gives none.
double unitsProgram(const QString& have, const QString& want, QString* error)
{
    QProcess units;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    units.setProcessEnvironment(environment);
    units.start(QStringLiteral("units"), {QStringLiteral("-t"), QStringLiteral("-o"), QStringLiteral("%.17g"), have, want});
    units.waitForFinished(30000);
    const QString out = QString::fromUtf8(units.readAllStandardOutput()).trimmed();
    bool ok = false;
    const double number = out.toDouble(&ok);
    *error = QStringLiteral("units '%1' '%2': %3").arg(have, want, out);
    return ok ? number : qQNaN();
}

} // namespace

class tst_qzUnitPhysicalFactors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void factors_data();
    void factors();
    void outsideTheTables();
};

void tst_qzUnitPhysicalFactors::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("units")).isEmpty())
        QFAIL("the GNU units program is missing (Debian package units; scripts/install-deps.sh installs it)");
}

// One row per unit; the mapping must name every unit once, with its symbol.
void tst_qzUnitPhysicalFactors::factors_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("pivot");

    QFile file(QStringLiteral(QZUNIT_UNITS_MAPPING));
    QVERIFY2(file.open(QIODevice::ReadOnly), "unitsMapping.txt not found");
    QMap<QPair<int, int>, QString> expressions;
    QSet<QPair<int, int>> seen;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1String(" | "));
        QCOMPARE(fields.size(), 4);
        const qzUnitSystem::Dimension dimension = qzUnitSystem::dimensionFromString(fields.at(0));
        const QPair<int, int> unit(int(dimension), fields.at(1).toInt());
        QVERIFY2(dimension != qzUnitSystem::Undefined && !seen.contains(unit), qPrintable(line));
        QVERIFY2(qzUnitSystem(dimension).symbols().value(unit.second) == fields.at(2), qPrintable(line));
        seen.insert(unit);
        expressions.insert(unit, fields.at(3));
    }
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        for (int unit = 0; unit < qzUnitSystem(dimension).maxIndex(); ++unit) {
            const QString name = QStringLiteral("%1 %2").arg(qzUnitSystem::dimensionKey(dimension)).arg(unit);
            QVERIFY2(seen.remove({int(dimension), unit}), qPrintable(name + QStringLiteral(" is not mapped")));
            QTest::newRow(qPrintable(name)) << int(dimension) << unit << expressions.value({int(dimension), unit})
                                           << expressions.value({int(dimension), 0});
        }
    }
}

void tst_qzUnitPhysicalFactors::factors()
{
    QFETCH(int, dimension);
    QFETCH(int, unit);
    QFETCH(QString, expression);
    QFETCH(QString, pivot);
    const auto d = qzUnitSystem::Dimension(dimension);
    QString error;
    if (expression.startsWith(QLatin1Char('-'))) {
        // Without a counterpart nothing can be claimed about the factor.
        QVERIFY(!qzUnitSystem::keepsFactor(d, unit));
    } else if (expression.contains(QLatin1String("%1"))) {
        // Offsets: the conversion itself, at points on both sides of zero.
        QVERIFY(!qzUnitSystem::keepsFactor(d, unit));
        const QString target = QString(pivot).remove(QLatin1String("(%1)"));
        for (double point : {-40.0, 0.0, 1000.0}) {
            const double reference = unitsProgram(expression.arg(point), target, &error);
            QVERIFY2(closeTo(converted(d, unit, 0, point), reference, 1e-9), qPrintable(error));
        }
        QVERIFY2(closeTo(qzUnitSystem::physicalFactor(d, unit), unitsProgram(expression.arg(1) + QLatin1Char('-') + expression.arg(0), QStringLiteral("K"), &error), 1e-9), qPrintable(error));
    } else {
        const double reference = unitsProgram(expression, pivot, &error);
        QVERIFY2(!qIsNaN(reference), qPrintable(error));
        const bool differs = !closeTo(converted(d, unit, 0), reference, 1e-9);
        QVERIFY2(differs == qzUnitSystem::keepsFactor(d, unit),
                 qPrintable(QStringLiteral("%1; the table converts with %2 and %3 it as kept")
                                .arg(error).arg(converted(d, unit, 0), 0, 'g', 17)
                                .arg(differs ? QStringLiteral("does not mark") : QStringLiteral("marks"))));
        QVERIFY2(closeTo(qzUnitSystem::physicalFactor(d, unit), reference, 1e-9),
                 qPrintable(QStringLiteral("%1; physicalFactor %2").arg(error).arg(qzUnitSystem::physicalFactor(d, unit), 0, 'g', 17)));
    }
}

void tst_qzUnitPhysicalFactors::outsideTheTables()
{
    for (const auto& unit : {qMakePair(qzUnitSystem::Length, 10), qMakePair(qzUnitSystem::Length, -1),
                             qMakePair(qzUnitSystem::Undefined, 0), qMakePair(qzUnitSystem::Hardness, 3),
                             qMakePair(qzUnitSystem::GrainSize, 1)}) {
        QVERIFY(qIsNaN(qzUnitSystem::physicalFactor(unit.first, unit.second)));
        QVERIFY(!qzUnitSystem::keepsFactor(unit.first, unit.second));
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitPhysicalFactors)
#include "tst_qzUnitPhysicalFactors.moc"
