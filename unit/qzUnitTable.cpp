#include "qzUnitTable.h"

#include "qzUnitCatalogue.h"

namespace {

inline QString filled(const QChar* placeholder, const QString& text)
{
    return placeholder && text.contains(QLatin1String("%1")) ? text.arg(*placeholder) : text;
}

} // namespace

void qzUnitTable::changeTo(int from, int to, double& value) const
{
    switch (conversion) {
    case Rows:
        value = qzUnitRows::converted(*this, from, to, value);
        return;
    case Prefixes: {
        // No shortcut for equal units: the quotient of a factor by itself is 1.
        const double fromFactor = contains(from) ? rows[from].constant : 0.0;
        if (!contains(to) || !(rows[to].constant > 0.0))
            return;
        value = (fromFactor / rows[to].constant) * value;
        return;
    }
    case Custom:
        convert(from, to, value);
        return;
    case Labels:
    case Inert:
    case Anchored:
        return;
    }
}

void qzUnitTable::changeTo(qzUnit& unit, int to, double& value) const
{
    unit.m_unitIndex = qzUnitCatalogue::changeTo(*this, unit.m_unitIndex, to, value);
}

QString qzUnitTable::rowName(int unitIndex) const
{
    if (!contains(unitIndex))
        return QString();
    const char* source = rows[unitIndex].name;
    return source ? filled(placeholder, translate(source)) : rowSymbol(unitIndex);
}

QString qzUnitTable::rowSymbol(int unitIndex) const
{
    if (!contains(unitIndex))
        return QString();
    const qzUnitRow& row = rows[unitIndex];
    const QString symbol = (row.flags & qzUnitRow::TranslatedSymbol) ? translate(row.symbol) : QString::fromUtf8(row.symbol);
    return filled(placeholder, symbol);
}

QString qzUnitTable::englishName(int unitIndex) const
{
    return contains(unitIndex) && rows[unitIndex].name ? filled(placeholder, QString::fromUtf8(rows[unitIndex].name))
                                                       : QString();
}

QString qzUnitTable::name(int unitIndex) const
{
    if (nameOf)
        return nameOf(unitIndex);
    if (!contains(unitIndex))
        return QString();
    // A row without a name of its own is named by its symbol, whatever produces it.
    return rows[unitIndex].name ? rowName(unitIndex) : symbol(unitIndex);
}

QString qzUnitTable::symbol(int unitIndex) const
{
    return symbolOf ? symbolOf(unitIndex) : rowSymbol(unitIndex);
}

QString qzUnitTable::dimensionName() const
{
    return translate(dimension.source, dimension.comment);
}

QString qzUnitTable::dimensionNameEnglish() const
{
    return QString::fromUtf8(dimension.source);
}
