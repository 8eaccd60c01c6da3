// Arbitrary bytes as a QDataStream of unit value records. A complete record
// must give a value with exactly its dimension, number and (as far as the
// dimension's class keeps it) unit index; every value read, a record cut
// short included, must come back unchanged through a write and a read.
#include <qzUnitValue.h>

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

std::uint64_t bits(double number)
{
    std::uint64_t pattern;
    std::memcpy(&pattern, &number, sizeof pattern);
    return pattern;
}

void configure(QDataStream& stream, std::uint8_t settings)
{
    stream.setByteOrder(settings & 1 ? QDataStream::LittleEndian : QDataStream::BigEndian);
    stream.setFloatingPointPrecision(settings & 2 ? QDataStream::SinglePrecision : QDataStream::DoublePrecision);
}

QByteArray written(const qzUnitValue& value, std::uint8_t settings)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    configure(out, settings);
    out << value;
    return bytes;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses byte order and floating-point precision.
    const std::uint8_t settings = data[0];
    QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), int(size - 1));
    QBuffer buffer(&input);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    configure(in, settings);

    while (in.status() == QDataStream::Ok && !in.atEnd()) {
        const qint64 start = buffer.pos();
        qzUnitValue value(qzUnitSystem::Mass, 1.0, 2); // the reader replaces whatever is there
        in >> value;
        if (in.status() == QDataStream::Ok) {
            QByteArray record = input.mid(int(start), int(buffer.pos() - start));
            QDataStream fields(&record, QIODevice::ReadOnly);
            configure(fields, settings);
            qint32 dimension = 0;
            double number = 0.0;
            qint32 unitIndex = 0;
            fields >> dimension >> number >> unitIndex;
            check(value.dimension() == dimension);
            check(value.unitIndex() == qzUnitSystem(qzUnitSystem::Dimension(dimension), unitIndex).unitIndex());
            check(value.isUndefined() ? (dimension == -1 && number != number) : bits(value.value()) == bits(number));
        }

        const QByteArray bytes = written(value, settings);
        QDataStream back(bytes);
        configure(back, settings);
        qzUnitValue again;
        back >> again;
        check(back.status() == QDataStream::Ok && back.atEnd());
        check(again.dimension() == value.dimension());
        check(again.unitIndex() == value.unitIndex());
        check(again.isUndefined() == value.isUndefined());
        check(bits(again.value()) == bits(value.value()));
        check(written(again, settings) == bytes);
    }
    return 0;
}
