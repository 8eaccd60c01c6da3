#ifndef DIMENSIONCHECKS_H
#define DIMENSIONCHECKS_H

// Checks shared by the tests of the dimension classes. Conversions go through
// the unit-system handle, so that each class is tested as the catalogue wires it.

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
#define COMPARE_EXACT(actual, expected)                                                                          \
    QVERIFY2((actual) == (expected),                                                                             \
             qPrintable(QStringLiteral("%1 != %2").arg((actual), 0, 'g', 17).arg((expected), 0, 'g', 17)))

//! \a value in unit \a from of \a dimension, converted to unit \a to.
inline double converted(qzUnitSystem::Dimension dimension, int from, int to, double value = 1.0)
{
    qzUnitSystem::changeTo(dimension, from, to, value);
    return value;
}

//! While it lives, every translated text reads "[context|source|comment]", so
//! a test sees which texts are translated, in which context and with which comment.
class RecordingTranslator : public QTranslator
{
public:
    RecordingTranslator() { QCoreApplication::installTranslator(this); }
    ~RecordingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* comment, int) const override
    {
        return recorded(context, source, comment);
    }
    static QString recorded(const char* context, const char* source, const char* comment = nullptr)
    {
        return QStringLiteral("[%1|%2|%3]")
            .arg(QString::fromUtf8(context), QString::fromUtf8(source), QString::fromUtf8(comment));
    }
};

//! What differs in the class that the handle of \a dimension creates from
//! \a className and from the contract of every dimension class: number of
//! units, SI unit, separator, dimension names, the context of every translated
//! text, a round trip of every unit through unit 0, and indices outside the
//! table that give no texts and convert nothing. Empty when nothing differs.
inline QString classFailures(qzUnitSystem::Dimension dimension, const char* className, const char* englishName,
                             const char* comment, int count)
{
    QStringList failures;
    const qzUnitSystem system(dimension);
    if (system.maxIndex() != count || system.names().size() != count || system.symbols().size() != count)
        failures << QStringLiteral("%1 units").arg(system.maxIndex());
    if (system.SIUnitIndex() != 0 || system.valueSymbolSeparator() != QLatin1String(" "))
        failures << QStringLiteral("SI unit or separator");
    if (system.dimensionNameEnglish() != QString::fromUtf8(englishName))
        failures << system.dimensionNameEnglish();
    const RecordingTranslator translator;
    if (system.dimensionName() != RecordingTranslator::recorded(className, englishName, comment))
        failures << system.dimensionName();
    const QString context = QStringLiteral("[%1|").arg(QString::fromUtf8(className));
    for (const QString& text : system.names() + system.symbols()) {
        if (text.isEmpty() || (text.startsWith(QLatin1Char('[')) && !text.startsWith(context)))
            failures << QStringLiteral("text \"%1\"").arg(text);
    }

    const double value = 7.25;
    for (int unit = 0; unit < count; ++unit) {
        const double back = converted(dimension, 0, unit, converted(dimension, unit, 0, value));
        if (!closeTo(back, value))
            failures << QStringLiteral("unit %1 comes back as %2").arg(unit).arg(back, 0, 'g', 17);
    }
    for (int outside : { -1, count, INT_MIN, INT_MAX }) {
        const qzUnitSystem system(dimension, outside);
        if (!system.name().isNull() || !system.symbol().isNull()
            || converted(dimension, outside, 0, value) != value || converted(dimension, 0, outside, value) != value)
            failures << QStringLiteral("unit %1 has texts or converts").arg(outside);
    }
    qzUnitSystem moved(dimension, 0);
    double kept = value;
    moved.changeTo(count, kept);
    if (kept != value || moved.unitIndex() != count)
        failures << QStringLiteral("changeTo(%1) converts or drops the index").arg(count);
    return failures.join(QStringLiteral("; "));
}

// Data-driven tests shared by the dimension test classes: classes checks the
// class the handle creates for each row, relations compares each row's
// conversion factor with what the units of other dimensions give.

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
    const QString wrong = classFailures(qzUnitSystem::Dimension(dimension), className.constData(),
                                        englishName.constData(), comment.isNull() ? nullptr : comment.constData(), count);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
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
