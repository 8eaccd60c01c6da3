#ifndef QZUNITENUMNAMES_H
#define QZUNITENUMNAMES_H

#include <QString>

// The stable upper-case unit names that some classes keep for documents,
// looked up in both directions the same way for every class that has them.
class qzUnitEnumNames
{
public:
    template <int N>
    static QString name(const char* const (&names)[N], int unitIndex)
    {
        return uint(unitIndex) < uint(N) ? QString::fromLatin1(names[unitIndex]) : QString();
    }

    //! The first index whose name equals \a name exactly; -1 when none does.
    template <int N>
    static int index(const char* const (&names)[N], const QString& name)
    {
        for (int i = 0; i < N; ++i) {
            if (name == QLatin1String(names[i]))
                return i;
        }
        return -1;
    }
};

#endif // QZUNITENUMNAMES_H
