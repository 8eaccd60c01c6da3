#ifndef QZUNITSYSTEM_H
#define QZUNITSYSTEM_H

#include "qzUnitCatalogue.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QVector>

#include <array>
#include <atomic>
#include <new>

class QDebug;
class QXmlStreamReader;
class QXmlStreamWriter;

/*!
  A dimension together with one of its units: a value-type handle that owns
  an object of the dimension's class. The object lives inside the handle, so
  creating, copying and destroying handles never touches the heap. Copies
  never share the unit object.
*/
class QZUNIT_EXPORT qzUnitSystem
{
    Q_GADGET

public:
    //! The dimensions; the numbers are stored in documents and never change.
    enum Dimension : int {
        Undefined = -1,
        Acceleration = 0,
        Angle = 1,
        Current = 2,
        Energy = 3,
        Force = 4,
        Length = 5,
        Mass = 6,
        Speed = 7,
        Temperature = 8,
        Time = 9,
        Volume = 10,
        Density = 11,
        Power = 12,
        Stress = 13,
        ThermalConductivity = 14,
        ThermalExpansion = 15,
        AbsorbedDose = 16,
        HeatCapacity = 17,
        SpecificHeatCapacity = 18,
        ForceLength = 19,
        Voltage = 20,
        EnergyLength = 21,
        TemperatureDifference = 22,
        HeatTransferCoefficient = 23,
        StrainRate = 24,
        LatentHeat = 25,
        Percent = 26,
        Frequency = 27,
        AngularVelocity = 28,
        Heat = 29,
        MomentOfInertia = 30,
        HeatFlux = 31,
        TemperatureRate = 32,
        Torque = 33,
        GrainSize = 34,
        OfInformation = 35,
        TurningStiffness = 36,
        Hardness = 37,
        Area = 38,
        DistancePerRevolution = 39,
        TripCoefficient = 40,
        // 41 is not used.
        ElectricalConductivity = 42,
        ElectricalResistivity = 43,
        ElectricalCurrentDensity = 44,
        EnergyDensity = 45,
        TemperatureGradient = 46,
        AreicElectricalConductivity = 47,
        VolumePerTime = 48,
        ForcePerVolume = 49,
        MagneticInduction = 50,
        MagneticField = 51,
        ElectricField = 52,
        MassFraction = 53,
        Diffusivity = 54,
        MassFractionGradient = 55,
        MassFluxDensity = 56
    };

    //! The unit-system presets; the numbers are stored by hosts and never change.
    enum UnitSystem : int {
        SI = 0,
        SImm = 1,
        Imperial = 2,
        USCommon = 3,
        NorvaneDefault = 5
    };
    Q_ENUM(Dimension)
    Q_ENUM(UnitSystem)

    //! Creates the unit object of \a dimension at \a unitIndex (not range-checked).
    qzUnitSystem(Dimension dimension = Undefined, int unitIndex = 0) : m_dimension(dimension) { createUnit(unitIndex); }
    //! A handle of the same dimension and unit, with a unit object of its own.
    qzUnitSystem(const qzUnitSystem& other) : m_dimension(other.m_dimension), m_table(other.m_table)
    {
        m_table->create(m_storage, other.currentIndex());
    }
    //! An undefined handle takes the other's dimension and unit; a handle of
    //! the same dimension takes its unit; a handle of another dimension keeps both.
    qzUnitSystem& operator=(const qzUnitSystem& other);
    //! Leaves the unit object's storage to be reused: the dimension classes
    //! own nothing, so there is nothing to release.
    ~qzUnitSystem() = default;

    //! Same dimension and same unit index.
    bool operator==(const qzUnitSystem& other) const;
    //! Another dimension or another unit index.
    bool operator!=(const qzUnitSystem& other) const { return !(*this == other); }

    //! Dimension -1: the pseudo-unit "-" that converts nothing.
    bool isUndefined() const { return m_dimension == Undefined; }
    //! Makes the handle undefined, standing in the pseudo-unit.
    void toUndefine();
    //! The dimension as given, also a value that names no class (41, 57, ...).
    Dimension dimension() const { return m_dimension; }

    //! The current unit index.
    int unitIndex() const { return currentIndex(); }
    //! Relabels the unit without converting; indices outside the table are ignored.
    void setUnitIndex(int unitIndex);
    //! The number of units of the dimension: one more than the highest index.
    int maxIndex() const;
    //! The index of the dimension class's SI unit.
    int SIUnitIndex() const;
    //! The legacy code of dimension and unit; -1 for no unit.
    int getFFFUnit() const;

    //! The translated name of the current unit; null for an index outside the table.
    QString name() const;
    //! The symbol of the current unit; null for an index outside the table.
    QString symbol() const;
    //! The text between a number and this unit's symbol, one space for every class.
    QString valueSymbolSeparator() const;
    //! The translated name of the dimension ("Length").
    QString dimensionName() const;
    //! The English name of the dimension, untranslated.
    QString dimensionNameEnglish() const;
    //! The translated names of all units of the dimension, in index order.
    QStringList names() const;
    //! The symbols of all units of the dimension, in index order.
    QStringList symbols() const;
    //! The physical dimension in base letters ("l", "M·L²"); empty for unknown dimensions.
    QString dimensionSymbol() const;

