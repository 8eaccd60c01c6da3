// Handles and values keep their unit object inside themselves: building,
// copying, converting and computing with them must never reach the heap.
// This executable replaces the global allocation functions to count; with
// glibc it also interposes malloc, through which Qt's containers allocate.
#include <qzUnitHardness.h>
#include <qzUnitLength.h>
#include <qzUnitTemperature.h>
#include <qzUnitValue.h>

#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <new>

// A value is a handle and a number; hosts keep millions of them.
static_assert(sizeof(qzUnitValue) <= 48, "qzUnitValue has grown beyond 48 bytes");

static std::atomic<long> allocations{ 0 };

// Sanitizers bring their own allocator; there only operator new is counted.
#if defined(__has_feature)
#  if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#    define QZ_SANITIZED_ALLOCATOR
#  endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#  define QZ_SANITIZED_ALLOCATOR
#endif
#if defined(__GLIBC__) && !defined(QZ_SANITIZED_ALLOCATOR)
#  define QZ_COUNT_MALLOC
#endif

#ifdef QZ_COUNT_MALLOC
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);

void* malloc(std::size_t size)
{
    ++allocations;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size)
{
    ++allocations;
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size)
{
    ++allocations;
    return __libc_realloc(p, size);
}
}
#endif

void* operator new(std::size_t size)
{
#ifndef QZ_COUNT_MALLOC
    ++allocations;
#endif
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {
// The number of allocations that operation makes.
template <typename Operation>
long allocationsOf(Operation operation)
{
    const long before = allocations.load();
    operation();
    return allocations.load() - before;
}
} // namespace

class tst_qzUnitValueAllocations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void counterWorks();
    void handles();
    void values();
    void conversions();
    void arithmetic();
    void eachConversion_data();
    void eachConversion();
};

void tst_qzUnitValueAllocations::initTestCase()
{
    // The first view conversion creates the global unit system once; that is
    // the library's one lasting allocation and not part of the hot path.
    qzUnitSystem::globalUnitSystem();
}

void tst_qzUnitValueAllocations::counterWorks()
{
    QCOMPARE(allocationsOf([] { int* volatile p = new int(1); delete p; }), 1L);
#ifdef QZ_COUNT_MALLOC
    QVERIFY(allocationsOf([] { QString s = QString::number(12345.678); Q_UNUSED(s) }) > 0);
#endif
}

void tst_qzUnitValueAllocations::handles()
{
    const long count = allocationsOf([] {
        qzUnitSystem length(qzUnitSystem::Length, 2);
        qzUnitSystem copy(length);
        qzUnitSystem undefined;
        undefined = copy;
        copy = qzUnitSystem(qzUnitSystem::Length, 4);
        undefined.toUndefine();
        qzUnitSystem unknown(qzUnitSystem::Dimension(41), 3);
        QVERIFY(length == undefined || length != copy);
    });
    QCOMPARE(count, 0L);
}

void tst_qzUnitValueAllocations::values()
{
    const long count = allocationsOf([] {
        qzUnitValue value(qzUnitSystem::Length, 5.0, 2);
        qzUnitValue copy(value);
        qzUnitValue assigned;
        assigned = copy;
        qzUnitValue standard(value, 3.0, true);
        qzUnitValue undefined = qzUnitValue::makeUndefined();
        undefined.exchangeValue(value);
        QVERIFY(standard.unitIndex() == 0 && undefined.unitIndex() == 2);
    });
    QCOMPARE(count, 0L);
}

void tst_qzUnitValueAllocations::conversions()
{
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, 4);
    qzUnitValue value(qzUnitSystem::Length, 5.0, 2);
    double sum = 0.0;
    const long count = allocationsOf([&] {
        sum += value.value(4) + value.siValue() + value.standard() + value.viewValue();
        sum += value.copyTo(0).value();
        sum += value.viewUnitValue().value();
        value.changeTo(4).changeTo(2);
        qzUnitValue inView(qzUnitSystem::Length, 1.0, true);
        sum += inView.value();
        qzUnitSystem::changeTo(qzUnitSystem::Length, 2, 4, sum);
    });
    QCOMPARE(count, 0L);
    QVERIFY(sum > 0.0);
}

