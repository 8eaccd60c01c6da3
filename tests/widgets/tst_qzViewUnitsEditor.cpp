#include <qzUnitComboBox.h>
#include <qzUnitTranslator.h>
#include <qzViewUnitsEditor.h>

#include <QCollator>
#include <QGridLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using D = qzUnitSystem::Dimension;
using S = qzUnitSystem::UnitSystem;
using Units = QMap<int, int>;

// The editor's choice of presets: its one combo box that lists no units.
static QComboBox* presetChoice(const qzViewUnitsEditor& editor)
{
    for (QComboBox* combo : editor.findChildren<QComboBox*>()) {
        if (!qobject_cast<qzUnitComboBox*>(combo))
            return combo;
    }
    return nullptr;
}

// The last unit of every dimension: no preset's choice.
static Units lastUnits()
{
    Units units;
    for (D dimension : qzUnitSystem::getDimensions())
        units.insert(dimension, qzUnitSystem(dimension).maxIndex() - 1);
    return units;
}

class tst_qzViewUnitsEditor : public QObject
{
    Q_OBJECT

private slots:
    void init() { qzUnitSystem::setViewUnits(qzUnitSystem::getSIUnitIndices()); }
    void cleanup()
    {
        qzUnitTranslator::remove();
        QCoreApplication::processEvents();
        qzUnitSystem::setViewUnits(qzUnitSystem::getSIUnitIndices());
    }
    void units_data();
    void units();
    void userChoices();
    void retranslation();
};

void tst_qzViewUnitsEditor::units_data()
{
    QTest::addColumn<Units>("units");
    QTest::addColumn<QString>("preset"); // the name the choice of presets shows
    QTest::addColumn<int>("system");     // -1: none
    const auto preset = [](const char* name, S system, const char* shown) {
        QTest::newRow(name) << qzUnitSystem::getUnitIndices(system) << QString::fromUtf8(shown) << int(system);
    };
    preset("SI", S::SI, "SI");
    preset("SImm", S::SImm, "SI (millimeters)");
    preset("Imperial", S::Imperial, "Imperial");
    preset("USCommon", S::USCommon, "US customary");
    preset("NorvaneDefault", S::NorvaneDefault, "Default");
    QTest::newRow("last units") << lastUnits() << QStringLiteral("Custom") << -1;
}

// What the editor is given is what it shows and what apply() makes the view
// units; a preset is shown as getUnitIndices() gives it, and named.
void tst_qzViewUnitsEditor::units()
{
    QFETCH(Units, units);
    QFETCH(QString, preset);
    QFETCH(int, system);
    qzViewUnitsEditor editor;
    QCOMPARE(editor.viewUnits(), qzUnitSystem::getSIUnitIndices()); // the view units in force
    QSignalSpy edited(&editor, &qzViewUnitsEditor::viewUnitsEdited);
    editor.setViewUnits(units);
    QCOMPARE(editor.viewUnits(), units);
    QCOMPARE(presetChoice(editor)->currentText(), preset);
    if (system >= 0) {
        editor.setViewUnits(lastUnits());
        editor.setPreset(S(system));
        QCOMPARE(editor.viewUnits(), units);
    }
    QCOMPARE(qzUnitSystem::viewUnitIndex(D::Length), 0); // nothing applied yet
    editor.apply();
    for (auto it = units.cbegin(); it != units.cend(); ++it)
        QCOMPARE(qzUnitSystem::viewUnitIndex(D(it.key())), it.value());
    QCOMPARE(edited.count(), 0);

    // A partial map changes its dimensions only; a value without a preset and
    // a key of no dimension change nothing; an index outside a table shows no
    // unit, which viewUnits() leaves out and apply() therefore keeps.
    editor.setViewUnits({{D::Length, 4}, {41, 1}, {99, 2}});
    editor.setPreset(S(4));
    editor.setViewUnits({{D::Mass, 1000}});
    Units expected = units;
    expected.insert(D::Length, 4);
    expected.remove(D::Mass);
    QCOMPARE(editor.viewUnits(), expected);
    editor.apply();
    QCOMPARE(qzUnitSystem::viewUnitIndex(D::Mass), units.value(D::Mass));
}

// A unit or a preset chosen by the user is one viewUnitsEdited() each.
void tst_qzViewUnitsEditor::userChoices()
{
    qzViewUnitsEditor editor;
    QSignalSpy edited(&editor, &qzViewUnitsEditor::viewUnitsEdited);
    QComboBox* presets = presetChoice(editor);
    QTest::keyClick(presets, Qt::Key_Down);
    QCOMPARE(edited.count(), 1);
    QCOMPARE(editor.viewUnits(), qzUnitSystem::getUnitIndices(S::SImm));

    QTest::keyClick(editor.unitComboBox(D::Length), Qt::Key_Down);
    QCOMPARE(edited.count(), 2);
    QCOMPARE(editor.viewUnits().value(D::Length), 3);
    QCOMPARE(presets->currentText(), QStringLiteral("Custom"));
    QCOMPARE(editor.unitComboBox(D(41)), nullptr);
}

// Under another language the rows carry the translated dimension names, in
// their alphabetical order there; the units shown stay, nothing is emitted.
void tst_qzViewUnitsEditor::retranslation()
{
    qzViewUnitsEditor editor;
    editor.setPreset(S::USCommon);
    QSignalSpy edited(&editor, &qzViewUnitsEditor::viewUnitsEdited);
    QVERIFY(qzUnitTranslator::install(QLocale(QLocale::German)));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(presetChoice(editor)->currentText(), QStringLiteral("US-amerikanisch"));
    QCOMPARE(editor.viewUnits(), qzUnitSystem::getUnitIndices(S::USCommon));
    QCOMPARE(edited.count(), 0);

    auto* rows = qobject_cast<QGridLayout*>(editor.unitComboBox(D::Length)->parentWidget()->layout());
    QVERIFY(rows);
    QStringList names;
    for (int row = 0; row < rows->rowCount(); ++row) {
        auto* label = qobject_cast<QLabel*>(rows->itemAtPosition(row, 0)->widget());
        auto* units = qobject_cast<qzUnitComboBox*>(rows->itemAtPosition(row, 1)->widget());
        QCOMPARE(label->buddy(), units);
        QCOMPARE(label->text(), qzUnitSystem(units->dimension()).dimensionName());
        names.append(label->text());
    }
    QCOMPARE(names.size(), qzUnitSystem::nbDimensions());
    QVERIFY(names.contains(QStringLiteral("Länge")));
    QStringList sorted = names;
    const QCollator collator(editor.locale());
    std::sort(sorted.begin(), sorted.end(), [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    QCOMPARE(names, sorted);
}

QTEST_MAIN(tst_qzViewUnitsEditor)
#include "tst_qzViewUnitsEditor.moc"
