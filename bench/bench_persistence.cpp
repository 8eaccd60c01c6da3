// Storing values: one XML document of 100,000 "UnitValue" elements and a
// QDataStream of 1,000,000 records, each written and read back, against the
// same elements, attributes and fields written and read by hand. Both sides
// produce the same bytes (checked before timing) and read into arrays made
// ready beforehand.
#include "benchSupport.h"

#include <qzUnitLength.h>

#include <benchmark/benchmark.h>

#include <QDataStream>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

constexpr int XmlValueCount = 100000;
constexpr int StreamValueCount = 1000000;

// What a host keeps when it stores values by hand.
struct Record
{
    int dimension = -1;
    int unit = 0;
    double number = 0.0;
};

struct Data
{
    explicit Data(int count)
        : values(bench::valuesOf(bench::randomNumbers(count, -1e4, 1e4), qzUnitSystem::Length,
                                 qzUnitLength::Millimeter)),
          records(count), readValues(count), readRecords(count)
    {
        for (int i = 0; i < count; ++i)
            records[i] = { values[i].dimension(), values[i].unitIndex(), values[i].value() };
    }
    QVector<qzUnitValue> values;
    QVector<Record> records;
    QVector<qzUnitValue> readValues;
    QVector<Record> readRecords;
    QByteArray document; // the values written by the library, for the readers
};

// The benchmark of op over count values, once the baseline is known to match.
template <typename Matches, typename Operation>
void run(benchmark::State& state, int count, Matches matches, Operation op)
{
    Data data(count);
    if (!matches(data)) {
        state.SkipWithError("the baseline does not write or read what the library does");
        return;
    }
    for (auto _ : state)
        op(data);
    state.SetItemsProcessed(state.iterations() * count);
}

// Whether both sides read back the same dimension, unit and number.
bool sameReadBack(const Data& data)
{
    for (int i = 0; i < data.values.size(); ++i) {
        const Record& record = data.readRecords[i];
        const qzUnitValue& value = data.readValues[i];
        if (value.dimension() != record.dimension || value.unitIndex() != record.unit || value.value() != record.number)
            return false;
    }
    return true;
}

// ---- XML -------------------------------------------------------------------

template <typename WriteElement>
QByteArray xmlDocument(int count, WriteElement writeElement)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Values"));
    for (int i = 0; i < count; ++i)
        writeElement(writer, i);
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QByteArray writeValues(const Data& data)
{
    return xmlDocument(data.values.size(), [&](QXmlStreamWriter& writer, int i) { data.values[i].writeXml(writer); });
}

QByteArray writeRecords(const Data& data)
{
    return xmlDocument(data.records.size(), [&](QXmlStreamWriter& writer, int i) {
        const Record& record = data.records[i];
        writer.writeStartElement(QStringLiteral("UnitValue"));
        writer.writeAttribute(QStringLiteral("dimension"), QString::number(record.dimension));
        writer.writeAttribute(QStringLiteral("unit"), QString::number(record.unit));
        writer.writeAttribute(QStringLiteral("Version"), QString::number(1));
        writer.writeCharacters(QString::number(record.number, 'g', 16));
        writer.writeEndElement();
    });
}

template <typename ReadElement>
bool readDocument(const QByteArray& xml, ReadElement readElement)
{
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement())
        return false;
    bool ok = true;
    for (int i = 0; ok && reader.readNextStartElement(); ++i)
        ok = readElement(reader, i);
    return ok && !reader.hasError();
}

bool readValues(const QByteArray& xml, Data& data)
{
    return readDocument(xml, [&](QXmlStreamReader& reader, int i) { return data.readValues[i].readXml(reader); });
}

bool readRecords(const QByteArray& xml, Data& data)
{
    return readDocument(xml, [&](QXmlStreamReader& reader, int i) {
        const QXmlStreamAttributes attributes = reader.attributes();
        Record& record = data.readRecords[i];
        bool ok = false;
        record.dimension = attributes.value(QLatin1String("dimension")).toInt(&ok);
        if (ok)
            record.unit = attributes.value(QLatin1String("unit")).toInt(&ok);
        if (ok)
            ok = attributes.value(QLatin1String("Version")).toInt(&ok) == 1 && ok;
        if (ok)
            record.number = reader.readElementText().toDouble(&ok);
        return ok;
    });
}

bool xmlBaselineMatches(Data& data)
{
    data.document = writeValues(data);
    if (data.document != writeRecords(data) || !readValues(data.document, data) || !readRecords(data.document, data))
        return false;
    return sameReadBack(data);
}

template <typename Operation>
void runXml(benchmark::State& state, Operation op)
{
    run(state, XmlValueCount, xmlBaselineMatches, op);
}

void xmlWriteValues(benchmark::State& state)
{
    runXml(state, [](Data& data) { benchmark::DoNotOptimize(writeValues(data)); });
}

void xmlWriteRecords(benchmark::State& state)
{
    runXml(state, [](Data& data) { benchmark::DoNotOptimize(writeRecords(data)); });
}

void xmlReadValues(benchmark::State& state)
{
    runXml(state, [](Data& data) { benchmark::DoNotOptimize(readValues(data.document, data)); });
}

void xmlReadRecords(benchmark::State& state)
{
    runXml(state, [](Data& data) { benchmark::DoNotOptimize(readRecords(data.document, data)); });
}

void xmlWriteReadValues(benchmark::State& state)
{
    runXml(state, [](Data& data) { benchmark::DoNotOptimize(readValues(writeValues(data), data)); });
}

void xmlWriteReadRecords(benchmark::State& state)
{
    runXml(state, [](Data& data) { benchmark::DoNotOptimize(readRecords(writeRecords(data), data)); });
}

// ---- QDataStream -----------------------------------------------------------

QByteArray streamValues(Data& data)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        for (const qzUnitValue& value : qAsConst(data.values))
            out << value;
    }
    QDataStream in(bytes);
    for (qzUnitValue& value : data.readValues)
        in >> value;
    return bytes;
}

QByteArray streamRecords(Data& data)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        for (const Record& record : qAsConst(data.records))
            out << qint32(record.dimension) << record.number << qint32(record.unit);
    }
    QDataStream in(bytes);
    for (Record& record : data.readRecords) {
        qint32 dimension = -1;
        qint32 unit = -1;
        in >> dimension >> record.number >> unit;
        record.dimension = dimension;
        record.unit = unit;
    }
    return bytes;
}

bool streamBaselineMatches(Data& data)
{
    if (streamValues(data) != streamRecords(data))
        return false;
    return sameReadBack(data);
}

template <QByteArray (*Operation)(Data&)>
void runStream(benchmark::State& state)
{
    run(state, StreamValueCount, streamBaselineMatches, [](Data& data) { benchmark::DoNotOptimize(Operation(data)); });
}

void streamWriteReadValues(benchmark::State& state)
{
    runStream<streamValues>(state);
}

void streamWriteReadRecords(benchmark::State& state)
{
    runStream<streamRecords>(state);
}

} // namespace

BENCHMARK(xmlWriteRecords)->Name("xml/write/plain")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlWriteValues)->Name("xml/write/value")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlReadRecords)->Name("xml/read/plain")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlReadValues)->Name("xml/read/value")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlWriteReadRecords)->Name("xml/write_read/plain")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
BENCHMARK(xmlWriteReadValues)->Name("xml/write_read/value")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
BENCHMARK(streamWriteReadRecords)->Name("datastream/write_read/plain")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
BENCHMARK(streamWriteReadValues)->Name("datastream/write_read/value")->Apply(bench::configure)->Unit(benchmark::kMillisecond);
