#ifndef QZUNIT_TOOL_COMMAND_H
#define QZUNIT_TOOL_COMMAND_H

// The commands of qzunit and what they share. Every dimension, unit and
// preset the tool names comes from the library at run time, so the tool
// follows the catalogue without being touched.

#include <qzUnitParser.h>
#include <qzUnitSystem.h>
#include <qzUnitValue.h>

#include <QPair>
#include <QStringList>
#include <QVector>

class QTextStream;

// A mistake of the user. main() prints it as one line on standard error and
// exits with code 2; commands throw it wherever they notice the mistake.
struct UserError
{
    QString message;
};

// The options, checked and converted; the defaults hold where one is not given.
struct Options
{
    qzUnitSystem::Dimension dimension = qzUnitSystem::Undefined; // any dimension
    char format = 'g';
    int precision = 6;
    qzUnitSystem::UnitSystem preset = qzUnitSystem::SI;
    bool translated = false; // --lang given: names and headers in that language
};

// One run of a command: its own arguments (without the command name), the
// options and the stream for the result.
struct Invocation
{
    QStringList arguments;
    Options options;
    QTextStream& out;
    QTextStream& err; // warnings that do not stop the command
};

// The options a command reads. Giving a command an option it does not read
// is a user error, so that a typo never goes unnoticed.
enum OptionFlag : unsigned {
    DimensionOption = 1u << 0,
    FormatOption = 1u << 1,
    PrecisionOption = 1u << 2,
    PresetOption = 1u << 3,
    LanguageOption = 1u << 4,
};
//! Options that every command reads.
constexpr unsigned GlobalOptions = LanguageOption;

// A row of the command table in main.cpp. To add a command, write its
// function in a file of its own, declare it below and add a row there.
struct Command
{
    const char* name;
    const char* synopsis; // its arguments, for the help text and usage errors
    const char* summary;
    int minArguments;
    int maxArguments;
    unsigned options; // OptionFlag values
    void (*run)(const Invocation& invocation);
    const char* help = nullptr; // what "qzunit NAME --help" adds to the usage
};

void runConvert(const Invocation& invocation);
void runDimensions(const Invocation& invocation);
void runUnits(const Invocation& invocation);
void runShow(const Invocation& invocation);
void runHardness(const Invocation& invocation);
void runDuration(const Invocation& invocation);
void runBytes(const Invocation& invocation);
void runCatalogue(const Invocation& invocation);
void runCalc(const Invocation& invocation);


//! The dimension named by its enumerator ("Length"), English name or value.
qzUnitSystem::Dimension parseDimension(const QString& text);
//! The preset named by its enumerator ("USCommon").
qzUnitSystem::UnitSystem parsePreset(const QString& text);
//! The enumerators of the presets, for messages and help.
QString presetNames();

//! A typed value ("12.5 mm", "3 ft 4 in", "1000 kg/m^3"), only in
//! \a restriction unless that is Undefined; a user error when unreadable.
QVector<qzUnitValue> readValue(const QString& text, qzUnitSystem::Dimension restriction);
//! As above; the reading's notes go to the invocation's error stream.
qzUnitValue readValue(const Invocation& invocation, const QString& text, qzUnitSystem::Dimension restriction);
//! Every reading of a unit text, one per dimension, the preferred first.
QVector<qzUnitParser::Unit> readUnit(const QString& text, qzUnitSystem::Dimension restriction);
//! The note that \a text (quoted) was read in the first of \a dimensions.
void noteChoice(const Invocation& invocation, const QString& text, const QVector<qzUnitSystem::Dimension>& dimensions);
//! A typed value and the unit it is to be converted to.
struct Conversion
{
    qzUnitValue value;
    int target;
    double factor = 1.0; // from the target unit to the row target, for units that are no row
    QString targetText;  // how a unit that is no row is written
    QStringList notes;   // what the reading of the value noted
};
//! Reads "VALUE [UNIT] TARGET" from the arguments, in \a restriction unless that is Undefined.
Conversion readConversion(const Invocation& invocation, qzUnitSystem::Dimension restriction);

//! The error for \a text that fits units of several dimensions.
UserError ambiguity(const QString& text, const QVector<qzUnitSystem::Dimension>& dimensions);

//! Writes a note or warning (\a message, translated, with its "note: " or
//! "warning: ") as one line on the invocation's error stream.
void report(const Invocation& invocation, const QString& message);
//! Reports each of a reading's \a notes (already translated) as a note.
void reportNotes(const Invocation& invocation, const QStringList& notes);

//! The columns \a text takes in a terminal: East Asian wide and fullwidth
//! characters two, combining marks none, every other character one.
int displayWidth(const QString& text);
//! Writes \a rows in columns two blanks apart, padded by display width; the first row is the header.
void printTable(QTextStream& out, const QVector<QStringList>& rows, const QVector<bool>& rightAligned);

#endif // QZUNIT_TOOL_COMMAND_H
