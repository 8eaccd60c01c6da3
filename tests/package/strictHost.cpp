// A host built with the warnings strict projects turn on: every installed
// header (strictHeaders.h, generated), and what instantiates their templates.
#include "strictHeaders.h"

#include <QTextStream>
#include <QVariant>

int main()
{
    qzUnitValue length(qzUnitSystem::Length, 12.5, qzUnitLength::Millimeter);
    length = -(length + length * 2.0) / 4.0;
    qzSortedUnitValues sorted;
    sorted.append(length);
    QString text;
    QTextStream stream(&text);
    qzSetUtf8(stream);
    stream << qzNumberText(length.value(qzUnitLength::Inch), 'g', 6) << sorted.size() << qHash(length) << length.viewValue();
    return QVariant::fromValue(length).value<qzUnitValue>() == length ? 0 : 1;
}
