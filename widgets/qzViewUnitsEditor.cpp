#include "qzViewUnitsEditor.h"

#include "qzUnitComboBox.h"

#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct Preset
{
    qzUnitSystem::UnitSystem system;
    const char* name;
};

// In the order of the enumeration; the texts are translated when shown.
const Preset Presets[] = {
    {qzUnitSystem::SI, QT_TRANSLATE_NOOP("qzViewUnitsEditor", "SI")},
    {qzUnitSystem::SImm, QT_TRANSLATE_NOOP("qzViewUnitsEditor", "SI (millimeters)")},
    {qzUnitSystem::Imperial, QT_TRANSLATE_NOOP("qzViewUnitsEditor", "Imperial")},
    {qzUnitSystem::USCommon, QT_TRANSLATE_NOOP("qzViewUnitsEditor", "US customary")},
    {qzUnitSystem::NorvaneDefault, QT_TRANSLATE_NOOP("qzViewUnitsEditor", "Default")},
};
constexpr int PresetCount = int(sizeof(Presets) / sizeof(Presets[0]));
// The last row of the choice stands for units that equal no preset; the user
// cannot pick it.
constexpr int CustomRow = PresetCount;
// Characters of a unit shown before its combo box grows with the editor.
constexpr int MinimumUnitLength = 16;

} // namespace

qzViewUnitsEditor::qzViewUnitsEditor(QWidget* parent)
    : QWidget(parent)
    , m_presetLabel(new QLabel(this))
    , m_presets(new QComboBox(this))
    , m_scrollArea(new QScrollArea(this))
    , m_rows(new QGridLayout)
{
    for (const Preset& preset : Presets)
        m_presets->addItem(QString(), int(preset.system));
    m_presets->addItem(QString(), -1);
    if (auto* model = qobject_cast<QStandardItemModel*>(m_presets->model()))
        model->item(CustomRow)->setEnabled(false);
    m_presetLabel->setBuddy(m_presets);
    connect(m_presets, QOverload<int>::of(&QComboBox::activated), this, &qzViewUnitsEditor::choosePreset);

    auto* rows = new QWidget;
    rows->setLayout(m_rows);
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        auto* label = new QLabel(rows);
        auto* units = new qzUnitComboBox(dimension, rows);
        // The longest names would make the list too wide for a dialog;
        // the popups still show them whole.
        units->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        units->setMinimumContentsLength(MinimumUnitLength);
        label->setBuddy(units);
        m_labels.insert(dimension, label);
        m_units.insert(dimension, units);
        connect(units, QOverload<int>::of(&QComboBox::activated), this, [this] {
            showMatchingPreset();
            emit viewUnitsEdited();
        });
    }
    m_rows->setColumnStretch(1, 1);
    m_scrollArea->setWidget(rows);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* presetRow = new QHBoxLayout;
    presetRow->addWidget(m_presetLabel);
    presetRow->addWidget(m_presets, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(presetRow);
    layout->addWidget(m_scrollArea, 1);

    retranslate();
    showMatchingPreset();
}

QMap<int, int> qzViewUnitsEditor::viewUnits() const
{
    QMap<int, int> units;
    for (auto it = m_units.cbegin(); it != m_units.cend(); ++it) {
        const int index = it.value()->currentUnitIndex();
        if (index >= 0)
            units.insert(it.key(), index);
    }
    return units;
}

void qzViewUnitsEditor::setViewUnits(const QMap<int, int>& units)
{
    for (auto it = units.cbegin(); it != units.cend(); ++it) {
        if (qzUnitComboBox* combo = m_units.value(it.key()))
            combo->setCurrentUnitIndex(it.value());
    }
    showMatchingPreset();
}

qzUnitComboBox* qzViewUnitsEditor::unitComboBox(qzUnitSystem::Dimension dimension) const
{
    return m_units.value(dimension);
}

void qzViewUnitsEditor::setPreset(qzUnitSystem::UnitSystem system)
{
    setViewUnits(qzUnitSystem::getUnitIndices(system));
}

void qzViewUnitsEditor::apply()
{
    qzUnitSystem::setViewUnits(viewUnits());
}

void qzViewUnitsEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void qzViewUnitsEditor::retranslate()
{
    m_presetLabel->setText(tr("&Unit system:"));
    for (int row = 0; row < PresetCount; ++row)
        m_presets->setItemText(row, tr(Presets[row].name));
    m_presets->setItemText(CustomRow, tr("Custom"));
    for (auto it = m_labels.cbegin(); it != m_labels.cend(); ++it)
        it.value()->setText(qzUnitSystem(qzUnitSystem::Dimension(it.key())).dimensionName());
    arrangeRows();
}

void qzViewUnitsEditor::arrangeRows()
{
    // Alphabetical in the language shown, so that a dimension is found
    // where the reader looks for it.
    QList<int> order = m_labels.keys();
    QCollator collator(locale());
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return collator.compare(m_labels.value(a)->text(), m_labels.value(b)->text()) < 0;
    });
    for (int dimension : order) {
        m_rows->removeWidget(m_labels.value(dimension));
        m_rows->removeWidget(m_units.value(dimension));
    }
    QWidget* previous = m_presets;
    for (int row = 0; row < order.size(); ++row) {
        QLabel* label = m_labels.value(order.at(row));
        qzUnitComboBox* units = m_units.value(order.at(row));
        m_rows->addWidget(label, row, 0);
        m_rows->addWidget(units, row, 1);
        // Tab goes down the list as it is shown.
        setTabOrder(previous, units);
        previous = units;
    }
    // Wide enough for every row, so that only the height scrolls.
    m_scrollArea->setMinimumWidth(m_scrollArea->widget()->minimumSizeHint().width()
                                  + m_scrollArea->verticalScrollBar()->sizeHint().width()
                                  + 2 * m_scrollArea->frameWidth());
}

void qzViewUnitsEditor::showMatchingPreset()
{
    const QMap<int, int> shown = viewUnits();
    int row = CustomRow;
    for (int candidate = 0; candidate < PresetCount; ++candidate) {
        if (qzUnitSystem::getUnitIndices(Presets[candidate].system) == shown) {
            row = candidate;
            break;
        }
    }
    m_presets->setCurrentIndex(row);
}

void qzViewUnitsEditor::choosePreset(int row)
{
    if (row < 0 || row >= PresetCount)
        return;
    setPreset(Presets[row].system);
    emit viewUnitsEdited();
}