    //! Converts \a value and makes \a unitIndex current.
    void changeTo(int unitIndex, double& value);
    //! Converts \a value between two units of \a dimension.
    static void changeTo(Dimension dimension, int from, int to, double& value);
    /*!
      Converts \a count numbers between two units of \a dimension: out[i] is
      in[i] as changeTo(dimension, from, to, ...) converts it, bit for bit, for
      every pair of indices. \a in equals \a out or does not overlap it. The
      units are looked up once, then the numbers run through plain arithmetic;
      nothing is allocated.
    */
    static void convert(Dimension dimension, int from, int to, const double* in, double* out, qsizetype count);
    //! Converts every element of \a values in place, as the overload above
    //! (detaching a vector shared with another first).
    static void convert(Dimension dimension, int from, int to, QVector<double>& values);
    //! The image of 1.0 under changeTo(dimension, from, to, ...).
    static double conversionFactor(Dimension dimension, int from, int to);
    /*!
      The factor that takes a number in unit \a unitIndex of \a dimension to
      unit 0 by the unit's definition: the table's own factor unless the unit
      keeps another one for stored data (keepsFactor()). For units with an
      offset (temperatures) the factor of differences; 1.0 for unit 0; NaN
      outside the table and for units that no factor reaches (hardness
      scales, grain size numbers).
    */
    static double physicalFactor(Dimension dimension, int unitIndex);
    //! Whether unit \a unitIndex of \a dimension converts with a factor kept
    //! for stored data that differs from its physicalFactor().
    static bool keepsFactor(Dimension dimension, int unitIndex);
    //! The factor to unit 0 with which the table converts unit \a unitIndex,
    //! in the sense of physicalFactor(): NaN where no factor reaches unit 0.
    static double keptFactor(Dimension dimension, int unitIndex);
    //! Converts without touching the handle's own unit.
    void changeFromTo(int from, int to, double& value) const;
    //! Converts exactly three doubles, values[0] to values[2].
    void changeFromTo(int from, int to, double* const values) const;
    //! Converts every element of \a values, as the single-value overload does.
    void changeFromTo(int from, int to, QVector<double>& values) const;

    //! Converts \a value to the dimension's standard unit (the SI preset's) and
    //! switches the handle to it; const because hosts convert through const values.
    void toStandard(double& value) const;
    //! Converts \a value from the standard unit to the current unit.
    void fromStandard(double& value) const;

    //! The 56 dimensions in ascending order.
    static QList<Dimension> getDimensions();
    //! The number of dimensions, 56.
    static int nbDimensions();

    // Physical dimensions: the data beside each dimension's table.
    //! The exponents of the SI base quantities of \a dimension's physical
    //! meaning; all zero for Undefined and values that name no dimension.
    static qzUnitExponents exponents(Dimension dimension);
    //! The factor that takes a number in unit 0 of \a dimension to the
    //! coherent SI unit of its exponents (1e-6 for grain size in µm, 0.01 for
    //! percent); 0.0 for Undefined and values that name no dimension.
    static double siFactor(Dimension dimension);
    //! Every dimension whose exponents are \a exponents, the preferred one
    //! first, then in ascending order; empty when none has them.
    static QVector<Dimension> dimensionsOf(const qzUnitExponents& exponents);

    // View units and presets. One thread at a time changes them; any thread
    // may read them meanwhile and sees each dimension's unit before or after
    // the change, never a mix.
    //! Sets the view unit of every dimension that \a units names (dimension to
    //! unit index) and leaves the others; a preset is applied this way. When
    //! anything changed, qzViewUnitsNotifier::viewUnitsChanged() follows.
    static void setViewUnits(const QMap<int, int>& units);
    //! Sets the view unit of \a dimension (0 to 56) to \a unitIndex, which is
    //! not range-checked; other dimensions are ignored. When the unit changed,
    //! qzViewUnitsNotifier::viewUnitsChanged() follows.
    static void setViewUnitIndex(Dimension dimension, int unitIndex);
    //! The view unit of \a dimension; -1 when none is set.
    static int viewUnitIndex(Dimension dimension);
    //! \a value converted from the view unit of \a dimension to unit 0 (not
    //! the SI preset's unit, which differs for three dimensions).
    static double fromViewToStandard(Dimension dimension, double value);
    //! \a value converted from unit 0 of \a dimension to its view unit.
    static double fromStandardToView(Dimension dimension, double value);
    //! The SI preset, dimension to unit index: the SI unit of every dimension.
    static QMap<int, int> getSIUnitIndices();
    //! The SI preset on millimetres: mm, Mg, N/mm², °C and the units that go with them.
    static QMap<int, int> getSImmUnitIndices();
    //! The imperial preset: pound-force, psi and degrees Rankine, lengths still in millimetres.
    static QMap<int, int> getImperialUnitIndices();
    //! The US customary preset: inches, pounds, pound-force and degrees Fahrenheit.
    static QMap<int, int> getUSCommonUnitIndices();
    //! The library's default preset for process simulation.
    static QMap<int, int> getNorvaneDefaultUnitIndices();
    //! The preset \a system; empty for a value that names none.
    static QMap<int, int> getUnitIndices(UnitSystem system);

