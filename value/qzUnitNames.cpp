#include "qzUnitNames.h"

namespace {

QString pluralWord(const QString& word)
{
    const QString lower = word.toLower();
    if (lower == QLatin1String("foot"))
        return word.left(1) + QLatin1String("eet");
    if (lower.endsWith(QLatin1Char('s')) || lower.endsWith(QLatin1Char(')')))
        return word;
    if (lower.endsWith(QLatin1String("ch")) || lower.endsWith(QLatin1String("sh")) || lower.endsWith(QLatin1Char('x')))
        return word + QLatin1String("es");
    return word + QLatin1Char('s');
}

// The singular of an English plural: "Meters", "Inches", "Feet".
QString singularWord(const QString& word)
{
    const QString lower = word.toLower();
    if (lower == QLatin1String("feet"))
        return word.left(1) + QLatin1String("oot");
    if (lower.endsWith(QLatin1String("ches")) || lower.endsWith(QLatin1String("shes")) || lower.endsWith(QLatin1String("xes")))
        return word.left(word.size() - 2);
    if (lower.endsWith(QLatin1Char('s')) && !lower.endsWith(QLatin1String("ss")) && !lower.endsWith(QLatin1String("us")))
        return word.left(word.size() - 1);
    return word;
}

} // namespace

QStringList qzUnitNames::variants(const QString& name)
{
    QStringList variants{name};
    QStringList words = name.split(QLatin1Char(' '));
    int head = words.indexOf(QStringLiteral("per")) - 1;
    if (head < -1)
        head = words.size() - 1;
    while (head > 0 && words.at(head).startsWith(QLatin1Char('(')))
        --head;
    if (head >= 0) {
        QStringList plural = words;
        plural[head] = pluralWord(words.at(head));
        variants.append(plural.join(QLatin1Char(' ')));
        QStringList singular = words;
        singular[head] = singularWord(words.at(head));
        if (singular != words)
            variants.append(singular.join(QLatin1Char(' ')));
        if (words.at(0).compare(QLatin1String("Degrees"), Qt::CaseInsensitive) == 0) {
            singular = words;
            singular[0].chop(1);
            variants.append(singular.join(QLatin1Char(' ')));
        }
    }
    const int count = variants.size();
    for (int i = 0; i < count; ++i) {
        QString uk = variants.at(i);
        uk.replace(QLatin1String("meter"), QLatin1String("metre"), Qt::CaseInsensitive);
        uk.replace(QLatin1String("liter"), QLatin1String("litre"), Qt::CaseInsensitive);
        if (uk != variants.at(i))
            variants.append(uk);
    }
    return variants;
}

QStringList qzUnitNames::inflections(const QString& word)
{
    const QString stem = word.left(word.size() - 1);
    switch (word.isEmpty() ? 0 : word.back().unicode()) {
    case 'e':
        return {word + QLatin1Char('n'), word + QLatin1Char('s'), stem + QLatin1Char('i')};
    case 'a':
        return {word + QLatin1Char('s'), stem + QLatin1Char('e'), stem + QLatin1Char('y'), stem};
    case 'o':
        return {word + QLatin1Char('s'), stem + QLatin1Char('i')};
    default:
        return {word + QLatin1Char('e'), word + QLatin1Char('s'), word + QLatin1Char('y'),
                word + QString::fromUtf8("\u00F3w"), word + QString::fromUtf8("\u016F")};
    }
}
