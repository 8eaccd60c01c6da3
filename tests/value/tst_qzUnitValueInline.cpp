// The inline paths of a value: reading it in another unit and in the view
// unit, and the arithmetic, whose result builds its unit object without its
// table. Each must give, bit for bit, what the dimension's conversion gives,
// for every pair of indices (outside the table too), and the result must
// stand in its dimension's own class.
#include <qzUnitValue.h>

#include <QtTest>

#include <cstring>
#include <limits>

class tst_qzUnitValueInline : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qzUnitSystem::globalUnitSystem(); }
    void readings_data();
    void readings();
    void resultClass_data() { readings_data(); }
    void resultClass();
};

namespace {

bool same(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// number converted by the library's conversion of the dimension.
double converted(qzUnitSystem::Dimension dimension, int from, int to, double number)
{
    qzUnitSystem::changeTo(dimension, from, to, number);
    return number;
}

} // namespace

void tst_qzUnitValueInline::readings_data()
{
    QTest::addColumn<int>("dimension");
    for (int d : { -1, 41, 57 })
        QTest::addRow("%d", d) << d;
    for (qzUnitSystem::Dimension d : qzUnitSystem::getDimensions())
        QTest::newRow(qPrintable(qzUnitSystem::dimensionKey(d))) << int(d);
}

void tst_qzUnitValueInline::readings()
{
    using limits = std::numeric_limits<double>;
    QFETCH(int, dimension);
    const auto d = qzUnitSystem::Dimension(dimension);
    const bool hasViewUnit = dimension >= 0 && dimension <= qzUnitSystem::MassFluxDensity;
    const double numbers[] = { 0.0, -0.0, 1.0, -273.15, 459.67, 0.1, 123456.789, limits::quiet_NaN(),
        limits::signaling_NaN(), limits::infinity(), -limits::infinity(), limits::denorm_min(), limits::max() };
    const int count = qzUnitCatalogue::table(dimension).count;
    for (int from = -2; from <= count + 1; ++from) {
        for (int to = -2; to <= count + 1; ++to) {
            if (hasViewUnit)
                qzUnitSystem::setViewUnitIndex(d, to);
            for (double x : numbers) {
                const qzUnitValue value(d, x, from), other(d, 0.5 - x, to);
                const QString where = QStringLiteral("%1 to %2, %3").arg(from).arg(to).arg(x, 0, 'g', 17);
                if (value.isUndefined())
                    continue; // reads as 0.0, whatever the unit
                if (to != from) {
                    QVERIFY2(same(value.value(to), converted(d, from, to, x)), qPrintable(where));
                    if (hasViewUnit)
                        QVERIFY2(same(value.viewValue(), converted(d, from, to, x)), qPrintable(where));
                }
                // The sum meets in unit 0 and returns to the left unit; an
                // undefined value or unit 0 itself takes no steps.
                const int unit = value.unitIndex();
                const auto inUnitZero = [d](const qzUnitValue& v) {
                    return v.unitIndex() == 0 ? v.value() : converted(d, v.unitIndex(), 0, v.value());
                };
                const double sum = inUnitZero(value) + (other.isUndefined() ? 0.0 : inUnitZero(other));
                const qzUnitValue result = value + other;
                if (!result.isUndefined())
                    QVERIFY2(same(result.value(), unit == 0 ? sum : converted(d, 0, unit, sum)), qPrintable(where));
            }
        }
    }
}

// What answers through the unit object's virtual functions tells its class.
void tst_qzUnitValueInline::resultClass()
{
    QFETCH(int, dimension);
    const auto d = qzUnitSystem::Dimension(dimension);
    for (int unit : { 0, qzUnitCatalogue::table(dimension).count - 1, 99 }) {
        const qzUnitValue value(d, 1.5, unit);
        for (const qzUnitValue& result : { value + value, value - value, value * 2.0, value / 2.0, -value,
                                           value.copyTo(unit), qzUnitValue(value) *= 3.0 }) {
            QCOMPARE(result.unitSystem().dimensionNameEnglish(), value.unitSystem().dimensionNameEnglish());
            QCOMPARE(result.unitSystem().maxIndex(), value.unitSystem().maxIndex());
            QCOMPARE(result.unitIndex(), value.unitIndex());
            QCOMPARE(result.name(), value.name());
        }
        // Another dimension gives the default value, in the undefined class.
        const qzUnitValue other(qzUnitSystem::Dimension(dimension == 5 ? 6 : 5), 1.0, 0);
        for (const qzUnitValue& none : { value + other, value - other }) {
            QCOMPARE(int(none.dimension()), -1);
            QVERIFY(!none.isUndefined() && none.value() == 0.0);
            QCOMPARE(none.unitSystem().dimensionNameEnglish(), qzUnitValue().unitSystem().dimensionNameEnglish());
        }
    }
}

QTEST_GUILESS_MAIN(tst_qzUnitValueInline)
#include "tst_qzUnitValueInline.moc"