    //! The translated name of the view unit of \a dimension.
    static QString viewUnitName(Dimension dimension);
    //! The symbol of the view unit of \a dimension.
    static QString viewUnitSymbol(Dimension dimension);

    //! The process-wide unit system, created on first use; its creation
    //! registers qzUnitValue with Qt's meta-type system, its stream operators
    //! and its conversion to QString (valueSymbolString()). Hosts call it at
    //! start-up, before any value is put into a QVariant that is streamed or
    //! stored (QSettings): before it, such a value is written without its
    //! data. First calls may come from several threads at once; a removal must
    //! not race with any use.
    static qzUnitSystem* globalUnitSystem();
    //! Destroys the global unit system; the next globalUnitSystem() creates a new one.
    static void removeGlobalUnitSystem();

    //! The enumerator name of \a dimension ("Length"); empty for values that name none.
    static QString dimensionKey(Dimension dimension);
    //! The enumerator names of \a dimensions, joined by ", " ("Energy, Heat").
    static QString dimensionKeys(const QVector<Dimension>& dimensions);
    //! The dimension whose enumerator name or English name is \a text; Undefined if none.
    static Dimension dimensionFromString(const QString& text);
    //! Every unit whose symbol, name or English name is exactly \a text, as
    //! pairs of dimension and unit index; only \a dimension's units unless it is Undefined.
    static QVector<QPair<Dimension, int>> findUnits(const QString& text, Dimension dimension = Undefined);

    // XML element "UnitSystem"; reader and writer in qzUnitSystemXmlReaderWriter.h.
    class XmlReaderWriter;
    //! Writes the element "UnitSystem" with the dimension and the unit index.
    void writeXml(QXmlStreamWriter& writer) const;
    //! Assigns what was read (as operator= does) only when the element was valid.
    bool readXml(QXmlStreamReader& reader);

private:
    // Values convert their number through the handle's unit without a call.
    friend class qzUnitValue;

    // Inline, with the table's constructor function the only call, because
    // every value built, copied or returned by the arithmetic comes here. A
    // unit object that stood in the storage before is simply replaced: the
    // dimension classes own nothing and their destructors do nothing.
    void createUnit(int unitIndex)
    {
        // Values that name no class get the undefined class, always at index 0.
        const qzUnitTable* found = qzUnitCatalogue::find(m_dimension);
        m_table = found ? found : &qzUnitCatalogue::table(Undefined);
        m_table->create(m_storage, found ? unitIndex : 0);
    }
    // For the values' arithmetic, which builds the unit object of its result
    // itself: other's dimension and table, with m_storage still to be built.
    struct Unbuilt
    {
    };
    qzUnitSystem(const qzUnitSystem& other, Unbuilt) : m_dimension(other.m_dimension), m_table(other.m_table) {}
    // The undefined dimension's, with m_storage still to be built.
    explicit qzUnitSystem(Unbuilt) : m_dimension(Undefined), m_table(&qzUnitCatalogue::table(Undefined)) {}
    // The unit object lives in m_storage; the pointer is derived on access so
    // that the handle holds no pointer into itself.
    qzUnit* unit() const { return std::launder(reinterpret_cast<qzUnit*>(m_storage)); }
    int currentIndex() const
    {
        return std::launder(reinterpret_cast<const qzUnit*>(m_storage))->unitIndex();
    }
    static QMap<int, int> presetFromSI(std::initializer_list<std::pair<int, int>> entries);
    // Stores one view unit; whether it differed from the one before.
    static bool storeViewUnit(int dimension, int unitIndex);
    // The view unit of a dimension of 0 to 56, as every view conversion reads
    // it: a relaxed load is a plain load on the common processors, and the
    // setters store whole ints, so a reader racing a change reads either unit.
    static int viewUnitSlot(int dimension) { return ViewUnitSlots[size_t(dimension)].load(std::memory_order_relaxed); }

    // The view units of the dimensions 0 to 56, -1 where none is set (41 at first).
    // Other keys given to setViewUnits() live in a map of their own, which
    // only their readers lock.
    static std::array<std::atomic<int>, MassFluxDensity + 1> ViewUnitSlots;
    static qzUnitSystem* GlobalUnitSystem;

    Dimension m_dimension;
    // The table of the unit object's class, kept beside it so that values
    // convert without looking the dimension up.
    const qzUnitTable* m_table;
    alignas(qzUnit) mutable unsigned char m_storage[sizeof(qzUnit)];
};

//! Prints "qzUnitSystem(Length, mm)".
QZUNIT_EXPORT QDebug operator<<(QDebug debug, const qzUnitSystem& unitSystem);

#endif // QZUNITSYSTEM_H
