// Arbitrary dimensions, unit indices and doubles through the conversions, the
// texts of every class, the value formatting, view units and arithmetic, the
// legacy codes, the hardness table and the duration and data-size texts, and the rest of the input as
// text typed by a person. Besides the sanitizers' findings, the ".0" that the
// formatting adds must never change the number a text reads back as.
#include <qzFFFUnit.h>
#include <qzUnitHardness.h>
#include <qzUnitSystem.h>
#include <qzUnitValue.h>
#if __has_include(<qzUnitTime.h>)
#  include <qzUnitTime.h>
#  define QZ_FUZZ_TIME
#endif
#if __has_include(<qzUnitOfInformation.h>)
#  include <qzUnitOfInformation.h>
#  define QZ_FUZZ_INFORMATION
#endif

#include <QLocale>
#include <QVector>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

// Mostly indices near the tables, now and then any int.
int index(FuzzedDataProvider& input)
{
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-2, 14) : input.ConsumeIntegral<int>();
}

qzUnitSystem::Dimension dimension(FuzzedDataProvider& input)
{
    return qzUnitSystem::Dimension(input.ConsumeBool() ? input.ConsumeIntegralInRange(-2, 58)
                                                       : input.ConsumeIntegral<int>());
}

// Any bit pattern: NaNs with payloads, infinities, subnormals.
double number(FuzzedDataProvider& input)
{
    const std::uint64_t pattern = input.ConsumeIntegral<std::uint64_t>();
    double value;
    std::memcpy(&value, &pattern, sizeof value);
    return value;
}

void touch(const QString& text)
{
    check(text.size() >= 0);
}

void texts(const qzUnitSystem& system)
{
    touch(system.name());
    touch(system.symbol());
    touch(system.valueSymbolSeparator());
    touch(system.dimensionName());
    touch(system.dimensionNameEnglish());
    touch(system.dimensionSymbol());
    check(system.names().size() == system.maxIndex());
    check(system.symbols().size() == system.maxIndex());
}

void formatting(const qzUnitValue& value, char format, int precision, int unitIndex)
{
    const QString text = value.valueString(format, precision);
    const double stored = value.isUndefined() ? qQNaN() : value.value();
    bool plainOk = false;
    const double plain = QString::number(stored, format, precision).toDouble(&plainOk);
    // Rounding to few digits can carry past the largest double; Qt's text
    // then reads as no number either.
    if (std::isfinite(stored) && plainOk) {
        bool ok = false;
        const double read = text.toDouble(&ok);
        check(ok && read == plain);
    }
    touch(value.valueSymbolString(format, precision));
    touch(value.valueString(unitIndex, format, precision));
    touch(value.valueSymbolString(unitIndex, format, precision));
}

void legacyCodes(qzUnitSystem::Dimension dimension, int unitIndex, int code, double v)
{
    const int packed = qzFFFUnit(dimension, unitIndex);
    if (dimension >= 0 && dimension <= qzUnitSystem::MassFluxDensity && unitIndex >= 0 && unitIndex < 65536) {
        check(qzFFFUnitGetDimension(packed) == dimension);
        check(qzFFFUnitGetUnitIndex(packed) == unitIndex);
    }
    touch(qzFFFUnitName(code));
    touch(qzFFFUnitSymbol(code));
    touch(qzFFFDimensionName(code));
    const qzUnitSystem system = convertFFFUnitToUnitSystem(code);
    qzFFFUnit(system);
    texts(system);
    convertUnitValueToFFFUnit(convertFFFUnitToUnitValue(code, v));
}

void hardness(int from, int to, double v)
{
    double converted = v;
    qzUnitHardness::changeTo(from, to, converted);
    const coBounds<double> bounds = qzUnitHardness::validBounds(from);
    check(!(bounds.lower > bounds.upper));
    qzUnitHardness::isValidValue(from, v);
    qzUnitHardness::isValidValue(qzUnitValue(qzUnitSystem::Hardness, v, from));
    double clamped = v;
    qzUnitHardness::clampToBoundaries(clamped, qzUnitHardness::e_Unit(to));
    check(std::isinf(v) || std::memcmp(&clamped, &v, sizeof v) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const qzUnitSystem::Dimension d = dimension(input);
    const int from = index(input);
    const int to = index(input);
    const double v = number(input);
    const char formats[] = { 'e', 'E', 'f', 'g', 'G' };
    const char format = formats[input.ConsumeIntegralInRange(0, 4)];
    const int precision = input.ConsumeIntegralInRange(0, 20);
    const int code = input.ConsumeIntegral<int>();

    double converted = v;
    qzUnitSystem::changeTo(d, from, to, converted);
    qzUnitSystem::conversionFactor(d, from, to);

    qzUnitSystem system(d, from);
    texts(system);
    double single = v;
    system.changeFromTo(from, to, single);
    double triple[3] = { v, -v, converted };
    system.changeFromTo(from, to, triple);
    QVector<double> vector{ v, converted };
    system.changeFromTo(to, from, vector);
    qzUnitSystem other(system);
    other.setUnitIndex(to);
    double moved = v;
    other.changeTo(to, moved);
    texts(other);
    other.toStandard(moved);
    other.fromStandard(moved);

    const qzUnitValue value(d, v, from);
    formatting(value, format, precision, to);
    formatting(value.copyTo(to), format, precision, from);
    formatting(qzUnitValue::makeUndefined(), format, precision, to);

    // View units come from host settings; any index must be harmless.
    const int viewUnit = qzUnitSystem::viewUnitIndex(d);
    qzUnitSystem::setViewUnitIndex(d, to);
    touch(value.viewValueSymbolString(format, precision));
    qzUnitSystem::fromStandardToView(d, qzUnitSystem::fromViewToStandard(d, v));
    qzUnitSystem::setViewUnitIndex(d, viewUnit);

    const qzUnitValue second(d, number(input), to);
    qHash(value);
    (value + second).fuzzyCompare(value - second, v);
    (value * v / v).fuzzyEq(-value);
    static_cast<void>(value < second && value == second);

    legacyCodes(d, from, code, v);
    hardness(from, to, v);
#ifdef QZ_FUZZ_TIME
    touch(qzUnitTime::formatDuration(v, from));
#endif
#ifdef QZ_FUZZ_INFORMATION
    touch(qzUnitOfInformation::prettyValueSymbol(qzUnitValue(qzUnitSystem::OfInformation, v, from)));
    touch(qzUnitOfInformation::prettyValueSymbol(input.ConsumeIntegral<long long>()));
#endif

    // Typed in C or in a locale whose decimal and group separators differ.
    static const QLocale locales[] = {QLocale::c(), QLocale(QStringLiteral("de_DE")), QLocale(QStringLiteral("de_CH")),
                                      QLocale(QStringLiteral("fr_FR")), QLocale(QStringLiteral("en_IN")),
                                      QLocale(QStringLiteral("sv_SE"))};
    const QLocale& locale = locales[input.ConsumeIntegralInRange(0, 5)];
    QString message;
    const qzUnitValue typed = qzUnitValue::fromString(QString::fromUtf8(input.ConsumeRemainingBytesAsString().c_str()),
                                                      locale, d, &message);
    check(typed.isUndefined() != message.isEmpty());
    return 0;
}
