#include "qzUnitSystem.h"

#include "qzFFFUnit.h"
#include "qzUnitCatalogue.h"
#include "qzUnitLength.h"
#include "qzUnitValue.h"
#include "qzViewUnitsNotifier.h"

#include <QDataStream>
#include <QDebug>
#include <QMetaEnum>
#include <QtNumeric>

#include <algorithm>
#include <mutex>
#include <utility>

qzUnitSystem& qzUnitSystem::operator=(const qzUnitSystem& other)
{
    if (this == &other)
        return *this;
    if (isUndefined()) {
        m_dimension = other.m_dimension;
        createUnit(other.currentIndex());
        return *this;
    }
    if (m_dimension != other.m_dimension) {
        // A defined handle never changes its dimension by assignment.
        return *this;
    }
    *unit() = *other.unit();
    return *this;
}

bool qzUnitSystem::operator==(const qzUnitSystem& other) const
{
    if (m_dimension != other.m_dimension)
        return false;
    return *unit() == *other.unit();
}

void qzUnitSystem::toUndefine()
{
    m_dimension = Undefined;
    createUnit(0);
}

void qzUnitSystem::setUnitIndex(int unitIndex)
{
    if (unitIndex >= 0 && unitIndex < unit()->maxIndex()) {
        double scratch = 0.0;
        unit()->changeTo(unitIndex, scratch);
    }
}

int qzUnitSystem::maxIndex() const
{
    return unit()->maxIndex();
}

int qzUnitSystem::SIUnitIndex() const
{
    return unit()->getSIUnitIndex();
}

int qzUnitSystem::getFFFUnit() const
{
    return qzFFFUnit(m_dimension, unitIndex());
}

QString qzUnitSystem::name() const
{
    return unit()->name();
}

QString qzUnitSystem::symbol() const
{
    return unit()->symbol();
}

QString qzUnitSystem::valueSymbolSeparator() const
{
    return unit()->valueSymbolSeparator();
}

QString qzUnitSystem::dimensionName() const
{
    return unit()->dimensionName();
}

QString qzUnitSystem::dimensionNameEnglish() const
{
    return unit()->dimensionNameEnglish();
}

QStringList qzUnitSystem::names() const
{
    return unit()->names();
}

QStringList qzUnitSystem::symbols() const
{
    return unit()->symbols();
}

QString qzUnitSystem::dimensionSymbol() const
{
    return qzUnitCatalogue::dimensionSymbol(m_dimension);
}

// The unit object's virtual changeTo is its table's: asking the table of the
// dimension directly spares the virtual call.
void qzUnitSystem::changeTo(int unitIndex, double& value)
{
    m_table->changeTo(*unit(), unitIndex, value);
}

void qzUnitSystem::changeTo(Dimension dimension, int from, int to, double& value)
{
    // Dimensions without a class leave the value alone, as their pseudo-unit does.
    value = qzUnitCatalogue::converted(dimension, from, to, value);
}

void qzUnitSystem::convert(Dimension dimension, int from, int to, const double* in, double* out, qsizetype count)
{
    qzUnitCatalogue::table(dimension).changeTo(from, to, in, out, count);
}

void qzUnitSystem::convert(Dimension dimension, int from, int to, QVector<double>& values)
{
    if (values.isEmpty())
        return;
    double* data = values.data();
    convert(dimension, from, to, data, data, values.size());
}

double qzUnitSystem::conversionFactor(Dimension dimension, int from, int to)
{
    double value = 1.0;
    changeTo(dimension, from, to, value);
    return value;
}

// The table of a class that has the unit; null for a value that names no
// class and for an index outside the table.
static const qzUnitTable* tableWithUnit(int dimension, int unitIndex)
{
    const qzUnitTable* table = qzUnitCatalogue::find(dimension);
    return table && table->contains(unitIndex) ? table : nullptr;
}

double qzUnitSystem::keptFactor(Dimension dimension, int unitIndex)
{
    const qzUnitTable* table = tableWithUnit(dimension, unitIndex);
    if (!table)
        return qQNaN();
    // The custom conversions are scales of their own except for the rows
    // that carry a prefix factor.
    if (table->conversion == qzUnitTable::Custom && unitIndex != 0 && table->rows[unitIndex].op != qzUnitRow::Prefix)
        return qQNaN();
    // The slope, so that an offset (degrees Celsius) does not count.
    return qzUnitCatalogue::converted(*table, unitIndex, 0, 1.0) - qzUnitCatalogue::converted(*table, unitIndex, 0, 0.0);
}

