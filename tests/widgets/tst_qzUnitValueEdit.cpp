#include "qzUnitValueEdit.h"

#include <QtTest>

class tst_qzUnitValueEdit : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheValueSet()
    {
        qzUnitValueEdit edit(qzUnitSystem::Length);
        const qzUnitValue value(qzUnitSystem::Length, 12.5, 3);
        edit.setValue(value);
        QCOMPARE(edit.value().value(), 12.5);
        QCOMPARE(edit.value().unitIndex(), 3);
    }
};

QTEST_MAIN(tst_qzUnitValueEdit)
#include "tst_qzUnitValueEdit.moc"
