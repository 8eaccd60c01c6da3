#include "qzUnitTable.h"

#include "qzUnitCatalogue.h"

#include <cstring>

namespace {

inline QString filled(const QChar* placeholder, const QString& text)
{
    return placeholder && text.contains(QLatin1String("%1")) ? text.arg(*placeholder) : text;
}

} // namespace

// One number: the row tables inline, as values convert; the others as arrays of one.
void qzUnitTable::changeTo(int from, int to, double& value) const
{
    switch (conversion) {
    case Rows:
        value = qzUnitCatalogue::converted(*this, from, to, value);
        return;
    case Custom:
        convert(from, to, value);
        return;
    default:
        changeTo(from, to, &value, &value, 1);
        return;
    }
}

namespace {

// Both steps over every element. An array converted in place is read and
// written through one pointer, so that the compiler has no overlap to guard
// against and vectorizes both loops.
template <typename There, typename Back>
void eachElement(There there, Back back, const double* in, double* out, qsizetype count)
{
    if (in == out) {
        for (qsizetype i = 0; i < count; ++i)
            out[i] = back(there(out[i]));
    } else {
        for (qsizetype i = 0; i < count; ++i)
            out[i] = back(there(in[i]));
    }
}

void unchanged(const double* in, double* out, qsizetype count)
{
    if (in != out && count > 0)
        std::memmove(out, in, size_t(count) * sizeof(double));
}

} // namespace

// The arrays pick their rows' steps once and then run plain arithmetic: the
// same operations in the same order as a single number takes.
void qzUnitTable::changeTo(int from, int to, const double* in, double* out, qsizetype count) const
{
    switch (conversion) {
    case Rows:
        if (from == to || !contains(from) || !contains(to))
            break;
        qzUnitRows::withStepToPivot(rows[from], [&](auto there) {
            qzUnitRows::withStepFromPivot(rows[to], [&](auto back) { eachElement(there, back, in, out, count); });
        });
        return;
    case Prefixes: {
        // No shortcut for equal units: the quotient of a factor by itself is 1.
        const double fromFactor = contains(from) ? rows[from].constant : 0.0;
        if (!contains(to) || !(rows[to].constant > 0.0))
            break;
        eachElement(qzUnitRows::Times{ fromFactor / rows[to].constant }, qzUnitRows::Keep{}, in, out, count);
        return;
    }
    case Custom:
        if (convertArray) {
            convertArray(from, to, in, out, count);
            return;
        }
        for (qsizetype i = 0; i < count; ++i) {
            double value = in[i];
            convert(from, to, value);
            out[i] = value;
        }
        return;
    case Labels:
    case Inert:
    case Anchored:
        break;
    }
    unchanged(in, out, count);
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
