#include "qzUnitTable.h"

namespace {

inline void toPivot(const qzUnitRow& row, double& value)
{
    switch (row.op) {
    case qzUnitRow::Multiply:
    case qzUnitRow::Scale:
        value *= row.constant;
        break;
    case qzUnitRow::Divide:
        value /= row.constant;
        break;
    case qzUnitRow::Offset:
        value = (value + row.back) / row.constant;
        break;
    case qzUnitRow::Pivot:
    case qzUnitRow::Same:
    case qzUnitRow::Prefix:
        break;
    }
}

inline void fromPivot(const qzUnitRow& row, double& value)
{
    switch (row.op) {
    case qzUnitRow::Multiply:
        value /= row.constant;
        break;
    case qzUnitRow::Divide:
        value *= row.constant;
        break;
    case qzUnitRow::Scale:
        value *= row.back;
        break;
    case qzUnitRow::Offset:
        value = value * row.constant - row.back;
        break;
    case qzUnitRow::Pivot:
    case qzUnitRow::Same:
    case qzUnitRow::Prefix:
        break;
    }
}

inline QString filled(const QChar* placeholder, const QString& text)
{
    return placeholder && text.contains(QLatin1String("%1")) ? text.arg(*placeholder) : text;
}

} // namespace

void qzUnitTable::changeTo(int from, int to, double& value) const
{
    switch (conversion) {
    case Rows:
        if (from == to || !contains(from) || !contains(to))
            return;
        toPivot(rows[from], value);
        fromPivot(rows[to], value);
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
    switch (conversion) {
    case Inert:
        return;
    case Anchored:
        unit.m_unitIndex = 0;
        return;
    default:
        // The index is recorded even when the conversion refused it.
        if (to != unit.m_unitIndex) {
            changeTo(unit.m_unitIndex, to, value);
            unit.m_unitIndex = to;
        }
        return;
    }
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
