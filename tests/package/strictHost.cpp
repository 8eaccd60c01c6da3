// A host built with every warning a strict project turns on: it includes
// every installed header (strictHeaders.h, generated) and uses what
// instantiates their templates and inline code.
#include "strictHeaders.h"

#include <QTextStream>
#include <QVariant>

int main()
{
    qzUnitValue length(qzUnitSystem::Length, 12.5, qzUnitLength::Millimeter);
    length += qzUnitValue(qzUnitSystem::Length, 1.0, qzUnitLength::Centimeter);
    length = -(length * 2.0) / 4.0;
    const QVariant variant = QVariant::fromValue(length);
    qzSortedUnitValues sorted;
    sorted.append(length);
    QString text;
    QTextStream stream(&text);
    qzSetUtf8(stream);
    stream << qzNumberText(length.value(qzUnitLength::Inch), 'g', 6) << sorted.size() << qHash(length);
    return variant.value<qzUnitValue>().fuzzyEq(length) && length.viewValue() < 0.0 ? 0 : 1;
}
