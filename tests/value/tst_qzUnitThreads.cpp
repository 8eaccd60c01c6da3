// Values are plain objects: threads that each work on their own values, with
// the view units left alone, share nothing that is written. The first uses of
// the process-wide state may race. Built with -fsanitize=thread this test is
// the race check; without it, it still compares every thread's results.
#include <qzUnitValue.h>

#include <QtTest>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr int ThreadCount = 4;

// Runs work(i) on ThreadCount threads released together.
void runTogether(const std::function<void(int)>& work)
{
    std::atomic<int> waiting{ ThreadCount };
    std::vector<std::thread> threads;
    for (int i = 0; i < ThreadCount; ++i) {
        threads.emplace_back([&, i] {
            --waiting;
            while (waiting.load() > 0)
                std::this_thread::yield();
            work(i);
        });
    }
    for (std::thread& thread : threads)
        thread.join();
}

// Everything a host does with its own values; the texts collect the results.
QStringList exercise(qzUnitValue value, int unitIndex)
{
    QStringList results;
    qzUnitValue copy = value.copyTo(unitIndex);
    results << copy.valueSymbolString('g', 12) << value.valueString(unitIndex, 'e', 6)
            << value.viewValueSymbolString('f', 3) << QString::number(value.siValue(), 'g', 17)
            << QString::number(qHash(value));
    copy += value;
    copy *= 3.0;
    results << copy.valueSymbolString('G', 8) << QString::number(copy.fuzzyCompare(value, 1e-9));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << copy << QVariant::fromValue(value);
    QDataStream in(bytes);
    qzUnitValue read;
    QVariant variant;
    in >> read >> variant;
    results << read.valueSymbolString('g', 17) << variant.value<qzUnitValue>().valueSymbolString('g', 17);
    return results;
}

} // namespace

class tst_qzUnitThreads : public QObject
{
    Q_OBJECT

private slots:
    // Must stay the first test: nothing has used the global unit system yet.
    void firstUseRaces();
    void ownValues_data();
    void ownValues();
};

void tst_qzUnitThreads::firstUseRaces()
{
    QCOMPARE(QMetaType::type("qzUnitValue"), int(QMetaType::UnknownType));
    std::vector<qzUnitSystem*> globals(ThreadCount, nullptr);
    std::vector<int> dimensionCounts(ThreadCount, 0);
    std::vector<QString> viewTexts(ThreadCount);
    std::vector<QString> typed(ThreadCount); // the first reading builds the index of unit spellings
    runTogether([&](int i) {
        typed[i] = qzUnitValue::fromString(QStringLiteral("3 ft 4 in")).valueSymbolString('g', 6);
        globals[i] = qzUnitSystem::globalUnitSystem();
        dimensionCounts[i] = qzUnitSystem::getDimensions().size();
        viewTexts[i] = qzUnitValue(qzUnitSystem::Length, 2.5, 0).viewValueSymbolString('g', 6);
    });
    for (int i = 0; i < ThreadCount; ++i) {
        QCOMPARE(globals[i], qzUnitSystem::globalUnitSystem());
        QCOMPARE(dimensionCounts[i], qzUnitSystem::nbDimensions());
        QCOMPARE(typed[i], QStringLiteral("40.0 in"));
        QCOMPARE(viewTexts[i], qzUnitValue(qzUnitSystem::Length, 2.5, 0).viewValueSymbolString('g', 6));
    }
    QVERIFY(QMetaType::type("qzUnitValue") != int(QMetaType::UnknownType));
}

void tst_qzUnitThreads::ownValues_data()
{
    QTest::addColumn<qzUnitValue>("value");
    QTest::addColumn<int>("unitIndex");
    QTest::newRow("length") << qzUnitValue(qzUnitSystem::Length, 12.5, 2) << 4;
    QTest::newRow("temperature offset") << qzUnitValue(qzUnitSystem::Temperature, 20.0, 1) << 2;
    QTest::newRow("hardness table") << qzUnitValue(qzUnitSystem::Hardness, 45.0, 3) << 5;
    QTest::newRow("undefined") << qzUnitValue::makeUndefined() << 1;
}

void tst_qzUnitThreads::ownValues()
{
    QFETCH(qzUnitValue, value);
    QFETCH(int, unitIndex);
    const QStringList expected = exercise(value, unitIndex);
    std::vector<QStringList> results(ThreadCount);
    runTogether([&](int i) {
        const qzUnitValue own(value); // each thread its own copy
        for (int round = 0; round < 50; ++round)
            results[i] = exercise(own, unitIndex);
    });
    for (const QStringList& result : results)
        QCOMPARE(result, expected);
}

QTEST_GUILESS_MAIN(tst_qzUnitThreads)
#include "tst_qzUnitThreads.moc"
