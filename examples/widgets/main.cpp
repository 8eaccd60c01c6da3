// The widgets of qzUnit in a window: fields, a table and the view units.
//
//   qzunit-widgets [--language de] [--screenshot FILE]
//
// With --screenshot the window is rendered offscreen into FILE (PNG), and
// the program exits.

#include "ExampleWindow.h"

#include <qzUnitSystem.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>

#include <cstring>

int main(int argc, char** argv)
{
    // Rendering needs no display: choose the offscreen platform before the
    // application object opens one.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Render the window into <file> and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("Show the texts in <language> (de, fr, ...)."),
                                      QStringLiteral("language"));
    parser.addOption(screenshot);
    parser.addOption(language);
    parser.process(app);

    qzUnitSystem::globalUnitSystem();
    // The user's preference, as a host would read it from its settings.
    qzUnitSystem::setViewUnits(qzUnitSystem::getUnitIndices(qzUnitSystem::NorvaneDefault));

    ExampleWindow window;
    if (parser.isSet(language))
        window.setLanguage(parser.value(language));
    window.resize(1240, 700);
    window.show();
    if (!parser.isSet(screenshot))
        return app.exec();

    // A language change posts events that lay the window out anew, which
    // post their own: let them all settle before drawing.
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
    if (!window.grab().save(parser.value(screenshot), "PNG")) {
        qCritical("Cannot write %s", qPrintable(parser.value(screenshot)));
        return 1;
    }
    return 0;
}
