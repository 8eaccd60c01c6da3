#include "qzUnitComboBox.h"

#include <QEvent>

namespace {

// The text of one unit: the name, then the symbol where it says something
// the name does not.
QString unitText(const QString& name, const QString& symbol)
{
    if (symbol.isEmpty() || name == symbol)
        return name;
    if (name.isEmpty())
        return symbol;
    return name + QStringLiteral(" (") + symbol + QLatin1Char(')');
}

bool namesUnits(qzUnitSystem::Dimension dimension)
{
    return qzUnitSystem::getDimensions().contains(dimension);
}

} // namespace

qzUnitComboBox::qzUnitComboBox(QWidget* parent)
    : qzUnitComboBox(qzUnitSystem::Undefined, parent)
{
}

qzUnitComboBox::qzUnitComboBox(qzUnitSystem::Dimension dimension, QWidget* parent)
    : QComboBox(parent)
    , m_dimension(dimension)
{
    fill();
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &qzUnitComboBox::forwardIndex);
}

void qzUnitComboBox::setDimension(qzUnitSystem::Dimension dimension)
{
    if (dimension == m_dimension)
        return;
    m_dimension = dimension;
    fill();
    emit currentUnitIndexChanged(currentUnitIndex());
}

int qzUnitComboBox::currentUnitIndex() const
{
    // Rows are unit indices; -1 stays -1.
    return currentIndex();
}

void qzUnitComboBox::setCurrentUnitIndex(int unitIndex)
{
    setCurrentIndex(unitIndex >= 0 && unitIndex < count() ? unitIndex : -1);
}

void qzUnitComboBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QComboBox::changeEvent(event);
}

void qzUnitComboBox::fill()
{
    m_filling = true;
    clear();
    if (namesUnits(m_dimension)) {
        const qzUnitSystem unitSystem(m_dimension);
        const QStringList names = unitSystem.names();
        const QStringList symbols = unitSystem.symbols();
        for (int index = 0; index < names.size(); ++index)
            addItem(unitText(names.at(index), symbols.value(index)), index);
        const int view = qzUnitSystem::viewUnitIndex(m_dimension);
        setCurrentIndex(view >= 0 && view < count() ? view : 0);
    }
    m_filling = false;
}

void qzUnitComboBox::retranslate()
{
    if (!namesUnits(m_dimension))
        return;
    const qzUnitSystem unitSystem(m_dimension);
    const QStringList names = unitSystem.names();
    const QStringList symbols = unitSystem.symbols();
    // In place: the current item and the popup's position stay.
    for (int index = 0; index < count() && index < names.size(); ++index)
        setItemText(index, unitText(names.at(index), symbols.value(index)));
}

void qzUnitComboBox::forwardIndex(int row)
{
    if (!m_filling)
        emit currentUnitIndexChanged(row);
}
