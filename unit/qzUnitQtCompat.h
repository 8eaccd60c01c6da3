#ifndef QZUNITQTCOMPAT_H
#define QZUNITQTCOMPAT_H

// Where Qt 5 and Qt 6 differ in what the library uses, the difference is
// settled here, once; the rest of the sources are the same for both.

#include <QtGlobal>
#include <QLocale>
#include <QMetaType>
#include <QString>

#include <cstddef>

/*!
 * \brief The type of a qHash() result: \c uint on Qt 5, \c size_t on Qt 6,
 * as the hashed containers of each expect.
 */
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using qzHashValue = size_t;
#else
using qzHashValue = uint;
#endif

/*!
 * \brief Makes the QDataStream operators of \a T known to QVariant, under
 * the type name \a typeName.
 *
 * Qt 5 needs them registered by name; Qt 6 finds them itself through the
 * meta type, so that there this does nothing.
 */
template <typename T>
inline void qzRegisterStreamOperators(const char* typeName)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    Q_UNUSED(typeName)
#else
    qRegisterMetaTypeStreamOperators<T>(typeName);
#endif
}

/*!
 * \brief Makes the QDataStream operators of \a T known to QVariant, for the
 * meta type \a typeId of \a T (on Qt 6 the type carries them itself).
 *
 * Unlike the overload by name, this does not ask for the id of \a T, so that
 * the function that creates the id may call it.
 */
template <typename T>
inline void qzRegisterStreamOperators(int typeId)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    Q_UNUSED(typeId)
#else
    QMetaType::registerStreamOperators(typeId, QtMetaTypePrivate::QMetaTypeFunctionHelper<T>::Save,
                                       QtMetaTypePrivate::QMetaTypeFunctionHelper<T>::Load);
#endif
}

/*!
 * \brief Registers \a T under its normalized name \a typeName and returns its
 * id, without asking QMetaTypeId<T> for it: the type's own
 * QMetaTypeId::qt_metatype_id() may call this.
 */
template <typename T>
inline int qzRegisterNormalizedMetaType(const char* typeName)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return qRegisterNormalizedMetaType<T>(QByteArray(typeName));
#else
    // The dummy tells Qt 5 that this is the declared type itself, not a typedef of it.
    return qRegisterNormalizedMetaType<T>(QByteArray(typeName), reinterpret_cast<T*>(quintptr(-1)));
#endif
}

/*!
 * \brief Makes QVariant compare two variants of \a T with T's operator== (and
 * order them with its operator<), as Qt 6 does from the type itself; Qt 5
 * would compare their bytes.
 */
template <typename T>
inline void qzRegisterComparators()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    if (!QMetaType::hasRegisteredComparators<T>())
        QMetaType::registerComparators<T>();
#endif
}

/*!
 * \brief The id of the meta type registered as \a typeName;
 * QMetaType::UnknownType while there is none.
 */
inline int qzMetaTypeId(const char* typeName)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QMetaType::fromName(typeName).id();
#else
    return QMetaType::type(typeName);
#endif
}

/*!
 * \brief Makes the QTextStream \a stream write and read UTF-8, whatever the
 * locale (Qt 6 does by default, Qt 5 is told the codec).
 */
template <typename TextStream>
inline void qzSetUtf8(TextStream& stream)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    stream.setEncoding(decltype(stream.encoding())::Utf8);
#else
    stream.setCodec("UTF-8");
#endif
}

/*!
 * \brief QString::number(\a value, \a format, \a precision), with the text
 * Qt 5 gives on either version.
 *
 * The shortest form ('g' or 'G' with QLocale::FloatingPointShortest) of a
 * single digit times 10^-4 or 10^5 is "0.0002" and "200000" on Qt 5 but
 * "2e-04" and "2e+05" on Qt 6; every other text is the same on both.
 */
inline QString qzNumberText(double value, char format, int precision)
{
    QString text = QString::number(value, format, precision);
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    if (precision == QLocale::FloatingPointShortest && (format == 'g' || format == 'G')) {
        const int start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
        const QStringView exponent = QStringView(text).mid(start + 1);
        if (text.size() == start + 5 && text.at(start) >= QLatin1Char('1') && text.at(start) <= QLatin1Char('9')
            && exponent.size() == 4 && exponent.at(0).toLower() == QLatin1Char('e')) {
            const QString digit = text.mid(start, 1);
            const QString sign = text.left(start);
            if (exponent.mid(1) == QLatin1String("-04"))
                text = sign + QLatin1String("0.000") + digit;
            else if (exponent.mid(1) == QLatin1String("+05"))
                text = sign + digit + QLatin1String("00000");
        }
    }
#endif
    return text;
}

#endif // QZUNITQTCOMPAT_H
