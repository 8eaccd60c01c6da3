// A host that forgot its start-up call: it puts values into QVariants and a
// QSettings file (argument 1) before anything asked for the library's global
// unit system, and prints what the variants show ("<key>\t<text>") and
// whether 12.5 mm and 1.25 cm compare equal as variants ("equal\t<bool>").
// Exits with 1 when loading the library registered anything.
#include "hostValues.h"

#include <QCoreApplication>
#include <QSettings>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    if (qzMetaTypeId("qzUnitValue") != QMetaType::UnknownType) {
        std::fputs("qzUnitValue is registered before any use\n", stderr);
        return 1;
    }
    QSettings settings(QString::fromLocal8Bit(argv[1]), QSettings::IniFormat);
    for (const auto& entry : hostValues()) {
        const QVariant variant = QVariant::fromValue(entry.second);
        settings.setValue(QString::fromUtf8(entry.first), variant);
        std::printf("%s\t%s\n", entry.first, variant.toString().toUtf8().constData());
    }
    const bool equal = QVariant::fromValue(qzUnitValue(qzUnitSystem::Length, 12.5, 2))
        == QVariant::fromValue(qzUnitValue(qzUnitSystem::Length, 1.25, 1));
    std::printf("equal\t%s\n", equal ? "true" : "false");
    settings.sync();
    return settings.status() == QSettings::NoError ? 0 : 3;
}
