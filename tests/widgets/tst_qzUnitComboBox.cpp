#include <qzUnitComboBox.h>
#include <qzUnitTranslator.h>

#include <QSignalSpy>
#include <QtTest>

using D = qzUnitSystem::Dimension;

class tst_qzUnitComboBox : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qzUnitTranslator::remove();
        qzUnitSystem::setViewUnits(qzUnitSystem::getSIUnitIndices());
    }
    void units_data();
    void units();
    void changes_data();
    void changes();
    void retranslation();
};

void tst_qzUnitComboBox::units_data()
{
    QTest::addColumn<D>("dimension");
    for (D dimension : qzUnitSystem::getDimensions())
        QTest::newRow(qPrintable(qzUnitSystem::dimensionKey(dimension))) << dimension;
}

// Every unit of the dimension once, in index order: row i shows the name and
// symbol of unit i and holds i, no two rows read alike, and the dimension's
// view unit is current.
void tst_qzUnitComboBox::units()
{
    QFETCH(D, dimension);
    const qzUnitSystem unitSystem(dimension);
    const int last = unitSystem.maxIndex() - 1;
    qzUnitSystem::setViewUnitIndex(dimension, last);
    const qzUnitComboBox combo(dimension);
    QCOMPARE(combo.count(), unitSystem.maxIndex());
    QCOMPARE(combo.currentUnitIndex(), last);
    QSet<QString> texts;
    for (int row = 0; row < combo.count(); ++row) {
        QCOMPARE(combo.itemData(row).toInt(), row);
        const QString text = combo.itemText(row);
        QVERIFY(text.startsWith(unitSystem.names().at(row)));
        QVERIFY(text.contains(unitSystem.symbols().at(row)));
        QVERIFY2(!texts.contains(text), qPrintable(text));
        texts.insert(text);
    }
}

void tst_qzUnitComboBox::changes_data()
{
    QTest::addColumn<int>("unitIndex");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("emitted");
    QTest::newRow("another unit") << 4 << 4 << 1;
    QTest::newRow("the same unit") << 2 << 2 << 0;
    QTest::newRow("past the table") << 10 << -1 << 1;
    QTest::newRow("negative") << -3 << -1 << 1;
}

// One signal per change of the unit, by a call or by the keyboard; none when
// nothing changes.
void tst_qzUnitComboBox::changes()
{
    QFETCH(int, unitIndex);
    QFETCH(int, current);
    QFETCH(int, emitted);
    qzUnitComboBox combo(D::Length);
    combo.setCurrentUnitIndex(2);
    QSignalSpy spy(&combo, &qzUnitComboBox::currentUnitIndexChanged);
    combo.setCurrentUnitIndex(unitIndex);
    QCOMPARE(combo.currentUnitIndex(), current);
    QCOMPARE(spy.count(), emitted);
    if (emitted)
        QCOMPARE(spy.first().first().toInt(), current);

    spy.clear();
    combo.setCurrentUnitIndex(3);
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.currentUnitIndex(), 4);
    QCOMPARE(spy.count(), 2);

    // Another dimension is one change, to its view unit; the same one is none.
    spy.clear();
    combo.setDimension(D::Temperature);
    combo.setDimension(D::Temperature);
    QCOMPARE(combo.count(), qzUnitSystem(D::Temperature).maxIndex());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), qzUnitSystem::viewUnitIndex(D::Temperature));
}

// A new language renames the items in place: the same unit stays current
// and no signal is emitted.
void tst_qzUnitComboBox::retranslation()
{
    qzUnitComboBox combo(D::Length);
    combo.setCurrentUnitIndex(4);
    QSignalSpy spy(&combo, &qzUnitComboBox::currentUnitIndexChanged);
    QVERIFY(qzUnitTranslator::install(QLocale(QLocale::German)));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(combo.itemText(4), QStringLiteral("Zoll (in)"));
    QCOMPARE(combo.currentUnitIndex(), 4);
    qzUnitTranslator::remove();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(combo.itemText(4), QStringLiteral("Inch (in)"));
    QCOMPARE(combo.currentUnitIndex(), 4);
    QCOMPARE(spy.count(), 0);
}

QTEST_MAIN(tst_qzUnitComboBox)
#include "tst_qzUnitComboBox.moc"
