#include "qzUnit.h"

qzUnit::~qzUnit() = default;

QString qzUnit::valueSymbolSeparator() const
{
    return QStringLiteral(" ");
}

int qzUnit::getSIUnitIndex()
{
    return 0;
}

// The object itself is walked through its units, so that classes whose texts
// depend on more than a table (run-time symbols, translated patterns) are
// listed exactly as name() and symbol() show them.
QStringList qzUnit::texts(QString (qzUnit::*text)() const)
{
    const int remembered = m_unitIndex;
    QStringList result;
    for (m_unitIndex = 0; m_unitIndex < maxIndex(); ++m_unitIndex)
        result.append((this->*text)());
    m_unitIndex = remembered;
    return result;
}

QStringList qzUnit::names()
{
    return texts(&qzUnit::name);
}

QStringList qzUnit::symbols()
{
    return texts(&qzUnit::symbol);
}
