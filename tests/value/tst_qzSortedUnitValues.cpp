#include <qzSortedUnitValues.h>
#include <qzUniqueSortedUnitValues.h>
#include <qzUnitLength.h>

#include <QRandomGenerator>
#include "checks.h"

#include <algorithm>
#include <cfloat>

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
    void find() { checkResult(); }
    void insertionKeepsOrder();
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

// find() within a tolerance of the next double, and lists equal when each
// element is within it too.
void tst_qzSortedUnitValues::find_data()
{
    resultColumns();
    const auto list = listOf<qzSortedUnitValues>({ m(1), m(2), m(3) });
    const double above3 = std::nextafter(3.0, 4.0);
    result("equal", list.find(m(2)), 1, 0.0);
    result("between", list.find(m(1.5)), -1, 0.0);
    result("other unit", list.find(mm(2000)), 1, 0.0);
    result("within epsilon", list.find(m(above3)), 2, 0.0);
    result("two steps above, beyond epsilon", list.find(m(std::nextafter(above3, 4.0))), -1, 0.0);
    result("above all", list.find(m(4)), -1, 0.0);
    result("NaN", list.find(m(qQNaN())), -1, 0.0);
    const auto equal = [](const Values& left, const Values& right) {
        return double(listOf<qzSortedUnitValues>(left) == listOf<qzSortedUnitValues>(right));
    };
    result("empty lists equal", equal({}, {}), 1.0, 0.0);
    result("1 m and 1000 mm equal", equal({ m(1) }, { mm(1000) }), 1.0, 0.0);
    result("counts differ", equal({ m(1) }, { m(1), m(1) }), 0.0, 0.0);
    result("17th digit", equal({ mm(0.1 + 0.2) }, { mm(0.3) }), 1.0, 0.0);
    result("first element differs", equal({ m(1), m(2) }, { m(1.001), m(2) }), 0.0, 0.0);
    result("dimension differs", equal({ m(1) }, { qzUnitValue(qzUnitSystem::Mass, 1000.0, 0) }), 0.0, 0.0);
    result("largest doubles", equal({ m(DBL_MAX) }, { m(DBL_MAX) }), 1.0, 0.0);
}

// Binary insertion keeps the list sorted and holding what was appended, also
// after a host changed elements through the mutable iterators.
void tst_qzSortedUnitValues::insertionKeepsOrder()
{
    QRandomGenerator random(4711);
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
            QVERIFY(std::is_sorted(list.constBegin(), list.constEnd()));
            Contents mine = contents(list), theirs = contents(reference);
            std::sort(mine.begin(), mine.end());
            std::sort(theirs.begin(), theirs.end());
            QCOMPARE(mine, theirs);
        }
    }
}

QTEST_GUILESS_MAIN(tst_qzSortedUnitValues)
#include "tst_qzSortedUnitValues.moc"
