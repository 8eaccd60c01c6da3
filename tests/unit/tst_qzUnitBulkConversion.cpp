// Arrays converted at once must give, bit for bit, what the dimension's
// changeTo gives each number, for every pair of indices, and never allocate.
#include <qzUnitSystem.h>

#include <QRandomGenerator>
#include <QtTest>

#include "countsMalloc.h"

#include <cstring>
#include <limits>

class tst_qzUnitBulkConversion : public QObject
{
    Q_OBJECT

private slots:
    void sameAsEachNumber_data();
    void sameAsEachNumber();
    void physical();
};

void tst_qzUnitBulkConversion::sameAsEachNumber_data()
{
    using limits = std::numeric_limits<double>;
    QTest::addColumn<QVector<int>>("dimensions");
    QTest::addColumn<QVector<double>>("numbers");
    QVector<int> all{ -1, 41, 57 }; // and the values that name no class
    for (qzUnitSystem::Dimension d : qzUnitSystem::getDimensions())
        all << d;
    QRandomGenerator random(18);
    QVector<double> mixed(3000);
    for (int i = 0; i < 3000; i += 2) {
        mixed[i] = i % 3 ? std::ldexp(random.generateDouble() - 0.3, random.bounded(-40, 40)) : random.bounded(4100.0) - 100.0;
        const quint64 bits = random.generate64(); // NaN payloads, subnormals, extremes
        std::memcpy(&mixed[i + 1], &bits, sizeof bits);
    }
    QTest::newRow("random") << all << mixed;
    QTest::newRow("special") << all << QVector<double>{ 0.0, -0.0, limits::quiet_NaN(), -limits::quiet_NaN(),
        limits::signaling_NaN(), limits::infinity(), -limits::infinity(), limits::denorm_min(), -limits::denorm_min(),
        limits::min(), limits::max(), limits::lowest(), 1.0, -1.0, -273.15, -459.67 };
    // Every hardness column's rows (tenths hit them exactly) and their neighbours.
    QVector<double> tenths;
    for (int k = -300; k <= 32000; ++k)
        tenths << std::nextafter(k / 10.0, -1e9) << k / 10.0 << std::nextafter(k / 10.0, 1e9);
    QTest::newRow("hardness rows") << QVector<int>{ qzUnitSystem::Hardness } << tenths;
}

void tst_qzUnitBulkConversion::sameAsEachNumber()
{
    QFETCH(QVector<int>, dimensions);
    QFETCH(QVector<double>, numbers);
    const int n = numbers.size();
    QVector<double> expected(n), out(n), inPlace(n);
    long allocated = 0;
    for (int d : dimensions) {
        const auto dimension = qzUnitSystem::Dimension(d);
        for (int from = -2; from <= qzUnitCatalogue::table(d).count + 1; ++from) {
            for (int to = -2; to <= qzUnitCatalogue::table(d).count + 1; ++to) {
                for (int i = 0; i < n; ++i)
                    qzUnitSystem::changeTo(dimension, from, to, expected[i] = numbers[i]);
                std::copy(numbers.cbegin(), numbers.cend(), inPlace.begin());
                allocated += allocationsOf([&] {
                    qzUnitSystem::convert(dimension, from, to, numbers.constData(), out.data(), n);
                    qzUnitSystem::convert(dimension, from, to, inPlace);
                });
                for (const double* got : { out.constData(), inPlace.constData() }) {
                    int i = 0;
                    while (i < n && std::memcmp(&got[i], &expected[i], sizeof(double)) == 0)
                        ++i;
                    if (i < n)
                        QFAIL(qPrintable(QString::asprintf("dimension %d, %d to %d: %.17g gives %.17g, not %.17g", d,
                                                           from, to, numbers[i], got[i], expected[i])));
                }
            }
        }
    }
    QCOMPARE(allocated, 0L);
}

// Against the units' own relations (GNU units agrees), and the allocation
// counter seen counting.
void tst_qzUnitBulkConversion::physical()
{
    QVector<double> lengths(101, 254.0), temperatures(101, 100.0);
    qzUnitSystem::convert(qzUnitSystem::Length, 2, 4, lengths); // mm to in
    qzUnitSystem::convert(qzUnitSystem::Temperature, 1, 2, temperatures.constData(), temperatures.data(), 101); // °C to °F
    for (int i = 0; i < 101; ++i)
        QVERIFY(qFuzzyCompare(lengths[i], 10.0) && qFuzzyCompare(temperatures[i], 212.0));
#ifdef QZ_COUNT_MALLOC
    QVector<double> shared = lengths;
    QVERIFY(allocationsOf([&shared] { qzUnitSystem::convert(qzUnitSystem::Length, 0, 1, shared); }) > 0); // detaches
#endif
}

QTEST_GUILESS_MAIN(tst_qzUnitBulkConversion)
#include "tst_qzUnitBulkConversion.moc"
