#include <qzSortedUnitValues.h>
#include <qzUniqueSortedUnitValues.h>
#include <qzUnitLength.h>

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <cfloat>

namespace {

qzUnitValue m(double number) { return qzUnitLength::create(number, qzUnitLength::Meter); }
qzUnitValue mm(double number) { return qzUnitLength::create(number, qzUnitLength::Millimeter); }

template <class List>
List listOf(const QList<qzUnitValue>& values)
{
    List list;
    for (const qzUnitValue& value : values)
        list.append(value);
    return list;
}

// Unit and number of each element, in list order.
template <class List>
QList<QPair<int, double>> contents(const List& list)
{
    QList<QPair<int, double>> result;
    for (auto it = list.begin(); it != list.end(); ++it)
        result.append({ it->unitIndex(), it->value() });
    return result;
}

} // namespace

class tst_qzSortedUnitValues : public QObject
{
    Q_OBJECT

private slots:
    void appending();
    void find_data();
    void find();
    void comparison_data();
    void comparison();
    void sameOrderAsFullSort();
    void copiesAndMoves();
};

void tst_qzSortedUnitValues::appending()
{
    const QList<QPair<int, double>> sorted = { { 0, 1.0 }, { 0, 2.0 }, { 0, 3.0 } };
    const auto plain = listOf<qzSortedUnitValues>({ m(3), m(1), m(2) });
    QCOMPARE(contents(plain), sorted);
    QCOMPARE(plain.indexOfMaxValue(), 2);
    QCOMPARE(plain.at(5).dimension(), qzUnitSystem::Undefined);
    QCOMPARE(plain.at(-1).value(), 0.0);
    QCOMPARE(contents(listOf<qzSortedUnitValues>({ mm(500), m(1) })), (QList<QPair<int, double>>{ { 2, 500.0 }, { 0, 1.0 } }));
    QCOMPARE(qzSortedUnitValues().indexOfMaxValue(), -1);

    auto set = listOf<qzSortedUnitValues>({ m(1), m(2), m(3), m(4), m(5) });
    set.set(mm(7));
    QCOMPARE(contents(set), (QList<QPair<int, double>>{ { 2, 7.0 } }));

    // The unique list refuses equals within its tolerance, also through unit 0.
    const double next = std::nextafter(2.0, 3.0);
    QCOMPARE(contents(listOf<qzUniqueSortedUnitValues>({ m(2), m(2), m(next), mm(2000) })), (QList<QPair<int, double>>{ { 0, 2.0 } }));
    QCOMPARE(contents(listOf<qzUniqueSortedUnitValues>({ m(1), m(3), m(2) })), sorted);
    qzUniqueSortedUnitValues unique = listOf<qzUniqueSortedUnitValues>({ m(2) });
    static_cast<qzSortedUnitValues&>(unique).append(m(2)); // the base's append does not refuse
    QCOMPARE(unique.count(), 2);
}

void tst_qzSortedUnitValues::find_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("equal") << m(2) << 1;
    QTest::newRow("between") << m(1.5) << -1;
    QTest::newRow("other unit") << mm(2000) << 1;
    QTest::newRow("within epsilon") << m(std::nextafter(3.0, 4.0)) << 2;
    QTest::newRow("above all") << m(4) << -1;
    QTest::newRow("NaN") << m(qQNaN()) << -1;
}

void tst_qzSortedUnitValues::find()
{
    QFETCH(qzUnitValue, value);
    QFETCH(int, index);
    const auto list = listOf<qzSortedUnitValues>({ m(1), m(2), m(3) });
    QCOMPARE(list.find(value), index);
    QCOMPARE(list.contains(value), index >= 0);
}

