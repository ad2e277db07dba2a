#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

// Installed for its lifetime; records "context|source" of every request and
// answers the texts of `context` with the text in brackets.
class recording_translator : public QTranslator {
public:
    explicit recording_translator(QString context) : context(std::move(context))
    {
        QCoreApplication::installTranslator(this);
    }
    ~recording_translator() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char* asked_context, const char* source, const char* = nullptr,
                      int = -1) const override
    {
        requests << QString::fromUtf8(asked_context) + '|' + QString::fromUtf8(source);
        if (context != QLatin1String(asked_context))
            return QString();
        return '[' + QString::fromUtf8(source) + ']';
    }
    bool isEmpty() const override { return false; }

    mutable QStringList requests;

private:
    QString context;
};
