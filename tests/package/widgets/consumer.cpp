// A widgets host that knows nothing but the installed package: a field and a
// delegate showing one value in the view unit.
#include <qzUnitLength.h>
#include <qzUnitValueDelegate.h>
#include <qzUnitValueEdit.h>

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::USCommon));
    const qzUnitValue value(qzUnitSystem::Length, 25.4, qzUnitLength::Millimeter);
    qzUnitValueEdit field(qzUnitSystem::Length);
    field.setValue(value);
    qzUnitValueDelegate delegate;
    const QString cell = delegate.displayText(QVariant::fromValue(value), QLocale::c());
    std::printf("%s | %s\n", qPrintable(field.text()), qPrintable(cell));
    return field.text() == QStringLiteral("1.0 in") && cell == field.text() ? 0 : 1;
}
