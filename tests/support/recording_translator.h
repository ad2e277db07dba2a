#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// Installed for its lifetime; records "context|source" of every request and
// answers the texts of `context` with the text in brackets.
class recording_translator : public QTranslator {
public:
    explicit recording_translator(QString context);
    ~recording_translator() override;

    QString translate(const char* asked_context, const char* source, const char* = nullptr, int = -1) const override;
    bool isEmpty() const override;

    mutable QStringList requests;

private:
    QString context;
};
