#include "qzUnitAliases.h"

namespace {

// Factors are exact by definition where the units expression is a definition
// (1 in = 25.4 mm, 1 lb = 0.45359237 kg, 1 gal = 231 in³), else those of
// GNU units' database to 17 digits.
const qzUnitAlias Aliases[] = {
    // ASCII for the micro sign, and names the catalogue writes otherwise
    {"um", "\u00B5m", 1.0, "micron"}, {"uin", "\u00B5in", 1.0, "microinch"}, {"us", "\u00B5s", 1.0, "microsecond"},
    {"micrometer", "\u00B5m", 1.0, "micron"}, {"micrometers", "\u00B5m", 1.0, "micron"},
    {"micrometre", "\u00B5m", 1.0, "micron"}, {"micrometres", "\u00B5m", 1.0, "micron"},
    {"microns", "\u00B5m", 1.0, "micron"}, {"thou", "in", 1e-3, "thou"},
    {"\u00C5", "m", 1e-10, "angstrom"}, {"\u212B", "m", 1e-10, "angstrom"},
    {"yd", "ft", 3.0, "yd"}, {"yard", "ft", 3.0, "yd"}, {"yards", "ft", 3.0, "yd"},
    // temperatures and angles
    {"degC", "\u00B0C", 1.0, "degC"}, {"deg C", "\u00B0C", 1.0, "degC"}, {"degree C", "\u00B0C", 1.0, "degC"},
    {"degrees C", "\u00B0C", 1.0, "degC"}, {"degF", "\u00B0F", 1.0, "degF"}, {"deg F", "\u00B0F", 1.0, "degF"},
    {"degree F", "\u00B0F", 1.0, "degF"}, {"degrees F", "\u00B0F", 1.0, "degF"},
    {"\u00B0 C", "\u00B0C", 1.0, "degC"}, {"\u00B0 F", "\u00B0F", 1.0, "degF"},
    {"degR", "\u00B0Ra", 1.0, "degR"}, {"deg R", "\u00B0Ra", 1.0, "degR"}, {"\u00B0R", "\u00B0Ra", 1.0, "degR"},
    {"\u2103", "\u00B0C", 1.0, "degC"}, {"\u2109", "\u00B0F", 1.0, "degF"}, {"\u00B0K", "K", 1.0, "K"},
    {"celsius", "\u00B0C", 1.0, "degC"}, {"fahrenheit", "\u00B0F", 1.0, "degF"}, {"kelvins", "K", 1.0, "K"},
    {"rev", "\u00B0", 360.0, "rev"}, {"deg", "\u00B0", 1.0, "degree"}, {"degree", "\u00B0", 1.0, "degree"}, {"degrees", "\u00B0", 1.0, "degree"},
    // time and rotation
    {"d", "h", 24.0, "day"}, {"day", "h", 24.0, "day"}, {"days", "h", 24.0, "day"},
    {"sec", "s", 1.0, "s"}, {"secs", "s", 1.0, "s"}, {"hr", "h", 1.0, "hr"}, {"hrs", "h", 1.0, "hr"},
    {"mins", "min", 1.0, "min"}, {"rpm", "Rpm", 1.0, "rev/min"}, {"RPM", "Rpm", 1.0, "rev/min"},
    {"r/min", "Rpm", 1.0, "rev/min"}, {"U/min", "Rpm", 1.0, "rev/min"}, {"rev/min", "Rpm", 1.0, "rev/min"}, {"rps", "Rps", 1.0, "rev/s"},
    {"rev/s", "Rps", 1.0, "rev/s"}, {"mm/rev", "mm/r", 1.0, "mm/rev"}, {"in/rev", "in/r", 1.0, "in/rev"},
    {"ipr", "in/r", 1.0, "in/rev"}, {"IPR", "in/r", 1.0, "in/rev"},
    // lengths in feet and inches
    {"'", "ft", 1.0, "ft"}, {"\"", "in", 1.0, "in"}, {"''", "in", 1.0, "in"},
    {"sq ft", "ft^2", 1.0, "ft^2"}, {"sq in", "in^2", 1.0, "in^2"}, {"sq mm", "mm^2", 1.0, "mm^2"},
    {"sq m", "m^2", 1.0, "m^2"}, {"sqft", "ft^2", 1.0, "ft^2"}, {"sqin", "in^2", 1.0, "in^2"},
    {"cu in", "in^3", 1.0, "in^3"}, {"cu ft", "ft^3", 1.0, "ft^3"},
    // speeds and flows
    {"kph", "km/h", 1.0, "km/hr"}, {"mph", "m/s", 0.44704, "mile/hr"}, {"knot", "m/s", 1852.0 / 3600.0, "knot"},
    {"knots", "m/s", 1852.0 / 3600.0, "knot"}, {"ipm", "in/min", 1.0, "in/min"}, {"sfm", "ft/min", 1.0, "ft/min"}, {"SFM", "ft/min", 1.0, "ft/min"},
    {"sfpm", "ft/min", 1.0, "ft/min"}, {"SFPM", "ft/min", 1.0, "ft/min"}, {"IPM", "in/min", 1.0, "in/min"}, {"fpm", "ft/min", 1.0, "ft/min"},
    {"GPM", "m^3/s", 3.785411784e-3 / 60.0, "gal/min"}, {"gpm", "m^3/s", 3.785411784e-3 / 60.0, "gal/min"},
    {"cfm", "ft^3/min", 1.0, "ft^3/min"}, {"CFM", "ft^3/min", 1.0, "ft^3/min"},
    {"lpm", "l/min", 1.0, "liter/min"}, {"LPM", "l/min", 1.0, "liter/min"},
    {"cc", "cm\u00B3", 1.0, "cm^3"}, {"l", "m^3", 1e-3, "liter"}, {"L", "m^3", 1e-3, "liter"}, {"liter", "m^3", 1e-3, "liter"},
    {"liters", "m^3", 1e-3, "liter"}, {"litre", "m^3", 1e-3, "liter"}, {"litres", "m^3", 1e-3, "liter"},
    {"gal", "m^3", 3.785411784e-3, "gal"}, {"gallon", "m^3", 3.785411784e-3, "gal"},
    {"gallons", "m^3", 3.785411784e-3, "gal"},
    // mass and force
    {"pound force", "lbf", 1.0, "lbf"}, {"pounds force", "lbf", 1.0, "lbf"}, {"pound-force", "lbf", 1.0, "lbf"},
    {"kilogram force", "kgf", 1.0, "kgf"}, {"kilograms force", "kgf", 1.0, "kgf"},
    {"kilogram-force", "kgf", 1.0, "kgf"},
    {"tonne", "t", 1.0, "tonne"}, {"tonnes", "t", 1.0, "tonne"},
    {"metric ton", "t", 1.0, "tonne"}, {"metric tons", "t", 1.0, "tonne"},
    {"lbs", "lb", 1.0, "lb"}, {"lbm", "lb", 1.0, "lb"}, {"kip", "klbf", 1.0, "kip"}, {"kips", "klbf", 1.0, "kip"},
    // pressures; "kg" in a pressure is the kilogram-force
    {"ksi", "psi", 1000.0, "ksi"}, {"KSI", "psi", 1000.0, "ksi"}, {"PSI", "psi", 1.0, "psi"},
    {"kpsi", "psi", 1000.0, "kpsi"}, {"Mpsi", "psi", 1e6, "Mpsi"},
    {"kgf/cm^2", "kg/cm\u00B2", 1.0, "kgf/cm^2"}, {"kgf/mm^2", "kg/mm\u00B2", 1.0, "kgf/mm^2"},
    {"mmHg", "Pa", 133.322387415, "mmHg"}, {"inHg", "Pa", 3386.388640341, "inHg"},
    {"mmH2O", "Pa", 9.80665, "mmH2O"}, {"inH2O", "Pa", 249.08891, "inH2O"},
    // torques and energies as products of existing units
    {"Nm", "N\u00B7m", 1.0, "N m"}, {"kNm", "N\u00B7m", 1e3, "kN m"}, {"Nmm", "N\u00B7mm", 1.0, "N mm"},
    {"N-m", "N\u00B7m", 1.0, "N m"}, {"in-lb", "in\u00B7lbf", 1.0, "in lbf"}, {"in-lbf", "in\u00B7lbf", 1.0, "in lbf"},
    {"lb-in", "in\u00B7lbf", 1.0, "in lbf"}, {"lbf-in", "in\u00B7lbf", 1.0, "in lbf"},
    {"ft-lb", "ft\u00B7lbf", 1.0, "ft lbf"}, {"ft-lbf", "ft\u00B7lbf", 1.0, "ft lbf"},
    {"lb-ft", "ft\u00B7lbf", 1.0, "ft lbf"}, {"lbf-ft", "ft\u00B7lbf", 1.0, "ft lbf"},
    {"ft-lbs", "ft\u00B7lbf", 1.0, "ft lbf"}, {"in-lbs", "in\u00B7lbf", 1.0, "in lbf"},
    {"mNm", "N\u00B7m", 1e-3, "mN m"}, {"MNm", "N\u00B7m", 1e6, "MN m"},
    {"kgf-m", "kgf\u00B7m", 1.0, "kgf m"}, {"kgfm", "kgf\u00B7m", 1.0, "kgf m"},
    // conductivities and heat capacities as data sheets write them
    {"W/mK", "W/(m\u00B7K)", 1.0, "W/m/K"}, {"W/m-K", "W/(m\u00B7K)", 1.0, "W/m/K"},
    {"W/m\u00B0C", "W/(m\u00B7K)", 1.0, "W/m/K"}, {"J/kgK", "J/(kg\u00B7K)", 1.0, "J/kg/K"},
    {"J/kg-K", "J/(kg\u00B7K)", 1.0, "J/kg/K"}, {"kJ/kgK", "kJ/(kg\u00B7K)", 1.0, "kJ/kg/K"},
    {"J/kg\u00B0C", "J/(kg\u00B7K)", 1.0, "J/kg/K"}, {"kJ/kg\u00B0C", "kJ/(kg\u00B7K)", 1.0, "kJ/kg/K"},
    // "lb" beside a length is the pound-force: no one types a mass times a length
    {"ft lb", "ft\u00B7lbf", 1.0, "ft lbf"}, {"lb ft", "ft\u00B7lbf", 1.0, "ft lbf"},
    {"in lb", "in\u00B7lbf", 1.0, "in lbf"}, {"lb in", "in\u00B7lbf", 1.0, "in lbf"},
    // energy and power
    {"BTU", "BTU (IT)", 1.0, "btu_IT"}, {"Btu", "BTU (IT)", 1.0, "btu_IT"}, {"cal", "cal (IT)", 1.0, "cal_IT"},
    {"kcal", "kcal (IT)", 1.0, "kcal_IT"}, {"hp", "W", 745.69987158227022, "hp"},
    {"HP", "W", 745.69987158227022, "hp"}, {"horsepower", "W", 745.69987158227022, "hp"}, {"PS", "W", 735.49875, "metrichorsepower"}, {"Wh", "W\u00B7h", 1.0, "W hr"},
    // sizes of information, which the catalogue counts in powers of two
    {"KiB", "kB", 1.0, "KiB"}, {"MiB", "MB", 1.0, "MiB"}, {"GiB", "GB", 1.0, "GiB"}, {"TiB", "TB", 1.0, "TiB"},
    // the Brinell hardness, measured with a tungsten carbide ball since 2003
    {"HB", "HBW", 1.0, "-"}, {"HRc", "HRC", 1.0, "-"},
    // the Vickers number with its test load in kilograms-force
    {"HV1", "HV", 1.0, "-"}, {"HV5", "HV", 1.0, "-"}, {"HV10", "HV", 1.0, "-"}, {"HV30", "HV", 1.0, "-"},
    {"ohm m", "\u03A9\u00B7m", 1.0, "ohm m"},
    // Refused: a gauge or absolute pressure, whose reference a value cannot
    // record; and names of different units in different countries, whose
    // readings are listed for the message.
    {"psig", nullptr, 0.0, nullptr}, {"psia", nullptr, 0.0, nullptr}, {"barg", nullptr, 0.0, nullptr},
    {"bara", nullptr, 0.0, nullptr}, {"mbarg", nullptr, 0.0, nullptr}, {"kPag", nullptr, 0.0, nullptr},
    {"MPag", nullptr, 0.0, nullptr}, {"ton", nullptr, 0.0, "t (1000 kg), 2000 lb, 2240 lb"},
    {"tons", nullptr, 0.0, "t (1000 kg), 2000 lb, 2240 lb"},
    {"short ton", nullptr, 0.0, "2000 lb, 2000 lbf"}, {"short tons", nullptr, 0.0, "2000 lb, 2000 lbf"},
    {"long ton", nullptr, 0.0, "2240 lb, 2240 lbf"}, {"long tons", nullptr, 0.0, "2240 lb, 2240 lbf"},
};

} // namespace

const qzUnitAlias* qzUnitAliases::begin()
{
    return Aliases;
}

int qzUnitAliases::count()
{
    return int(sizeof(Aliases) / sizeof(Aliases[0]));
}
