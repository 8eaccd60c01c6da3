#ifndef QZUNITSPELLINGS_H
#define QZUNITSPELLINGS_H

#include "qzUnitAliases.h"
#include "qzUnitParser.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <memory>

/*!
  The index of unit spellings that typed text is looked up in: the tables'
  symbols and names, their plural, UK, ASCII and translated forms, the
  aliases, SI prefixes. Symbols are matched in their exact case; names of
  three or more letters also in any case, where that leaves one unit.
  Internal to the reading of typed text; built once per loaded translation.
*/
class QZUNIT_EXPORT qzUnitSpellings
{
public:
    using Dimension = qzUnitSystem::Dimension;
    using Units = QVector<qzUnitParser::Unit>;

    //! The index for the loaded translation; safe from several threads.
    static std::shared_ptr<const qzUnitSpellings> current();

    //! \a c with look-alikes (Greek mu, dashes, blanks, dots) replaced by one
    //! character each; positions stay where they were.
    static QChar mapped(QChar c);
    //! Whether \a c joins units in a normalised spelling: "·", "/", "^" or a parenthesis.
    static bool isOperator(QChar c);
    //! Every character of \a text mapped.
    static QString mappedText(const QString& text);
    //! A unit text in one spelling: powers written "^n", blanks and dots
    //! between units written "·", other blanks dropped.
    static QString normalized(const QString& text);

    //! The rows whose own symbol or name \a text is, as typed.
    Units exact(const QString& text) const;
    //! Every reading of the normalised spelling of one unit, in the first
    //! way that reads it at all; \a depth > 0 for an alias's target.
    Units lookUp(const QString& spelling, int depth = 0) const;
    //! The refused alias that \a spelling is, or null.
    const qzUnitAlias* refused(const QString& spelling) const;
    //! Whether the symbol of \a row reads physically as another dimension
    //! than its own ("(kg·m²)/s²" of a power).
    bool isForeign(Dimension dimension, int row) const;
    //! Of \a dimensions, the only one with a unit written in the same
    //! shape as \a shape ("kJ/mm" as "J/cm", an energy per length);
    //! Undefined when none or several have one.
    Dimension shapedAs(const QMap<int, int>& shape, const QVector<Dimension>& dimensions) const;
    //! Up to three spellings close to \a text, quoted, the closest first;
    //! only of \a dimension unless that is Undefined.
    QStringList suggestions(const QString& text, Dimension dimension) const;

    //! The factor that takes a number in \a row to unit 0 by the unit's
    //! definition; NaN for rows that are no multiple of unit 0.
    static double definedFactor(Dimension dimension, int row);
    //! The factor that takes a number in the text's unit of \a unit to unit 0
    //! by the definitions; NaN as above.
    static double definedFactor(const qzUnitParser::Unit& unit);
    //! Whether \a row converts with its defined factor up to the rounding
    //! of history (1e-6), also where it keeps its own for stored documents.
    static bool keepsDefinedFactor(Dimension dimension, int row);
    //! The unit of \a dimension whose factor to unit 0 is \a factor: the
    //! first row that converts with it, else unit 0 with the factor.
    static qzUnitParser::Unit unitOfFactor(Dimension dimension, double factor);
    //! \a units scaled by \a factor, landing in rows where one fits.
    static Units scaled(const Units& units, double factor);

private:
    struct Entry
    {
        Dimension dimension;
        int row;
    };
    using Entries = QVector<Entry>;
    struct Suggestion
    {
        QString text;
        QString folded;
        Dimension dimension;
    };

    static void add(QHash<QString, Entries>& hash, const QString& key, Entry entry);
    static Units rowsOf(const Entries& entries);
    void build();
    void addInflections();
    Units prefixed(const QString& spelling) const;
    Units prefixedName(const QString& lower) const;

    QString m_translation;              // what the index was built under
    QHash<QString, Entries> m_exact;    // the tables' own texts, as they are
    QHash<QString, Entries> m_spelled;  // normalised spellings, plurals, translated names
    QHash<QString, Entries> m_names;    // names of three or more letters, in lower case
    QSet<QString> m_clashes;            // lower-case names of several units, or of another's symbol
    QHash<QString, const qzUnitAlias*> m_aliases;       // normalised alias spellings
    QHash<QString, const qzUnitAlias*> m_foldedAliases; // aliases that are words, in lower case
    QHash<QString, const qzUnitAlias*> m_refused;       // refused spellings, in lower case
    QPair<int, int> m_refusedLength{0, 0};               // their shortest and longest
    QSet<QPair<int, int>> m_foreign;    // rows whose symbol reads as other physics
    QVector<Suggestion> m_suggestions;
    QHash<int, QVector<QMap<int, int>>> m_shapes; // of the compound symbols of each dimension
};

#endif // QZUNITSPELLINGS_H
