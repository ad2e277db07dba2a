#pragma once

#include <QList>
#include <QLocale>
#include <QString>

class QWidget;

namespace varo {

// The interface languages an application offers.
extern const QList<QLocale> supported_languages;

// The stored language suffix under `key`, or else the system language if it
// is supported, or else "en".
QString get_language_suffix(const QString& key);

// The suffix of the locale's language, or an empty text for one without.
QString get_lang_value_for_locale(const QLocale& locale);

// Asks for a restart when the stored language differs from `previous`;
// true when the user chose to quit and the application was told to.
bool ask_for_application_restart_if_language_changed(QWidget* parent, const QString& previous);

}
