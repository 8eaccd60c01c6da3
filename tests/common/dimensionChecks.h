#ifndef DIMENSIONCHECKS_H
#define DIMENSIONCHECKS_H

// Checks shared by the tests of the dimension classes: conversions read
// through the unit-system handle, so that a class is tested as the catalogue
// wires it, and a translator that shows which texts are translated and how.

#include <qzUnitSystem.h>

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include <climits>
#include <cmath>

//! True when \a actual equals \a expected up to \a tolerance, relative.
inline bool closeTo(double actual, double expected, double tolerance = 1e-12)
{
    return actual == expected || std::fabs(actual - expected) <= tolerance * std::fabs(expected);
}

//! QCOMPARE without its fuzziness, for results that must be bit for bit what
//! a given sequence of double operations gives.
#define COMPARE_EXACT(actual, expected)                                                       \
    QVERIFY2((actual) == (expected), qPrintable(QStringLiteral("%1 != %2")                    \
                                                    .arg((actual), 0, 'g', 17)                \
                                                    .arg((expected), 0, 'g', 17)))

//! \a value in unit \a from of \a dimension, converted to unit \a to.
inline double converted(qzUnitSystem::Dimension dimension, int from, int to, double value = 1.0)
{
    qzUnitSystem::changeTo(dimension, from, to, value);
    return value;
}

//! What breaks the contract every dimension class keeps, for every unit of
//! \a dimension: texts for each unit and none outside the table, a round trip
//! through unit 0, and indices outside the table that leave values alone.
//! Empty when nothing does.
inline QString contractFailures(qzUnitSystem::Dimension dimension)
{
    QStringList failures;
    const int count = qzUnitSystem(dimension).maxIndex();
    const double value = 7.25;
    for (int unit = 0; unit < count; ++unit) {
        const qzUnitSystem system(dimension, unit);
        if (system.name().isEmpty() || system.symbol().isEmpty())
            failures << QStringLiteral("unit %1 has no name or symbol").arg(unit);
        const double back = converted(dimension, 0, unit, converted(dimension, unit, 0, value));
        if (!closeTo(back, value))
            failures << QStringLiteral("unit %1 comes back from unit 0 as %2").arg(unit).arg(back, 0, 'g', 17);
    }
    if (qzUnitSystem(dimension).names().size() != count || qzUnitSystem(dimension).symbols().size() != count)
        failures << QStringLiteral("names() or symbols() miss units");
    for (int outside : { -1, count, INT_MIN, INT_MAX }) {
        const qzUnitSystem system(dimension, outside);
        if (!system.name().isNull() || !system.symbol().isNull())
            failures << QStringLiteral("unit %1 has texts").arg(outside);
        if (converted(dimension, outside, 0, value) != value || converted(dimension, 0, outside, value) != value)
            failures << QStringLiteral("unit %1 converts").arg(outside);
    }
    qzUnitSystem system(dimension, 0);
    double kept = value;
    system.changeTo(count, kept);
    if (kept != value || system.unitIndex() != count)
        failures << QStringLiteral("changeTo(%1) converts or drops the index").arg(count);
    return failures.join(QStringLiteral("; "));
}

/*!
  While it lives, every translated text reads "[context|source|comment]", so a
  test sees which texts go through translation, in which context and with
  which comment. Texts that are not translated stay as they are.
*/
class RecordingTranslator : public QTranslator
{
public:
    RecordingTranslator() { QCoreApplication::installTranslator(this); }
    ~RecordingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int) const override
    {
        return recorded(context, sourceText, disambiguation);
    }

    //! The text that translating \a source in \a context with \a comment gives.
    static QString recorded(const char* context, const char* source, const char* comment = nullptr)
    {
        return QStringLiteral("[%1|%2|%3]")
            .arg(QString::fromUtf8(context), QString::fromUtf8(source), QString::fromUtf8(comment));
    }
};

//! What differs in the class that the handle of \a dimension creates from
//! \a className: number of units, SI unit, separator in unit 0, dimension
//! names, and the context of every translated text. Empty when nothing does.
inline QString classFailures(qzUnitSystem::Dimension dimension, const char* className, const char* englishName,
                             const char* comment, int count)
{
    QStringList failures;
    const qzUnitSystem system(dimension);
    if (system.maxIndex() != count)
        failures << QStringLiteral("%1 units").arg(system.maxIndex());
    if (system.SIUnitIndex() != 0)
        failures << QStringLiteral("SI unit %1").arg(system.SIUnitIndex());
    if (system.valueSymbolSeparator() != QLatin1String(" "))
        failures << QStringLiteral("separator \"%1\"").arg(system.valueSymbolSeparator());
    if (system.dimensionNameEnglish() != QString::fromUtf8(englishName))
        failures << system.dimensionNameEnglish();
    const RecordingTranslator translator;
    if (system.dimensionName() != RecordingTranslator::recorded(className, englishName, comment))
        failures << system.dimensionName();
    const QString context = QStringLiteral("[%1|").arg(QString::fromUtf8(className));
    for (const QString& text : system.names() + system.symbols()) {
        if (text.startsWith(QLatin1Char('[')) && !text.startsWith(context))
            failures << text;
    }
    return failures.join(QStringLiteral("; "));
}

// Data-driven tests shared by the dimension test classes: "classes" checks
// the class the handle creates for each row, "relations" compares each row's
// conversion factor with what other dimensions' units give.

inline void addClassColumns()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QByteArray>("englishName");
    QTest::addColumn<QByteArray>("comment");
    QTest::addColumn<int>("count");
}

inline void addClass(qzUnitSystem::Dimension dimension, const char* className, const char* englishName, int count,
                     const char* comment = nullptr)
{
    QTest::newRow(className) << int(dimension) << QByteArray(className) << QByteArray(englishName)
                             << QByteArray(comment) << count;
}

inline void checkClass()
{
    QFETCH(int, dimension);
    QFETCH(QByteArray, className);
    QFETCH(QByteArray, englishName);
    QFETCH(QByteArray, comment);
    QFETCH(int, count);
    const QString wrong = classFailures(qzUnitSystem::Dimension(dimension), className.constData(), englishName.constData(),
                                        comment.isNull() ? nullptr : comment.constData(), count);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QString broken = contractFailures(qzUnitSystem::Dimension(dimension));
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

inline void addRelationColumns()
{
    QTest::addColumn<double>("actual");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
}

inline void checkRelation()
{
    QFETCH(double, actual);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QVERIFY2(closeTo(actual, expected, tolerance),
             qPrintable(QStringLiteral("%1 != %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

#endif // DIMENSIONCHECKS_H
