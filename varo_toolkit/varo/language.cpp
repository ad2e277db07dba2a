#include "varo/language.h"

#include "varo/message_box.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMap>
#include <QSettings>

namespace varo {

const QList<QLocale> supported_languages = {QLocale(QLocale::German), QLocale(QLocale::English)};

namespace {

const QMap<int, QString>& language_map()
{
    static const QMap<int, QString> map = {
        {QLocale::English, QStringLiteral("en")},
        {QLocale::French, QStringLiteral("fr")},
        {QLocale::German, QStringLiteral("de")},
        {QLocale::Korean, QStringLiteral("kr")},
    };
    return map;
}

}

QString get_language_suffix(const QString& key)
{
    const QString stored = QSettings().value(key).toString();
    if (!stored.isEmpty())
        return stored;
    const QLocale::Language system = QLocale::system().language();
    if (language_map().contains(system) && supported_languages.contains(QLocale(system)))
        return language_map().value(system);
    return language_map().value(QLocale::English);
}

QString get_lang_value_for_locale(const QLocale& locale)
{
    return language_map().value(locale.language());
}

bool ask_for_application_restart_if_language_changed(QWidget* parent, const QString& previous)
{
    if (get_language_suffix(QStringLiteral("lang")) == previous)
        return false;
    message_box box(QMessageBox::Question, QObject::tr("Application language changed"),
                    QObject::tr("The application language has been changed.\nThe application needs "
                                "to be restarted to use the new language."),
                    QMessageBox::NoButton, parent);
    box.prepare_buttons(QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(QObject::tr("Continue working"));
    box.button(QMessageBox::No)->setText(QObject::tr("Quit now"));
    // Escape and the close button would otherwise mean the only No button:
    // only a click on "Quit now" quits.
    box.setEscapeButton(box.button(QMessageBox::Yes));
    if (box.exec_logged() != QMessageBox::No)
        return false;
    QCoreApplication::quit();
    return true;
}

}