double qzUnitSystem::physicalFactor(Dimension dimension, int unitIndex)
{
    // A row that keeps another factor says which one its definition gives.
    const qzUnitTable* table = tableWithUnit(dimension, unitIndex);
    const double physical = table ? table->rows[unitIndex].physical : 0.0;
    return physical != 0.0 ? physical : keptFactor(dimension, unitIndex);
}

bool qzUnitSystem::keepsFactor(Dimension dimension, int unitIndex)
{
    const qzUnitTable* table = tableWithUnit(dimension, unitIndex);
    return table && table->rows[unitIndex].physical != 0.0;
}

void qzUnitSystem::changeFromTo(int from, int to, double& value) const
{
    if (from <= maxIndex() && to <= maxIndex())
        changeTo(m_dimension, from, to, value);
}

void qzUnitSystem::changeFromTo(int from, int to, double* const values) const
{
    if (from <= maxIndex() && to <= maxIndex()) {
        for (int i = 0; i < 3; ++i)
            changeTo(m_dimension, from, to, values[i]);
    }
}

void qzUnitSystem::changeFromTo(int from, int to, QVector<double>& values) const
{
    if (from <= maxIndex() && to <= maxIndex()) {
        for (double& value : values)
            changeTo(m_dimension, from, to, value);
    }
}

QList<qzUnitSystem::Dimension> qzUnitSystem::getDimensions()
{
    // A function-local static: built once, safe even when first calls race.
    static const QList<Dimension> dimensions = [] {
        QList<Dimension> list;
        for (int d = Acceleration; d <= MassFluxDensity; ++d) {
            if (d != 41)
                list.append(Dimension(d));
        }
        return list;
    }();
    return dimensions;
}

int qzUnitSystem::nbDimensions()
{
    return getDimensions().size();
}

// ---- View units and presets ------------------------------------------------

// The standard unit of a dimension: the SI preset's entry, -1 where the preset
// has none. It differs from index 0 for three dimensions only; looking it up
// here spares the conversions to the standard unit the building of a map.
static int standardIndex(qzUnitSystem::Dimension dimension)
{
    switch (dimension) {
    case qzUnitSystem::SpecificHeatCapacity:
    case qzUnitSystem::ThermalConductivity:
        return 1;
    case qzUnitSystem::TripCoefficient:
        return 2;
    default:
        return (dimension >= qzUnitSystem::Acceleration && dimension <= qzUnitSystem::MassFluxDensity && dimension != 41) ? 0 : -1;
    }
}


// Constant-initialised, so that it is ready before any static constructor of
// a host reads it: 41 has no entry, every dimension stands at unit 0.
template <std::size_t... Dimensions>
static constexpr std::array<std::atomic<int>, sizeof...(Dimensions)> initialViewUnitSlots(std::index_sequence<Dimensions...>)
{
    return { { (Dimensions == 41 ? -1 : 0)... } };
}

std::array<std::atomic<int>, qzUnitSystem::MassFluxDensity + 1> qzUnitSystem::ViewUnitSlots =
    initialViewUnitSlots(std::make_index_sequence<qzUnitSystem::MassFluxDensity + 1>());

// The view units of keys without a slot (-1, 57, ...): hosts may store
// any key, but no conversion reads these, so a lock costs nothing that matters.
static std::mutex otherViewUnitsMutex;
static QMap<int, int>& otherViewUnits()
{
    static QMap<int, int> units;
    return units;
}

static bool hasViewUnitSlot(int dimension)
{
    return dimension >= 0 && dimension <= qzUnitSystem::MassFluxDensity;
}

bool qzUnitSystem::storeViewUnit(int dimension, int unitIndex)
{
    if (hasViewUnitSlot(dimension))
        return ViewUnitSlots[dimension].exchange(unitIndex, std::memory_order_relaxed) != unitIndex;
    const std::lock_guard<std::mutex> lock(otherViewUnitsMutex);
    QMap<int, int>& units = otherViewUnits();
    const auto it = units.constFind(dimension);
    const bool changed = it == units.constEnd() || it.value() != unitIndex;
    units.insert(dimension, unitIndex);
    return changed;
}

