// Handles and values keep their unit object inside themselves: building,
// copying, converting and computing with them must never reach the heap.
#include <qzUnitValue.h>

#include <QtTest>

// A value is a handle and a number; hosts keep millions of them.
static_assert(sizeof(qzUnitValue) <= 48, "qzUnitValue has grown beyond 48 bytes");

#include "countsMalloc.h"

class tst_qzUnitValueAllocations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void counterWorks();
    void hotPaths();
};

void tst_qzUnitValueAllocations::initTestCase()
{
    // The first view conversion creates the global unit system once; that is
    // the library's one lasting allocation and not part of the hot path.
    qzUnitSystem::globalUnitSystem();
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 4);
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Hardness, 3);
}

void tst_qzUnitValueAllocations::counterWorks()
{
    QCOMPARE(allocationsOf([] { int* volatile p = new int(1); delete p; }), 1L);
#ifdef QZ_COUNT_MALLOC
    QVERIFY(allocationsOf([] { QString s = QString::number(12345.678); Q_UNUSED(s) }) > 0);
#endif
}

// Building, copying, assigning handles and values, converting them (by
// factors, offsets, the hardness table) and computing with them.
void tst_qzUnitValueAllocations::hotPaths()
{
    double sum = 0.0;
    const long count = allocationsOf([&sum] {
        qzUnitSystem length(qzUnitSystem::Length, 2), copy(length), undefined, unknown(qzUnitSystem::Dimension(41), 3);
        undefined = copy;
        copy = qzUnitSystem(qzUnitSystem::Length, 4);
        undefined.toUndefine();
        qzUnitValue value(qzUnitSystem::Length, 5.0, 2), assigned, standard(value, 3.0, true), inView(qzUnitSystem::Length, 1.0, true);
        assigned = value;
        qzUnitValue c = qzUnitValue::makeUndefined();
        c.exchangeValue(value);
        c = value + standard - standard * 2.0 + 3.0;
        c += value;
        c -= standard;
        c *= 2.0;
        c /= 4.0;
        c = -c / 2.0;
        value.changeTo(4).changeTo(2);
        sum += c.value() + value.siValue() + value.standard() + inView.value() + value.viewUnitValue().value();
        qzUnitSystem::changeTo(qzUnitSystem::Length, 2, 4, sum);
        sum += (c == value) + (c < assigned) + c.fuzzyEq(value) + (length != copy);
        const qzUnitValue celsius(qzUnitSystem::Temperature, 100.0, 1), vickers(qzUnitSystem::Hardness, 400.0, 5);
        qzUnitValue moving(vickers);
        sum += celsius.value(2) + (celsius + celsius).value(0) + vickers.viewValue() + vickers.copyTo(3).value();
        sum += moving.changeTo(3).changeTo(5).value() + (vickers * 2.0).value(0) + vickers.fuzzyCompare(moving, 1e-9);
    });
    QCOMPARE(count, 0L);
    QVERIFY(sum != 0.0);
}

QTEST_GUILESS_MAIN(tst_qzUnitValueAllocations)
#include "tst_qzUnitValueAllocations.moc"
