#include "qzUnitComboBox.h"

#include <QEvent>

namespace {

// The texts of the units of \a dimension, by unit index: the name, then the
// symbol where it says something the name does not. None for a value that
// names no dimension.
QStringList unitTexts(qzUnitSystem::Dimension dimension)
{
    QStringList texts;
    if (!qzUnitSystem::getDimensions().contains(dimension))
        return texts;
    const qzUnitSystem unitSystem(dimension);
    const QStringList names = unitSystem.names();
    const QStringList symbols = unitSystem.symbols();
    for (int index = 0; index < names.size(); ++index) {
        const QString& name = names.at(index);
        const QString symbol = symbols.value(index);
        if (symbol.isEmpty() || name == symbol)
            texts.append(name);
        else if (name.isEmpty())
            texts.append(symbol);
        else
            texts.append(name + QStringLiteral(" (") + symbol + QLatin1Char(')'));
    }
    return texts;
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
    const QStringList texts = unitTexts(m_dimension);
    if (!texts.isEmpty()) {
        for (int index = 0; index < texts.size(); ++index)
            addItem(texts.at(index), index);
        const int view = qzUnitSystem::viewUnitIndex(m_dimension);
        setCurrentIndex(view >= 0 && view < count() ? view : 0);
    }
    m_filling = false;
}

void qzUnitComboBox::retranslate()
{
    const QStringList texts = unitTexts(m_dimension);
    // In place: the current item and the popup's position stay.
    for (int index = 0; index < count() && index < texts.size(); ++index)
        setItemText(index, texts.at(index));
}

void qzUnitComboBox::forwardIndex(int row)
{
    if (!m_filling)
        emit currentUnitIndexChanged(row);
}
