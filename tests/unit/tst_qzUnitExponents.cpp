// Physical dimensions: exponents, SI factors, the preferred dimension of each
// set of exponents.
#include <qzUnitSystem.h>

#include <QtTest>

using Dimension = qzUnitSystem::Dimension;
Q_DECLARE_METATYPE(qzUnitExponents)

class tst_qzUnitExponents : public QObject
{
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void onePreferredPerExponents();
    void unknownDimensions();
};

void tst_qzUnitExponents::arithmetic_data()
{
    QTest::addColumn<qzUnitExponents>("exponents");
    QTest::addColumn<QString>("text");
    const qzUnitExponents force = { 1, 1, -2 }, length = { 0, 1 };
    QTest::newRow("force*length") << force + length << QStringLiteral("M·L^2·T^-2");
    QTest::newRow("force/length") << force - length << QStringLiteral("M·T^-2");
    QTest::newRow("length/length") << length - length << QStringLiteral("1");
    QTest::newRow("all seven") << qzUnitExponents{ -1, 0, 3, 2, 1, -1, 1 } << QStringLiteral("M^-1·T^3·I^2·Θ·N^-1·J");
}

void tst_qzUnitExponents::arithmetic()
{
    QFETCH(qzUnitExponents, exponents);
    QFETCH(QString, text);
    QCOMPARE(exponents.toString(), text);
    QCOMPARE(exponents.isDimensionless(), text == QLatin1String("1"));
    QVERIFY((exponents + qzUnitExponents{ 0, 0, 0, 0, 0, 0, 1 }) != exponents);
}

// Every dimension is found under its own exponents, and each set of exponents
// has exactly one preferred dimension, listed first.
void tst_qzUnitExponents::onePreferredPerExponents()
{
    QMap<QString, int> preferred;
    for (Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitExponents exponents = qzUnitSystem::exponents(dimension);
        const QVector<Dimension> all = qzUnitSystem::dimensionsOf(exponents);
        QVERIFY2(all.contains(dimension), qPrintable(qzUnitSystem::dimensionKey(dimension)));
        QVERIFY(qzUnitSystem::siFactor(dimension) > 0.0);
        const bool isPreferred = qzUnitCatalogue::find(dimension)->physics.rank == qzUnitTable::Preferred;
        preferred[exponents.toString()] += isPreferred;
        QCOMPARE(all.first() == dimension, isPreferred);
    }
    for (auto it = preferred.cbegin(); it != preferred.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(it.key()));
    QCOMPARE(qzUnitSystem::dimensionsOf(qzUnitExponents{ 0, 0, 0, 0, 0, 1 }), QVector<Dimension>());
}

void tst_qzUnitExponents::unknownDimensions()
{
    for (int dimension : { -1, 41, 57, -5 }) {
        QVERIFY(qzUnitSystem::exponents(Dimension(dimension)) == qzUnitExponents());
        QCOMPARE(qzUnitSystem::siFactor(Dimension(dimension)), 0.0);
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitExponents)
#include "tst_qzUnitExponents.moc"
