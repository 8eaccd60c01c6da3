// Values are plain objects: threads that each work on their own values share
// nothing that is written. The first uses of the process-wide state may race,
// and one thread may change the view units while others read them. Built
// with -fsanitize=thread this test is the race check; without it, it still
// compares every thread's results.
#include <qzUnitLength.h>
#include <qzUnitValue.h>
#include <qzViewUnitsNotifier.h>

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

} // namespace

class tst_qzUnitThreads : public QObject
{
    Q_OBJECT

private slots:
    void firstUseRaces();
    void viewUnitsChangeWhileRead();
};

// Nothing has used the global unit system yet: threads race for its creation
// and the type registration, each then working on values of its own.
void tst_qzUnitThreads::firstUseRaces()
{
    QCOMPARE(qzMetaTypeId("qzUnitValue"), int(QMetaType::UnknownType));
    const qzUnitValue values[ThreadCount] = { qzUnitValue(qzUnitSystem::Length, 12.5, 2), qzUnitValue(qzUnitSystem::Temperature, 20.0, 1),
                                              qzUnitValue(qzUnitSystem::Hardness, 45.0, 3), qzUnitValue::makeUndefined() };
    std::vector<qzUnitSystem*> globals(ThreadCount, nullptr);
    std::vector<QStringList> results(ThreadCount);
    const auto exercise = [&values](int i) {
        qzUnitValue copy = values[i].copyTo(i + 1);
        QStringList texts{ copy.valueSymbolString('g', 12), values[i].viewValueSymbolString('f', 3), QString::number(qHash(values[i])) };
        copy += values[i];
        copy *= 3.0;
        QByteArray bytes;
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << copy << QVariant::fromValue(values[i]);
        QDataStream in(bytes);
        QVariant variant;
        in >> copy >> variant;
        return texts << copy.valueSymbolString('g', 17) << variant.value<qzUnitValue>().valueSymbolString('g', 17);
    };
    std::vector<QString> typed(ThreadCount); // the first reading builds the index of unit spellings
    runTogether([&](int i) {
        typed[i] = qzUnitValue::fromString(QStringLiteral("3 ft 4 in")).valueSymbolString('g', 6);
        globals[i] = qzUnitSystem::globalUnitSystem();
        for (int round = 0; round < 50; ++round)
            results[i] = exercise(i);
    });
    QVERIFY(qzMetaTypeId("qzUnitValue") != int(QMetaType::UnknownType));
    for (int i = 0; i < ThreadCount; ++i) {
        QCOMPARE(globals[i], qzUnitSystem::globalUnitSystem());
        QCOMPARE(results[i], exercise(i));
        QCOMPARE(typed[i], QStringLiteral("40.0 in"));
    }
}

// One thread switches presets (and a key without a slot) back and forth while
// the others read the view units: each reading is one preset's unit, and
// each switch is announced once, in the writer's thread.
void tst_qzUnitThreads::viewUnitsChangeWhileRead()
{
    const QMap<int, int> si = qzUnitSystem::getUnitIndices(qzUnitSystem::SI);
    QMap<int, int> us = qzUnitSystem::getUnitIndices(qzUnitSystem::USCommon);
    us.insert(99, 1);
    qzUnitSystem::setViewUnits(si);
    std::atomic<int> announced{ 0 };
    std::atomic<std::thread::id> writer;
    const QMetaObject::Connection connection = QObject::connect(qzViewUnitsNotifier::instance(), &qzViewUnitsNotifier::viewUnitsChanged,
                                                                [&] { announced += std::this_thread::get_id() == writer.load() ? 1 : 1000; });
    const qzUnitValue metre(qzUnitSystem::Length, 1.0, 0);
    std::vector<int> odd(ThreadCount, 0);
    runTogether([&](int i) {
        if (i == 0) {
            writer = std::this_thread::get_id();
            for (int round = 0; round < 200; ++round) {
                for (int twice = 0; twice < 2; ++twice) // the second changes nothing
                    qzUnitSystem::setViewUnits(round % 2 ? si : us);
            }
            return;
        }
        for (int round = 0; round < 20000; ++round) {
            const double shown = metre.viewValue();
            const int other = qzUnitSystem::viewUnitIndex(qzUnitSystem::Dimension(99));
            odd[i] += (shown != 1.0 && shown != metre.value(qzUnitLength::Inch)) || (other != -1 && other != 1);
        }
    });
    writer = std::this_thread::get_id();
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, si.value(qzUnitSystem::Length)); // as it is: no signal
    qzUnitSystem::setViewUnitIndex(qzUnitSystem::Length, qzUnitLength::Inch);
    QObject::disconnect(connection);
    QCOMPARE(odd, std::vector<int>(ThreadCount, 0));
    QCOMPARE(announced.load(), 201);
}

QTEST_GUILESS_MAIN(tst_qzUnitThreads)
#include "tst_qzUnitThreads.moc"
