// Arrays converted at once must give, bit for bit, what the dimension's
// changeTo gives each number, for every pair of indices, and never allocate.
#include <qzUnitHardness.h>
#include <qzUnitValue.h>

#include <QRandomGenerator>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <limits>

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define QZ_COUNT_MALLOC
static long allocations = 0;
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
void* malloc(std::size_t size) { return ++allocations, __libc_malloc(size); }
void* calloc(std::size_t count, std::size_t size) { return ++allocations, __libc_calloc(count, size); }
void* realloc(void* p, std::size_t size) { return ++allocations, __libc_realloc(p, size); }
}
#endif

using Numbers = QVector<double>;

class tst_qzUnitBulkConversion : public QObject
{
    Q_OBJECT

private slots:
    void sameAsEachNumber_data();
    void sameAsEachNumber();
    void physical_data();
    void physical();
};

void tst_qzUnitBulkConversion::sameAsEachNumber_data()
{
    using limits = std::numeric_limits<double>;
    QTest::addColumn<QVector<int>>("dimensions");
    QTest::addColumn<Numbers>("numbers");
    QVector<int> all{ -1, 41, 57 }; // and the values that name no class
    for (qzUnitSystem::Dimension d : qzUnitSystem::getDimensions())
        all << d;
    QRandomGenerator random(18);
    Numbers mixed;
    for (int i = 0; i < 1500; ++i) {
        const double scale = std::ldexp(1.0, random.bounded(-40, 40));
        mixed << (i % 3 ? (random.generateDouble() - 0.3) * scale : -100.0 + random.bounded(4100.0));
        const quint64 bits = random.generate64(); // NaN payloads, subnormals, extremes
        mixed << 0.0;
        std::memcpy(&mixed.last(), &bits, sizeof bits);
    }
    QTest::newRow("random") << all << mixed;
    double signalling = limits::signaling_NaN();
    QTest::newRow("special") << all
                             << Numbers{ 0.0, -0.0, limits::quiet_NaN(), -limits::quiet_NaN(), signalling,
                                         limits::infinity(), -limits::infinity(), limits::denorm_min(),
                                         -limits::denorm_min(), limits::min(), limits::max(), limits::lowest(),
                                         1.0, -1.0, -273.15, -459.67, 1e300, -1e-300 };
    // Every hardness column's rows (tenths hit them exactly) and their neighbours.
    Numbers tenths;
    for (int k = -300; k <= 32000; ++k)
        tenths << std::nextafter(k / 10.0, -1e9) << k / 10.0 << std::nextafter(k / 10.0, 1e9);
    QTest::newRow("hardness rows") << QVector<int>{ qzUnitSystem::Hardness } << tenths;
}

void tst_qzUnitBulkConversion::sameAsEachNumber()
{
    QFETCH(QVector<int>, dimensions);
    QFETCH(Numbers, numbers);
    const qsizetype n = numbers.size();
    Numbers expected(n), out(n), inPlace(n);
    long allocated = 0;
    for (int d : dimensions) {
        const auto dimension = qzUnitSystem::Dimension(d);
        const int count = qzUnitCatalogue::table(d).count;
        for (int from = -2; from <= count + 1; ++from) {
            for (int to = -2; to <= count + 1; ++to) {
                for (qsizetype i = 0; i < n; ++i) {
                    expected[i] = numbers[i];
                    qzUnitSystem::changeTo(dimension, from, to, expected[i]);
                }
                std::copy(numbers.cbegin(), numbers.cend(), inPlace.begin());
#ifdef QZ_COUNT_MALLOC
                const long before = allocations;
#endif
                qzUnitSystem::convert(dimension, from, to, numbers.constData(), out.data(), n);
                qzUnitSystem::convert(dimension, from, to, inPlace);
#ifdef QZ_COUNT_MALLOC
                allocated += allocations - before;
#endif
                for (const Numbers* got : { &out, &inPlace }) {
                    if (std::memcmp(got->constData(), expected.constData(), size_t(n) * sizeof(double)) == 0)
                        continue;
                    qsizetype i = 0;
                    while (std::memcmp(&(*got)[i], &expected[i], sizeof(double)) == 0)
                        ++i;
                    char message[160];
                    std::snprintf(message, sizeof message, "dimension %d, %d to %d, %a: %a instead of %a", d, from,
                                  to, numbers[i], (*got)[i], expected[i]);
                    QFAIL(message);
                }
            }
        }
    }
    QCOMPARE(allocated, 0L);
#ifdef QZ_COUNT_MALLOC
    const long before = allocations;
    QVector<double> copy = numbers;
    qzUnitSystem::convert(qzUnitSystem::Length, 0, 1, copy); // a shared vector detaches: the counter sees it
    QVERIFY(allocations > before);
#endif
}

// Against the relations of the units themselves (GNU units agrees).
void tst_qzUnitBulkConversion::physical_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("expected");
    QTest::newRow("mm to in") << int(qzUnitSystem::Length) << QStringLiteral("mm") << QStringLiteral("in") << 254.0 << 10.0;
    QTest::newRow("°C to °F") << int(qzUnitSystem::Temperature) << QStringLiteral("°C") << QStringLiteral("°F") << 100.0 << 212.0;
    QTest::newRow("°F to K") << int(qzUnitSystem::Temperature) << QStringLiteral("°F") << QStringLiteral("K") << 32.0 << 273.15;
    QTest::newRow("psi to Pa") << int(qzUnitSystem::Stress) << QStringLiteral("psi") << QStringLiteral("Pa") << 1.0 << 6894.757293168361;
}

void tst_qzUnitBulkConversion::physical()
{
    QFETCH(int, dimension);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(double, number);
    QFETCH(double, expected);
    const auto d = qzUnitSystem::Dimension(dimension);
    const auto fromUnits = qzUnitSystem::findUnits(from, d), toUnits = qzUnitSystem::findUnits(to, d);
    QCOMPARE(fromUnits.size(), 1);
    QCOMPARE(toUnits.size(), 1);
    QVector<double> values(1001, number);
    qzUnitSystem::convert(d, fromUnits[0].second, toUnits[0].second, values);
    for (double value : values)
        QVERIFY2(qAbs(value - expected) <= 1e-12 * qAbs(expected), qPrintable(QString::number(value, 'g', 17)));
}

QTEST_GUILESS_MAIN(tst_qzUnitBulkConversion)
#include "tst_qzUnitBulkConversion.moc"
