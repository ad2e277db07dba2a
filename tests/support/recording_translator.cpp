#include "recording_translator.h"

#include <QCoreApplication>

#include <utility>

recording_translator::recording_translator(QString context) : context(std::move(context))
{
    QCoreApplication::installTranslator(this);
}

recording_translator::~recording_translator()
{
    QCoreApplication::removeTranslator(this);
}

QString recording_translator::translate(const char* asked_context, const char* source, const char*, int) const
{
    requests << QString::fromUtf8(asked_context) + '|' + QString::fromUtf8(source);
    if (context != QLatin1String(asked_context))
        return QString();
    return '[' + QString::fromUtf8(source) + ']';
}

bool recording_translator::isEmpty() const
{
    return false;
}
