#include "translators.h"

#include "application_resources.h"

#include "varo/translation_resources.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

void install_translator(QCoreApplication& app, QString const& file, QString const& folder = QString())
{
    auto* translator = new QTranslator(&app);
    // A missing catalogue leaves the texts in English.
    translator->load(file, folder);
    QCoreApplication::installTranslator(translator);
}

}

void install_translators(QCoreApplication& app, QString const& lang)
{
    init_application_resources();
    varo::init_translation_resources();
    install_translator(app, QStringLiteral("qt_") + lang, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    install_translator(app, QStringLiteral(":/translations/") + lang);
    install_translator(app, QStringLiteral(":/translations/toolkit_") + lang);
}