void qzUnitSystem::setViewUnits(const QMap<int, int>& units)
{
    bool changed = false;
    for (auto it = units.constBegin(); it != units.constEnd(); ++it)
        changed |= storeViewUnit(it.key(), it.value());
    if (changed)
        emit qzViewUnitsNotifier::instance()->viewUnitsChanged();
}

void qzUnitSystem::setViewUnitIndex(Dimension dimension, int unitIndex)
{
    if (hasViewUnitSlot(dimension) && storeViewUnit(dimension, unitIndex))
        emit qzViewUnitsNotifier::instance()->viewUnitsChanged();
}

int qzUnitSystem::viewUnitIndex(Dimension dimension)
{
    // An entry holding -1 and a missing entry read the same.
    if (hasViewUnitSlot(dimension))
        return viewUnitSlot(dimension);
    const std::lock_guard<std::mutex> lock(otherViewUnitsMutex);
    return otherViewUnits().value(dimension, -1);
}

double qzUnitSystem::fromViewToStandard(Dimension dimension, double value)
{
    changeTo(dimension, viewUnitIndex(dimension), 0, value);
    return value;
}

double qzUnitSystem::fromStandardToView(Dimension dimension, double value)
{
    changeTo(dimension, 0, viewUnitIndex(dimension), value);
    return value;
}

QMap<int, int> qzUnitSystem::presetFromSI(std::initializer_list<std::pair<int, int>> entries)
{
    QMap<int, int> preset;
    for (Dimension dimension : getDimensions())
        preset.insert(dimension, standardIndex(dimension));
    for (const auto& entry : entries)
        preset.insert(entry.first, entry.second);
    return preset;
}

QMap<int, int> qzUnitSystem::getSIUnitIndices()
{
    return presetFromSI({});
}

QMap<int, int> qzUnitSystem::getSImmUnitIndices()
{
    return presetFromSI({
        { Energy, 9 }, { Length, 2 }, { Mass, 6 }, { Temperature, 1 }, { Density, 7 },
        { Stress, 12 }, { ThermalConductivity, 6 }, { ThermalExpansion, 1 },
        { SpecificHeatCapacity, 7 }, { ForceLength, 1 }, { LatentHeat, 2 }, { Area, 2 },
        { DistancePerRevolution, 2 }, { TripCoefficient, 0 },
    });
}

QMap<int, int> qzUnitSystem::getImperialUnitIndices()
{
    return presetFromSI({
        { Energy, 7 }, { Force, 3 }, { Length, 2 }, { Temperature, 3 }, { Stress, 10 },
        { Area, 2 }, { TripCoefficient, 1 },
    });
}

QMap<int, int> qzUnitSystem::getUSCommonUnitIndices()
{
    return presetFromSI({
        { Force, 3 }, { Length, 4 }, { Mass, 3 }, { Temperature, 2 }, { Density, 4 }, { Area, 6 },
    });
}

QMap<int, int> qzUnitSystem::getNorvaneDefaultUnitIndices()
{
    return presetFromSI({
        { Angle, 1 }, { Energy, 0 }, { Force, 7 }, { Length, 2 }, { Mass, 2 }, { Temperature, 1 },
        { Volume, 2 }, { Density, 0 }, { Stress, 3 }, { ThermalConductivity, 1 },
        { ThermalExpansion, 0 }, { SpecificHeatCapacity, 4 }, { LatentHeat, 2 },
        { AngularVelocity, 2 }, { Hardness, 5 }, { Area, 2 }, { DistancePerRevolution, 2 },
        { TripCoefficient, 0 },
    });
}

QMap<int, int> qzUnitSystem::getUnitIndices(UnitSystem system)
{
    switch (system) {
    case SI:
        return getSIUnitIndices();
    case SImm:
        return getSImmUnitIndices();
    case Imperial:
        return getImperialUnitIndices();
    case USCommon:
        return getUSCommonUnitIndices();
    case NorvaneDefault:
        return getNorvaneDefaultUnitIndices();
    }
    return QMap<int, int>();
}

void qzUnitSystem::toStandard(double& value) const
{
    const int standard = standardIndex(m_dimension);
    if (standard >= 0)
        unit()->changeTo(standard, value);
}

