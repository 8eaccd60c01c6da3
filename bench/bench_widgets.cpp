// The widgets: the text of a table cell against the library's own text of
// the same value, one keystroke in a field, and a change of the view units
// while a form and a large table are shown. Widgets need an application
// object; it is made on first use, on the offscreen platform, and kept.
#include "benchSupport.h"

#include <qzUnitAll.h>
#include <qzUnitValueDelegate.h>
#include <qzUnitValueEdit.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

namespace {

void ensureApplication()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qzunit_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives as long as the process
    qzUnitSystem::globalUnitSystem();
}

// Lengths stored in millimetres, shown in inches: a conversion and a text each.
QVector<qzUnitValue> cellValues()
{
    return bench::valuesOf(bench::randomNumbers(bench::InputCount, 0.1, 5000.0), qzUnitSystem::Length, qzUnitLength::Millimeter);
}

void BM_Widgets_DelegateDisplayText(benchmark::State& state)
{
    ensureApplication();
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::USCommon));
    QVector<QVariant> cells;
    for (const qzUnitValue& value : cellValues())
        cells.append(QVariant::fromValue(value));
    const qzUnitValueDelegate delegate;
    const QLocale locale = QLocale::c();
    bench::cycle(state, [&](int i) { benchmark::DoNotOptimize(delegate.displayText(cells.at(i), locale)); });
}
BENCHMARK(BM_Widgets_DelegateDisplayText)->Apply(bench::configure);

// The baseline of the cell: the same value's text through the library.
void BM_Widgets_ViewValueSymbolString(benchmark::State& state)
{
    ensureApplication();
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::USCommon));
    const QVector<qzUnitValue> values = cellValues();
    bench::cycle(state, [&](int i) { benchmark::DoNotOptimize(values.at(i).viewValueSymbolString('g', 6)); });
}
BENCHMARK(BM_Widgets_ViewValueSymbolString)->Apply(bench::configure);

void press(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

// A field holding "12.5 m" while the user types: each iteration types "m"
// (making "12.5 mm") and takes it back, two keystrokes, each handled as a key
// event, validated and completed.
void BM_Widgets_Keystroke(benchmark::State& state)
{
    ensureApplication();
    qzUnitValueEdit edit(qzUnitSystem::Length);
    edit.show();
    edit.setFocus();
    QLineEdit* line = edit.lineEdit();
    line->setText(QStringLiteral("12.5 m"));
    for (auto _ : state) {
        press(line, Qt::Key_M, QStringLiteral("m"));
        press(line, Qt::Key_Backspace, QString());
    }
    if (line->text() != QStringLiteral("12.5 m") || !edit.hasAcceptableInput())
        state.SkipWithError("the keystrokes did not reach the field");
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_Widgets_Keystroke)->Apply(bench::configure)->Unit(benchmark::kMicrosecond);

// The validation alone: the field's text changes between "12.5 m" and
// "12.5 mm" as a keystroke changes it, without the key event's handling and
// the completion it opens.
void BM_Widgets_KeystrokeValidation(benchmark::State& state)
{
    ensureApplication();
    qzUnitValueEdit edit(qzUnitSystem::Length);
    QLineEdit* line = edit.lineEdit();
    const QString texts[] = {QStringLiteral("12.5 m"), QStringLiteral("12.5 mm")};
    int next = 0;
    for (auto _ : state) {
        line->setText(texts[next]);
        next ^= 1;
    }
    if (line->text() != texts[next ^ 1] || !edit.hasAcceptableInput())
        state.SkipWithError("the text did not reach the field");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Widgets_KeystrokeValidation)->Apply(bench::configure)->Unit(benchmark::kMicrosecond);

// 100 000 rows of three values, made on request as a host's model would.
class Rows : public QAbstractTableModel
{
public:
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 100000; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 3; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::EditRole)
            return QVariant();
        static const qzUnitSystem::Dimension dimensions[] = {qzUnitSystem::Length, qzUnitSystem::Force, qzUnitSystem::Temperature};
        return QVariant::fromValue(qzUnitValue(dimensions[index.column()], 1.0 + index.row() * 0.001, 0));
    }
};

// A preset applied while 200 fields and the table are on screen: the time
// until every field and the visible cells show the new units, paint included.
void BM_Widgets_ApplyPreset(benchmark::State& state)
{
    ensureApplication();
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::SI));
    QWidget window;
    auto* layout = new QGridLayout(&window);
    static const qzUnitSystem::Dimension dimensions[] = {qzUnitSystem::Length, qzUnitSystem::Force, qzUnitSystem::Stress,
                                                         qzUnitSystem::Temperature, qzUnitSystem::Mass};
    qzUnitValueEdit* first = nullptr;
    for (int i = 0; i < 200; ++i) {
        auto* edit = new qzUnitValueEdit(dimensions[i % 5]);
        if (!first)
            first = edit;
        edit->setValue(qzUnitValue(dimensions[i % 5], 1.0 + i, 0));
        layout->addWidget(edit, i % 40, i / 40);
    }
    Rows rows;
    auto* table = new QTableView;
    table->setModel(&rows);
    table->setItemDelegate(new qzUnitValueDelegate(table));
    layout->addWidget(table, 0, 5, 40, 1);
    window.resize(1600, 1000);
    window.show();
    QApplication::processEvents();
    const QMap<int, int> presets[] = {qzUnitSystem::getUnitIndices(qzUnitSystem::USCommon),
                                      qzUnitSystem::getUnitIndices(qzUnitSystem::SImm)};
    int next = 0;
    for (auto _ : state) {
        qzUnitSystem::setViewUnits(presets[next]);
        QApplication::processEvents();
        next ^= 1;
    }
    if (!first->text().endsWith(qzUnitSystem::viewUnitSymbol(qzUnitSystem::Length)))
        state.SkipWithError("the fields did not follow the view units");
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::SI));
}
BENCHMARK(BM_Widgets_ApplyPreset)->Apply(bench::configure)->Unit(benchmark::kMillisecond);

} // namespace
