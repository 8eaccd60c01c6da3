// Writes a set of values of every dimension as an XML document, a data stream
// and formatted texts ("write DIR"), or reads those another build of the
// library wrote and checks them ("read DIR"): the same bytes as this build
// writes, and the data stream's records and variants read back bit for bit.
// Each build's own tests check how it reads XML back.
#include <qzUnitAll.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QVariant>
#include <QXmlStreamWriter>

#include <cstdio>
#include <limits>

namespace {

using limits = std::numeric_limits<double>;

QVector<qzUnitValue> values()
{
    const double numbers[] = { 0.0, -0.0, 1.0, -12.5, 1.0 / 3.0, 6.02214076e23, 2e5, -3e-4,
                               limits::denorm_min(), -limits::denorm_min(), 2.2250738585072009e-308,
                               limits::min(), limits::max(), -limits::max(), limits::quiet_NaN(),
                               limits::infinity(), -limits::infinity() };
    QVector<qzUnitValue> list;
    int i = 0;
    for (const qzUnitSystem::Dimension dimension : qzUnitSystem::getDimensions()) {
        const int units = qzUnitSystem(dimension).maxIndex() + 1;
        for (const double number : numbers)
            list.append(qzUnitValue(dimension, number, i++ % units));
    }
    return list;
}

QByteArray xml(const QVector<qzUnitValue>& list)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Values"));
    for (const qzUnitValue& value : list)
        value.writeXml(writer);
    writer.writeEndDocument();
    return bytes;
}

// Records, then the same values as QVariants, in the format both Qt versions share.
QByteArray stream(const QVector<qzUnitValue>& list)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    for (const qzUnitValue& value : list)
        out << value;
    for (const qzUnitValue& value : list)
        out << QVariant::fromValue(value);
    return bytes;
}

QByteArray texts(const QVector<qzUnitValue>& list)
{
    QString text;
    for (const qzUnitValue& value : list) {
        for (const char format : { 'g', 'e', 'f' })
            text += value.valueSymbolString(format, QLocale::FloatingPointShortest) + QLatin1Char('|')
                + value.valueSymbolString(format, 6) + QLatin1Char('|');
        text += value.valueString('g', 16) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

// Reads count records and then count variants; each list written again must
// give the same bytes, which holds only when every value read back bit for bit.
bool readsBack(const QByteArray& bytes, int count)
{
    QVector<qzUnitValue> records(count), variants(count);
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    for (qzUnitValue& value : records)
        in >> value;
    for (qzUnitValue& value : variants) {
        QVariant variant;
        in >> variant;
        value = variant.value<qzUnitValue>();
    }
    return in.status() == QDataStream::Ok && in.atEnd() && stream(records) == bytes && stream(variants) == bytes;
}

int fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "crossversion (Qt %s): %s %s\n", qVersion(), what, qPrintable(detail));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // Registers qzUnitValue for QVariant, as a host's first use of view units does.
    qzUnitSystem::globalUnitSystem();
    const QStringList arguments = application.arguments();
    if (arguments.size() != 3 || (arguments.at(1) != QLatin1String("write") && arguments.at(1) != QLatin1String("read")))
        return fail("usage: crossversion write|read DIR");
    const QVector<qzUnitValue> list = values();
    const QByteArray mine[] = { xml(list), stream(list), texts(list) };
    const char* const names[] = { "/values.xml", "/values.bin", "/texts.txt" };
    for (int i = 0; i < 3; ++i) {
        QFile file(arguments.at(2) + QLatin1String(names[i]));
        if (arguments.at(1) == QLatin1String("write")) {
            if (!file.open(QIODevice::WriteOnly) || file.write(mine[i]) != mine[i].size())
                return fail("cannot write", file.fileName());
            continue;
        }
        if (!file.open(QIODevice::ReadOnly))
            return fail("cannot read", file.fileName());
        const QByteArray theirs = file.readAll();
        if (i == 1 && !readsBack(theirs, list.size()))
            return fail("values do not read back from", file.fileName());
        if (theirs != mine[i])
            return fail("bytes differ from this build's in", file.fileName());
    }
    std::printf("crossversion (Qt %s): %s %d values\n", qVersion(), qPrintable(arguments.at(1)), int(list.size()));
    return 0;
}
