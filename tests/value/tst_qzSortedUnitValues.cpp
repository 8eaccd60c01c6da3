#include <qzSortedUnitValues.h>
#include <qzUniqueSortedUnitValues.h>
#include <qzUnitLength.h>

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <cfloat>
#include <cmath>

using Values = QList<qzUnitValue>;
using Contents = QList<QPair<int, double>>; // unit and number of each element

namespace {

qzUnitValue m(double number) { return qzUnitLength::create(number, qzUnitLength::Meter); }
qzUnitValue mm(double number) { return qzUnitLength::create(number, qzUnitLength::Millimeter); }

template <class List>
List listOf(const Values& values)
{
    List list;
    for (const qzUnitValue& value : values)
        list.append(value);
    return list;
}

template <class Iterable>
Contents contents(const Iterable& list)
{
    Contents result;
    for (auto it = list.begin(); it != list.end(); ++it)
        result.append({ it->unitIndex(), it->value() });
    return result;
}

} // namespace

class tst_qzSortedUnitValues : public QObject
{
    Q_OBJECT

private slots:
    void appending_data();
    void appending();
    void find_data();
    void find();
    void comparison_data();
    void comparison();
    void sameOrderAsFullSort();
};

void tst_qzSortedUnitValues::appending_data()
{
    QTest::addColumn<bool>("unique");
    QTest::addColumn<Values>("values");
    QTest::addColumn<Contents>("expected");
    const double above2 = std::nextafter(2.0, 3.0);
    QTest::newRow("ascending") << false << Values{ m(3), m(1), m(2) } << Contents{ { 0, 1.0 }, { 0, 2.0 }, { 0, 3.0 } };
    QTest::newRow("own units") << false << Values{ mm(500), m(1) } << Contents{ { 2, 500.0 }, { 0, 1.0 } };
    QTest::newRow("repeats kept") << false << Values{ m(2), m(2) } << Contents{ { 0, 2.0 }, { 0, 2.0 } };
    QTest::newRow("unique ascending") << true << Values{ m(1), m(3), m(2) } << Contents{ { 0, 1.0 }, { 0, 2.0 }, { 0, 3.0 } };
    QTest::newRow("unique refuses equals") << true << Values{ m(2), m(2), m(above2), mm(2000) } << Contents{ { 0, 2.0 } };
}

void tst_qzSortedUnitValues::appending()
{
    QFETCH(bool, unique);
    QFETCH(Values, values);
    QFETCH(Contents, expected);
    const qzSortedUnitValues list = unique ? listOf<qzUniqueSortedUnitValues>(values) : listOf<qzSortedUnitValues>(values);
    QCOMPARE(contents(list), expected);
    QCOMPARE(list.indexOfMaxValue(), expected.size() - 1);
    QVERIFY(list.at(expected.size()).dimension() == qzUnitSystem::Undefined && list.at(-1).value() == 0.0);

    qzUniqueSortedUnitValues other = listOf<qzUniqueSortedUnitValues>(values);
    static_cast<qzSortedUnitValues&>(other).append(values.first()); // the base's append refuses nothing
    QCOMPARE(other.count(), contents(listOf<qzUniqueSortedUnitValues>(values)).size() + 1);
    other.set(mm(7));
    QCOMPARE(contents(other), (Contents{ { 2, 7.0 } }));
}

void tst_qzSortedUnitValues::find_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("equal") << m(2) << 1;
    QTest::newRow("between") << m(1.5) << -1;
    QTest::newRow("other unit") << mm(2000) << 1;
    QTest::newRow("within epsilon") << m(std::nextafter(3.0, 4.0)) << 2;
    QTest::newRow("two steps above, beyond epsilon") << m(std::nextafter(std::nextafter(3.0, 4.0), 4.0)) << -1;
    QTest::newRow("above all") << m(4) << -1;
    QTest::newRow("NaN") << m(qQNaN()) << -1;
}

void tst_qzSortedUnitValues::find()
{
    QFETCH(qzUnitValue, value);
    QFETCH(int, index);
    const auto list = listOf<qzSortedUnitValues>({ m(1), m(2), m(3) });
    QVERIFY(list.find(value) == index && list.contains(value) == (index >= 0));
}

void tst_qzSortedUnitValues::comparison_data()
{
    QTest::addColumn<Values>("left");
    QTest::addColumn<Values>("right");
    QTest::addColumn<bool>("equal");
    QTest::newRow("empty") << Values() << Values() << true;
    QTest::newRow("1 m and 1000 mm") << Values{ m(1) } << Values{ mm(1000) } << true;
    QTest::newRow("counts differ") << Values{ m(1) } << Values{ m(1), m(1) } << false;
    QTest::newRow("17th digit") << Values{ mm(0.1 + 0.2) } << Values{ mm(0.3) } << true;
    QTest::newRow("first element differs") << Values{ m(1), m(2) } << Values{ m(1.001), m(2) } << false;
    QTest::newRow("dimension differs") << Values{ m(1) } << Values{ qzUnitValue(qzUnitSystem::Mass, 1000.0, 0) } << false;
    QTest::newRow("largest doubles") << Values{ m(DBL_MAX) } << Values{ m(DBL_MAX) } << true;
}

void tst_qzSortedUnitValues::comparison()
{
    QFETCH(Values, left);
    QFETCH(Values, right);
    QFETCH(bool, equal);
    const auto a = listOf<qzSortedUnitValues>(left), b = listOf<qzSortedUnitValues>(right);
    QVERIFY((a == b) == equal && (a != b) == !equal);
}

// Binary insertion gives what appending and sorting the whole list gives,
// also after a host changed elements through the mutable iterators.
void tst_qzSortedUnitValues::sameOrderAsFullSort()
{
    QRandomGenerator random(4711);
    const auto equivalent = [](const qzUnitValue& a, const qzUnitValue& b) { return !(a < b) && !(b < a); };
    for (int round = 0; round < 20; ++round) {
        qzSortedUnitValues list;
        Values reference;
        for (int i = 0; i < 150; ++i) {
            if (i % 50 == 49) {
                for (qzUnitValue& value : list)
                    value.setValue(random.bounded(20.0));
                reference = Values(list.constBegin(), list.constEnd());
            }
            const double number = random.bounded(8) == 0 ? 5.0 : random.bounded(20.0) - 10.0; // with repeats
            const qzUnitValue value = qzUnitLength::create(number, qzUnitLength::e_Unit(2 * random.bounded(3)));
            list.append(value);
            reference.append(value);
            std::sort(reference.begin(), reference.end());
            QVERIFY(list.count() == reference.count() && std::equal(list.constBegin(), list.constEnd(), reference.cbegin(), equivalent));
            Contents mine = contents(list), theirs = contents(reference);
            std::sort(mine.begin(), mine.end());
            std::sort(theirs.begin(), theirs.end());
            QCOMPARE(mine, theirs);
        }
    }
}

QTEST_GUILESS_MAIN(tst_qzSortedUnitValues)
#include "tst_qzSortedUnitValues.moc"
