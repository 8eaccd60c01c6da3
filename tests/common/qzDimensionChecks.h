#ifndef QZDIMENSIONCHECKS_H
#define QZDIMENSIONCHECKS_H

#include "dimensionChecks.h"

#include <qzUnitSystem.h>

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

/*!
  A translator that answers every request with "context|source" (and
  "|disambiguation" when one is passed) and remembers the sources it was asked
  for, so that a test sees which texts go through translation, in which
  context, and what is done to them afterwards. Installed while it lives.
*/
class qzTaggingTranslator : public QTranslator
{
public:
    qzTaggingTranslator() { QCoreApplication::installTranslator(this); }
    ~qzTaggingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(n)
        sources.append(QString::fromUtf8(sourceText));
        QString text = tag(QString::fromUtf8(context), sources.last());
        if (disambiguation)
            text += QLatin1Char('|') + QString::fromUtf8(disambiguation);
        return text;
    }

    static QString tag(const QString& context, const QString& text) { return context + QLatin1Char('|') + text; }

    mutable QStringList sources;
};

/*!
  Every unit name and the dimension name of \a dimension are translated in
  \a context, the dimension name with \a disambiguation; of the symbols,
  exactly those in \a translatedSymbols are.
*/
inline void verifyTranslatedTexts(qzUnitSystem::Dimension dimension, const QString& context,
                                  const QList<int>& translatedSymbols = {}, const char* disambiguation = nullptr)
{
    qzUnitSystem unit(dimension);
    const QStringList names = unit.names();
    const QStringList symbols = unit.symbols();
    const QString english = unit.dimensionNameEnglish();

    qzTaggingTranslator translator;
    QString dimensionName = qzTaggingTranslator::tag(context, english);
    if (disambiguation)
        dimensionName += QLatin1Char('|') + QString::fromUtf8(disambiguation);
    QCOMPARE(unit.dimensionName(), dimensionName);
    QCOMPARE(unit.dimensionNameEnglish(), english);
    const QStringList tagged = unit.names();
    const QStringList taggedSymbols = unit.symbols();
    QCOMPARE(tagged.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(tagged.at(i), qzTaggingTranslator::tag(context, names.at(i)));
        QCOMPARE(taggedSymbols.at(i),
                 translatedSymbols.contains(i) ? qzTaggingTranslator::tag(context, symbols.at(i)) : symbols.at(i));
    }
}

//! Units below 0 and from maxIndex() on have null names and symbols.
inline void verifyNoTextsOutside(qzUnitSystem::Dimension dimension)
{
    const int count = qzUnitSystem(dimension).maxIndex();
    for (int index : { -1, count, 1 << 30 }) {
        const qzUnitSystem unit(dimension, index);
        QVERIFY(unit.name().isNull());
        QVERIFY(unit.symbol().isNull());
    }
    QVERIFY(!qzUnitSystem(dimension, count - 1).symbol().isEmpty());
}

#endif // QZDIMENSIONCHECKS_H
