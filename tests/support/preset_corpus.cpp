#include "preset_corpus.h"

#include <QDir>

namespace preset_corpus {

namespace {

QString const folder = QDir::cleanPath(QStringLiteral(KESTOVA_CORPUS));

}

QString path(QString const& relative)
{
    return folder + QLatin1Char('/') + relative;
}

bool holds(QString const& path)
{
    return QDir::cleanPath(path).startsWith(folder + QLatin1Char('/'));
}

bool present()
{
    return QDir(folder).exists();
}

std::string missing_message()
{
    return "needs the preset corpus in " + folder.toStdString() + ", which is missing";
}

}
