// What a host does with qzUnit: the user's unit preferences come from a
// preset, the values of a project file are read with their units, shown in
// the user's units, and the file is written back with every value exactly as
// it was stored.
//
//   projectfile project.xml saved.xml [SI|SImm|Imperial|USCommon|NorvaneDefault]

#include <qzUnitAll.h>

#include <QCoreApplication>
#include <QFile>
#include <QMetaEnum>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

struct Parameter
{
    QString name;
    qzUnitValue value;
};

struct Project
{
    QString name;
    QVector<Parameter> parameters;
};

// Reads <Project><Parameter name="..."><UnitValue .../></Parameter>...</Project>;
// unknown elements are skipped, as a host's reader would.
static bool readProject(QFile& file, Project& project, QString& error)
{
    QXmlStreamReader reader(&file);
    if (reader.readNextStartElement() && reader.name() == QLatin1String("Project")) {
        project.name = reader.attributes().value(QLatin1String("name")).toString();
        while (reader.readNextStartElement()) {
            if (reader.name() != QLatin1String("Parameter")) {
                reader.skipCurrentElement();
                continue;
            }
            Parameter parameter{ reader.attributes().value(QLatin1String("name")).toString(), qzUnitValue() };
            // Read into a default value: it takes the stored dimension and unit.
            if (reader.readNextStartElement() && parameter.value.readXml(reader))
                project.parameters.append(parameter);
            reader.skipCurrentElement();
        }
    } else if (!reader.hasError()) {
        reader.raiseError(QStringLiteral("not a project file"));
    }
    error = XmlReaderWriterBase::errorMsg(reader);
    return !reader.hasError();
}

static bool writeProject(const QString& fileName, const Project& project)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Project"));
    writer.writeAttribute(QStringLiteral("name"), project.name);
    for (const Parameter& parameter : project.parameters) {
        writer.writeStartElement(QStringLiteral("Parameter"));
        writer.writeAttribute(QStringLiteral("name"), parameter.name);
        parameter.value.writeXml(writer);
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return file.flush();
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    qzSetUtf8(out);   // symbols such as µm, whatever the locale
    QTextStream err(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        err << "usage: projectfile INPUT.xml OUTPUT.xml [PRESET]\n";
        return 2;
    }

    // The user's choice of units for display.
    const QByteArray presetName = arguments.value(3, QStringLiteral("NorvaneDefault")).toLatin1();
    bool known = false;
    const int preset = QMetaEnum::fromType<qzUnitSystem::UnitSystem>().keyToValue(presetName.constData(), &known);
    if (!known) {
        err << "unknown preset " << presetName << '\n';
        return 2;
    }
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::UnitSystem(preset)));

    QFile file(arguments.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot open " << file.fileName() << '\n';
        return 1;
    }
    Project project;
    QString error;
    if (!readProject(file, project, error)) {
        err << error << '\n';
        return 1;
    }

    out << project.name << " (" << presetName << ")\n";
    for (const Parameter& parameter : project.parameters) {
        out << "  " << parameter.name.leftJustified(20) << ' '
            << parameter.value.viewValueSymbolString('g', 6).rightJustified(16) << "   "
            << parameter.value.dimensionName() << '\n';
    }

    if (!writeProject(arguments.at(2), project)) {
        err << "cannot write " << arguments.at(2) << '\n';
        return 1;
    }
    return 0;
}
