// A host that knows nothing but the installed package.
#include <qzUnitAll.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The catalogue is found relative to the installed library, wherever the prefix is.
    QCoreApplication app(argc, argv);
    if (!qzUnitTranslator::install(QLocale(QLocale::German)) || qzUnitLength::name(qzUnitLength::Inch) != QStringLiteral("Zoll"))
        return 2;
    qzUnitSystem length(qzUnitSystem::Length, qzUnitLength::Inch);
    double value = 1.0;
    length.changeFromTo(qzUnitLength::Inch, qzUnitLength::Millimeter, value);
    const coBounds<double> range{ 0.0, 1.0 };
    std::printf("1 %s = %g %s\n", qPrintable(length.symbol()), value,
                qPrintable(qzUnitLength::symbol(qzUnitLength::Millimeter)));
    return (value > 25.39 && value < 25.41 && range.upper > range.lower) ? 0 : 1;
}
