#include "qzUnitCompleter.h"

#include <QStringListModel>

qzUnitCompleter::qzUnitCompleter(qzUnitSystem::Dimension dimension, QObject* parent)
    : QCompleter(parent), m_units(new QStringListModel(this)), m_dimension(dimension)
{
    setModel(m_units);
    setCaseSensitivity(Qt::CaseInsensitive);
    retranslate();
}

qzUnitSystem::Dimension qzUnitCompleter::dimension() const
{
    return m_dimension;
}

void qzUnitCompleter::setDimension(qzUnitSystem::Dimension dimension)
{
    m_dimension = dimension;
    retranslate();
}

void qzUnitCompleter::retranslate()
{
    QStringList entries;
    if (m_dimension != qzUnitSystem::Undefined) {
        const qzUnitSystem units(m_dimension);
        for (const QString& entry : units.symbols() + units.names()) {
            if (!entry.isEmpty() && !entries.contains(entry))
                entries.append(entry);
        }
    }
    m_units->setStringList(entries);
}

QStringList qzUnitCompleter::splitPath(const QString& path) const
{
    int start = path.size();
    while (start > 0 && !path.at(start - 1).isDigit())
        --start;
    int unit = start;
    while (unit < path.size() && path.at(unit).isSpace())
        ++unit;
    m_number = path.left(unit);
    // Nothing is offered before a unit has been begun: no entry starts with
    // a control character.
    if (start == 0 || unit == path.size())
        return { QStringLiteral("\x01") };
    return { path.mid(unit) };
}

QString qzUnitCompleter::pathFromIndex(const QModelIndex& index) const
{
    QString number = m_number;
    if (!number.isEmpty() && !number.at(number.size() - 1).isSpace())
        number += QLatin1Char(' ');
    return number + index.data().toString();
}