void tst_qzUnitValueAllocations::arithmetic()
{
    const qzUnitValue a(qzUnitSystem::Length, 5.0, 2);
    const qzUnitValue b(qzUnitSystem::Length, 1.0, 0);
    bool flags = false;
    const long count = allocationsOf([&] {
        qzUnitValue c = a + b - b * 2.0 + 3.0;
        c += a;
        c -= b;
        c *= 2.0;
        c /= 4.0;
        c = -c / 2.0;
        flags = (c == a) || (c < b) || c.fuzzyEq(a) || a.fuzzyCompare(b, 1e-9) == 0;
    });
    QCOMPARE(count, 0L);
    Q_UNUSED(flags)
}

// The conversions hosts run in inner loops: factors, offsets, the hardness
// table. Reading, converting, copying, the view unit, and two values meeting.
void tst_qzUnitValueAllocations::eachConversion_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("number");      // in unit from
    QTest::addColumn<double>("otherNumber"); // in unit to
    QTest::newRow("mm to in") << int(qzUnitSystem::Length) << int(qzUnitLength::Millimeter)
                              << int(qzUnitLength::Inch) << 254.0 << 3.0;
    QTest::newRow("Celsius to Fahrenheit") << int(qzUnitSystem::Temperature)
                                           << int(qzUnitTemperature::DegreeCelsius)
                                           << int(qzUnitTemperature::DegreeFahrenheit) << 100.0 << 50.0;
    // Sums and products stay inside the conversion table.
    QTest::newRow("HV to HRC") << int(qzUnitSystem::Hardness) << int(qzUnitHardness::Vickers)
                               << int(qzUnitHardness::Rockwell) << 400.0 << 20.0;
}

void tst_qzUnitValueAllocations::eachConversion()
{
    QFETCH(int, dimension);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, number);
    QFETCH(double, otherNumber);
    const auto d = qzUnitSystem::Dimension(dimension);
    qzUnitSystem::setViewUnitIndex(d, to);
    const qzUnitValue value(d, number, from);
    const qzUnitValue other(d, otherNumber, to);
    qzUnitValue moving(d, number, from);
    double read = 0.0;
    double inView = 0.0;
    double there = 0.0;
    double back = 0.0;
    int copiedUnit = -1;
    double copied = 0.0;
    int compared = 2;
    double sum = 0.0;
    double product = 0.0;
    const long count = allocationsOf([&] {
        read = value.value(to);
        inView = value.viewValue();
        const qzUnitValue copy = value.copyTo(to);
        copiedUnit = copy.unitIndex();
        copied = copy.value();
        there = moving.changeTo(to).value();
        back = moving.changeTo(from).value();
        compared = value.fuzzyCompare(other, 1e-9);
        sum = (value + other).value(0);
        product = (value * 2.0).value(0);
    });
    QCOMPARE(count, 0L);
    // The operations did their work, not merely no allocation.
    QVERIFY(read != number);
    QCOMPARE(inView, read);
    QCOMPARE(copiedUnit, to);
    QCOMPARE(copied, read);
    QCOMPARE(there, read);
    QCOMPARE(moving.unitIndex(), from);
    QVERIFY(qAbs(back - number) < 1e-9 * qAbs(number));
    QCOMPARE(compared, value.value(0) < other.value(0) ? -1 : 1);
    const double expectedSum = value.value(0) + other.value(0);
    QVERIFY(qAbs(sum - expectedSum) <= 1e-9 * qAbs(expectedSum));
    QVERIFY(qAbs(product - 2.0 * value.value(0)) <= 1e-9 * qAbs(product));
}

QTEST_GUILESS_MAIN(tst_qzUnitValueAllocations)
#include "tst_qzUnitValueAllocations.moc"