void tst_qzSortedUnitValues::comparison_data()
{
    QTest::addColumn<QList<qzUnitValue>>("left");
    QTest::addColumn<QList<qzUnitValue>>("right");
    QTest::addColumn<bool>("equal");
    QTest::newRow("empty") << QList<qzUnitValue>() << QList<qzUnitValue>() << true;
    QTest::newRow("1 m and 1000 mm") << QList<qzUnitValue>{ m(1) } << QList<qzUnitValue>{ mm(1000) } << true;
    QTest::newRow("counts differ") << QList<qzUnitValue>{ m(1) } << QList<qzUnitValue>{ m(1), m(1) } << false;
    QTest::newRow("17th digit") << QList<qzUnitValue>{ mm(0.1 + 0.2) } << QList<qzUnitValue>{ mm(0.3) } << true;
    QTest::newRow("last element differs") << QList<qzUnitValue>{ m(1), m(2) } << QList<qzUnitValue>{ m(1), m(2.001) } << false;
    QTest::newRow("dimension differs") << QList<qzUnitValue>{ m(1) } << QList<qzUnitValue>{ qzUnitValue(qzUnitSystem::Mass, 1000.0, 0) } << false;
    QTest::newRow("largest doubles") << QList<qzUnitValue>{ m(DBL_MAX) } << QList<qzUnitValue>{ m(DBL_MAX) } << true;
}

void tst_qzSortedUnitValues::comparison()
{
    QFETCH(QList<qzUnitValue>, left);
    QFETCH(QList<qzUnitValue>, right);
    QFETCH(bool, equal);
    const auto a = listOf<qzSortedUnitValues>(left), b = listOf<qzSortedUnitValues>(right);
    QCOMPARE(a == b, equal);
    QCOMPARE(a != b, !equal);
}

// Binary insertion must give what appending and sorting the whole list
// gives, also after a host changed elements through the mutable iterators.
void tst_qzSortedUnitValues::sameOrderAsFullSort()
{
    QRandomGenerator random(4711);
    auto randomValue = [&random]() {
        const int unit = QList<int>{ 0, 2, 4 }.at(random.bounded(3));
        const double number = random.bounded(8) == 0 ? 5.0 : random.bounded(20.0) - 10.0; // with repeats
        return qzUnitLength::create(number, qzUnitLength::e_Unit(unit));
    };
    auto equivalent = [](const qzUnitValue& a, const qzUnitValue& b) { return !(a < b) && !(b < a); };
    for (int round = 0; round < 20; ++round) {
        qzSortedUnitValues list;
        QList<qzUnitValue> reference;
        for (int i = 0; i < 150; ++i) {
            if (i % 50 == 49) {
                for (qzUnitValue& value : list) // mutable iterators
                    value.setValue(random.bounded(20.0));
                reference = QList<qzUnitValue>(list.constBegin(), list.constEnd());
            }
            const qzUnitValue value = randomValue();
            list.append(value);
            reference.append(value);
            std::sort(reference.begin(), reference.end());
            QCOMPARE(list.count(), reference.count());
            QVERIFY(std::equal(list.constBegin(), list.constEnd(), reference.constBegin(), equivalent));
            auto key = [](const qzUnitValue& v) { return qMakePair(v.unitIndex(), v.value()); };
            QList<QPair<int, double>> mine = contents(list), theirs;
            std::transform(reference.cbegin(), reference.cend(), std::back_inserter(theirs), key);
            std::sort(mine.begin(), mine.end());
            std::sort(theirs.begin(), theirs.end());
            QCOMPARE(mine, theirs);
        }
    }
}

void tst_qzSortedUnitValues::copiesAndMoves()
{
    auto list = listOf<qzSortedUnitValues>({ m(1), m(2) });
    qzSortedUnitValues copy = list;
    *copy.begin() = m(9); // detaches: the original keeps its element
    QCOMPARE(list.at(0).value(), 1.0);
    copy.append(m(5));
    QCOMPARE(contents(copy), (QList<QPair<int, double>>{ { 0, 2.0 }, { 0, 5.0 }, { 0, 9.0 } }));
    qzSortedUnitValues moved = std::move(copy);
    QVERIFY(copy.isEmpty());
    QCOMPARE(moved.count(), 3);
    list = std::move(moved);
    QVERIFY(moved.isEmpty());
    QCOMPARE(list.count(), 3);
}

QTEST_GUILESS_MAIN(tst_qzSortedUnitValues)
#include "tst_qzSortedUnitValues.moc"
