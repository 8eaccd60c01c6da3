// Lists the length units and converts a length: the first job of qzunit.
#include <qzUnitAll.h>

#include <QTextStream>

int main()
{
    QTextStream out(stdout);
    const qzUnitSystem length(qzUnitSystem::Length);
    const QStringList names = length.names();
    const QStringList symbols = length.symbols();
    for (int i = 0; i < names.size(); ++i)
        out << i << '\t' << names.at(i) << '\t' << symbols.at(i) << '\n';
    out << "12.5 mm = " << qzUnitLength::convert(qzUnitLength::Millimeter, qzUnitLength::Inch, 12.5) << " in\n";
    return 0;
}
