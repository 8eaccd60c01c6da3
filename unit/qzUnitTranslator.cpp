#include "qzUnitTranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#include <memory>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The directory of the library file itself, not of the executable: hosts
// live anywhere, the catalogue lives with the library.
QString libraryDirectory()
{
#if defined(Q_OS_WIN)
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&libraryDirectory), &module))
        return QString();
    wchar_t path[MAX_PATH];
    const DWORD size = GetModuleFileNameW(module, path, MAX_PATH);
    return size ? QFileInfo(QString::fromWCharArray(path, int(size))).absolutePath() : QString();
#else
    Dl_info info;
    if (!dladdr(reinterpret_cast<void*>(&libraryDirectory), &info) || !info.dli_fname)
        return QString();
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
#endif
}

} // namespace

QStringList qzUnitTranslator::directories()
{
    const QString library = libraryDirectory();
    if (library.isEmpty())
        return {};
    return {QDir::cleanPath(library + QLatin1Char('/') + QStringLiteral(QZUNIT_TRANSLATIONS_FROM_LIBRARY)),
            QDir::cleanPath(library + QLatin1Char('/') + QStringLiteral(QZUNIT_BUILD_TRANSLATIONS_FROM_LIBRARY))};
}

bool qzUnitTranslator::install(const QLocale& locale)
{
    if (locale.language() == QLocale::English) {
        remove();
        return true;
    }
    // The C locale would match a catalogue by its file name's bare prefix.
    if (locale.language() == QLocale::C)
        return false;
    auto translator = std::make_unique<QTranslator>();
    for (const QString& directory : directories()) {
        if (translator->load(locale, QStringLiteral("qzUnit"), QStringLiteral("_"), directory)) {
            // Without an application object Qt installs nothing.
            if (!QCoreApplication::instance())
                return false;
            remove();
            QCoreApplication::installTranslator(translator.get());
            installed() = std::move(translator);
            return true;
        }
    }
    return false;
}

void qzUnitTranslator::remove()
{
    if (installed()) {
        QCoreApplication::removeTranslator(installed().get());
        installed().reset();
    }
}
