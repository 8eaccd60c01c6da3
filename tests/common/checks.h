#ifndef CHECKS_H
#define CHECKS_H

// Helpers of the data-driven tests. Conversions go through the unit-system
// handle, so that each dimension class is tested as the catalogue wires it.

#include <qzUnitValue.h>

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include <cmath>
#include <cstring>

//! \a value in unit \a from of \a dimension, converted to unit \a to.
inline double converted(qzUnitSystem::Dimension dimension, int from, int to, double value = 1.0)
{
    qzUnitSystem::changeTo(dimension, from, to, value);
    return value;
}

//! True when \a actual equals \a expected up to \a tolerance, relative; NaN
//! equals NaN, and infinities and zero only themselves.
inline bool closeTo(double actual, double expected, double tolerance = 1e-12)
{
    return actual == expected || (std::isnan(actual) && std::isnan(expected))
        || (std::isfinite(expected) && std::fabs(actual - expected) <= tolerance * std::fabs(expected));
}

//! The stored number of \a value; value() reads an undefined value as 0.0.
inline double numberOf(const qzUnitValue& value) { return value.isUndefined() ? qQNaN() : value.value(); }

//! Same dimension, unit and number (NaN equal to NaN, zeros told apart by sign).
inline bool identical(const qzUnitValue& a, const qzUnitValue& b)
{
    const double x = numberOf(a), y = numberOf(b);
    return a.dimension() == b.dimension() && a.unitIndex() == b.unitIndex()
        && (std::memcmp(&x, &y, sizeof x) == 0 || (std::isnan(x) && std::isnan(y)));
}

// Data-driven results: each row a computed and an expected number and a
// relative tolerance; a tolerance of 0 asks for the exact double.
inline void resultColumns()
{
    QTest::addColumn<double>("actual");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");
}

inline void result(const char* name, double actual, double expected, double tolerance = 1e-12)
{
    QTest::newRow(name) << actual << expected << tolerance;
}

inline void checkResult()
{
    QFETCH(double, actual);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    QVERIFY2(closeTo(actual, expected, tolerance),
             qPrintable(QStringLiteral("%1 != %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

// Data-driven texts: each row a text and the text expected.
inline void textColumns()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
}

inline void text(const char* name, const QString& actual, const QString& expected)
{
    QTest::newRow(name) << actual << expected;
}

inline void checkText()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
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

#endif // CHECKS_H
