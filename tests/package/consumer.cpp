// A host that knows nothing but the installed package.
#include <qzUnitAll.h>

#include <cstdio>

int main()
{
    qzUnitSystem length(qzUnitSystem::Length, qzUnitLength::Inch);
    double value = 1.0;
    length.changeFromTo(qzUnitLength::Inch, qzUnitLength::Millimeter, value);
    const coBounds<double> range{ 0.0, 1.0 };
    std::printf("1 %s = %g %s\n", qPrintable(length.symbol()), value,
                qPrintable(qzUnitLength::symbol(qzUnitLength::Millimeter)));
    return (value > 25.39 && value < 25.41 && range.upper > range.lower) ? 0 : 1;
}