void qzUnitSystem::fromStandard(double& value) const
{
    const int standard = standardIndex(m_dimension);
    if (standard >= 0)
        changeFromTo(standard, unitIndex(), value);
}

QString qzUnitSystem::viewUnitName(Dimension dimension)
{
    return qzUnitValue(dimension, 0.0, true).unitSystem().name();
}

QString qzUnitSystem::viewUnitSymbol(Dimension dimension)
{
    return qzUnitValue(dimension, 0.0, true).unitSystem().symbol();
}

// ---- The global unit system ------------------------------------------------

qzUnitSystem* qzUnitSystem::GlobalUnitSystem = nullptr;

qzUnitSystem* qzUnitSystem::globalUnitSystem()
{
    const auto create = [] {
        GlobalUnitSystem = new qzUnitSystem(Undefined);
        // The type with its stream operators, text and comparison, once for
        // the process; a re-creation finds it registered.
        qzUnitValue::metaTypeId();
        return true;
    };
    // The first creation happens once even when first calls race, at the
    // cost of a guard test; removals are not raced, so re-creating after one
    // needs no such care.
    static const bool createdFirst = create();
    if (!GlobalUnitSystem)
        create();
    Q_UNUSED(createdFirst)
    return GlobalUnitSystem;
}

void qzUnitSystem::removeGlobalUnitSystem()
{
    delete GlobalUnitSystem;
    GlobalUnitSystem = nullptr;
}

// ---- Names of dimensions and units -----------------------------------------

QString qzUnitSystem::dimensionKey(Dimension dimension)
{
    return QString::fromLatin1(QMetaEnum::fromType<Dimension>().valueToKey(dimension));
}

QString qzUnitSystem::dimensionKeys(const QVector<Dimension>& dimensions)
{
    QStringList keys;
    for (Dimension dimension : dimensions)
        keys.append(dimensionKey(dimension));
    return keys.join(QLatin1String(", "));
}

qzUnitSystem::Dimension qzUnitSystem::dimensionFromString(const QString& text)
{
    for (Dimension dimension : getDimensions()) {
        const qzUnitTable& table = qzUnitCatalogue::table(dimension);
        if (text == dimensionKey(dimension) || text == table.dimensionNameEnglish() || text == table.dimensionName())
            return dimension;
    }
    return Undefined;
}

QVector<QPair<qzUnitSystem::Dimension, int>> qzUnitSystem::findUnits(const QString& text, Dimension dimension)
{
    QVector<QPair<Dimension, int>> matches;
    for (Dimension candidate : getDimensions()) {
        if (dimension != Undefined && candidate != dimension)
            continue;
        const qzUnitTable* table = qzUnitCatalogue::find(candidate);
        if (!table)
            continue;
        // Several writings of one unit (the pascal, the watt) share a name:
        // the first of them stands for the dimension.
        for (int i = 0; i < table->count; ++i) {
            if (text == table->symbol(i) || text == table->name(i) || text == table->englishName(i)) {
                matches.append(qMakePair(candidate, i));
                break;
            }
        }
    }
    return matches;
}

QDebug operator<<(QDebug debug, const qzUnitSystem& unitSystem)
{
    QDebugStateSaver saver(debug);
    debug.nospace().noquote() << "qzUnitSystem(" << qzUnitSystem::dimensionKey(unitSystem.dimension()) << ", "
                              << unitSystem.symbol() << ')';
    return debug;
}

qzUnitExponents qzUnitSystem::exponents(Dimension dimension)
{
    const qzUnitTable* table = qzUnitCatalogue::find(dimension);
    return table ? table->physics.exponents : qzUnitExponents();
}

double qzUnitSystem::siFactor(Dimension dimension)
{
    const qzUnitTable* table = qzUnitCatalogue::find(dimension);
    return table ? table->physics.siFactor : 0.0;
}

QVector<qzUnitSystem::Dimension> qzUnitSystem::dimensionsOf(const qzUnitExponents& exponents)
{
    QVector<Dimension> found;
    for (int dimension = 0; dimension <= MassFluxDensity; ++dimension) {
        const qzUnitTable* table = qzUnitCatalogue::find(dimension);
        if (!table || table->physics.exponents != exponents)
            continue;
        if (table->physics.rank == qzUnitTable::Preferred)
            found.prepend(Dimension(dimension));
        else
            found.append(Dimension(dimension));
    }
    return found;
}
