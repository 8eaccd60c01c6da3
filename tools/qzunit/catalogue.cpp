#include "command.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

// A table cell: Markdown must not read the texts' bars and stars.
QString cell(QString text)
{
    return text.replace(QLatin1Char('|'), QLatin1String("\\|")).replace(QLatin1Char('*'), QLatin1String("\\*"));
}

QString number(double value)
{
    return QString::number(value, 'g', 12);
}

// How a number in the unit reaches unit 0: a factor, a factor and an offset,
// or nothing fixed (the hardness scales, grain size numbers).
QString factorText(qzUnitSystem::Dimension dimension, int unit)
{
    const double factor = qzUnitSystem::keptFactor(dimension, unit);
    if (qIsNaN(factor))
        return QStringLiteral("no fixed factor");
    double offset = 0.0;
    qzUnitSystem::changeTo(dimension, unit, 0, offset);
    return offset == 0.0 ? number(factor) : QStringLiteral("v × %1 + %2").arg(number(factor), number(offset));
}

} // namespace

// catalogue: every dimension with its units as Markdown, the text of
// docs/units.md.
void runCatalogue(const Invocation& invocation)
{
    QTextStream& out = invocation.out;
    out << "# Units\n\n"
           "Every dimension of qzUnit with its units, written by `qzunit catalogue > docs/units.md`\n"
           "(a test fails when this file and the catalogue differ). The factor takes a number in\n"
           "the unit to unit 0 of its dimension. A unit that keeps a factor for stored data\n"
           "says so, with the factor its definition gives. The SI exponents are those of the\n"
           "dimension's physical meaning (M mass, L length, T time, I current, "
        << QString(QChar(0x0398)) << " temperature,\nN amount, J luminous intensity); products and quotients of values follow them.\n";
    for (qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        const qzUnitSystem system(dimension);
        out << "\n## " << int(dimension) << ' ' << cell(system.dimensionName()) << " (`"
            << qzUnitSystem::dimensionKey(dimension) << "`)\n\n";
        const QVector<qzUnitSystem::Dimension> alike = qzUnitSystem::dimensionsOf(qzUnitSystem::exponents(dimension));
        out << "Dimension symbol: " << cell(system.dimensionSymbol()) << "; SI exponents: "
            << qzUnitSystem::exponents(dimension).toString() << ", unit 0 is " << number(qzUnitSystem::siFactor(dimension))
            << " of their coherent SI unit"
            << (alike.value(0) == dimension && alike.size() > 1 ? "; preferred for these exponents" : "") << "\n\n";
        out << "| Index | Name | Symbol | Factor to unit 0 | Note |\n|---:|---|---|---|---|\n";
        const QStringList names = system.names();
        const QStringList symbols = system.symbols();
        for (int unit = 0; unit < names.size(); ++unit) {
            QString note;
            if (qzUnitSystem::keepsFactor(dimension, unit)) {
                note = QStringLiteral("kept for stored data; physically %1 %2")
                           .arg(number(qzUnitSystem::physicalFactor(dimension, unit)), symbols.value(0));
            }
            out << "| " << unit << " | " << cell(names.at(unit)) << " | " << cell(symbols.value(unit)) << " | "
                << factorText(dimension, unit) << " | " << cell(note) << " |\n";
        }
    }
}
