// Starts the application objects in a language taken from the settings store,
// with the translators installed as at start-up, and reads the texts the
// user would see.
#include "application_test_main.h"
#include "main_window.h"
#include "preset_files.h"
#include "translators.h"
#include "window_buttons.h"

#include "modal_script.h"
#include "qstring_printer.h"
#include "settings_sandbox.h"

#include "varo/application.h"
#include "varo/application_log.h"
#include "varo/button_dark.h"
#include "varo/dialog_about.h"
#include "varo/language.h"
#include "varo/message_handler.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QResource>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <vector>

namespace {

class translations_test : public ::testing::Test {
protected:
    void TearDown() override { remove_translators(); }

    // Stores `lang` and installs the translators for the language the
    // application then reads from the store.
    void start(QString const& lang)
    {
        remove_translators();
        sandbox.set(QStringLiteral("lang"), lang);
        install_translators(*QCoreApplication::instance(), varo::get_language_suffix(QStringLiteral("lang")));
    }

    static void remove_translators()
    {
        // A translator removes itself from the application when deleted.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
    }

    settings_sandbox sandbox;
};

using translations_death_test = translations_test;

struct log_window_texts {
    QString title;
    QStringList buttons;
};

// The texts of a log window built in the current language.
log_window_texts new_log_window_texts()
{
    QWidgetList const before = QApplication::topLevelWidgets();
    varo::application_log const log;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (before.contains(widget))
            continue;
        QStringList buttons;
        for (auto* button : widget->findChildren<QPushButton*>())
            buttons.append(button->text());
        return {widget->windowTitle(), buttons};
    }
    return {};
}

TEST_F(translations_test, the_log_window_speaks_the_language_of_the_settings)
{
    struct {
        char const* lang;
        char const* title;
        QStringList buttons;
    } const cases[] = {
        {"de", "Anwendungsprotokoll", {"Speichern", "Leeren", "Netzwerkbericht"}},
        {"fr", "Journal d'application", {"Enregistrer sur le disque", "Effacer le journal", "Network report"}},
        {"es", "Registro de la aplicación", {"Guardar en el disco", "Borrar registro", "Network report"}},
        {"it", "Registro della Applicazione", {"Salva nel disco", "Pulisci il registro", "Network report"}},
        {"en", "Application Log", {"Save to disk", "Clear log", "Network report"}},
    };
    for (auto const& row : cases) {
        SCOPED_TRACE(row.lang);
        start(QString::fromLatin1(row.lang));
        log_window_texts const texts = new_log_window_texts();
        EXPECT_EQ(texts.title, QString::fromUtf8(row.title));
        EXPECT_EQ(texts.buttons, row.buttons);
    }
}

void fatal_with_box_report()
{
    varo::install_qt_message_handler(true, false);
    qSetMessagePattern(QStringLiteral("%{message}"));
    modal_script script;
    script.answer_as<QMessageBox>([](QMessageBox& box) {
        std::fprintf(stderr, "box: %s | %s\n", qUtf8Printable(box.windowTitle()), qUtf8Printable(box.text()));
        box.button(QMessageBox::Ok)->click();
    });
    script.run([] { qFatal("boom"); });
}

TEST_F(translations_death_test, the_fatal_box_stays_english_in_french)
{
    start(QStringLiteral("fr"));
    EXPECT_DEATH(fatal_with_box_report(),
                 "box: Fatal error \\| Kestova encountered a fatal error and must be terminated:\nboom\n");
}

TEST_F(translations_death_test, the_fatal_box_is_german_in_german)
{
    start(QStringLiteral("de"));
    EXPECT_DEATH(fatal_with_box_report(), "box: Nicht behebbarer Fehler \\| Es ist ein nicht behebbarer Fehler in "
                                          "Kestova aufgetreten\\. Die Anwendung wird jetzt beendet\\.\nboom\n");
}

TEST_F(translations_test, the_about_dialog_labels_its_rows_in_the_language)
{
    struct {
        char const* lang;
        char const* title;
        char const* version;
        char const* link;
        char const* libraries;
    } const cases[] = {
        {"de", "Über",
         "Version:", "Webseite:", "Klicke hier, um Informationen über Bibliotheken von Drittanbietern zu erhalten"},
        {"fr", "À propos",
         "Version :", "Site web :", "Cliquez ici pour obtenir des informations sur la bibliothèque tierce"},
        {"en", "About", "Version:", "Website:", "Click here for 3rd party library information"},
    };
    for (auto const& row : cases) {
        SCOPED_TRACE(row.lang);
        start(QString::fromLatin1(row.lang));
        varo::dialog_about const dialog(nullptr, true,
                                        QStringLiteral("#logobg{ background-image:url(:/images/Head.png);}"), 97, 10);
        QStringList texts;
        for (auto* label : dialog.findChildren<QLabel*>())
            texts.append(label->text());
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(row.title));
        for (char const* text : {row.version, row.link, row.libraries})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text << " in " << texts.join('|').toStdString();
    }
}

class main_window_translations_test : public translations_test {
protected:
    void SetUp() override
    {
        sandbox.set(QStringLiteral("input_dir"), input.path());
        sandbox.set(QStringLiteral("output_dir"), output.path());
    }

    // Shows a main window and clicks its button with `tooltip`, with
    // `script` answering.
    void click(QString const& tooltip, modal_script& script)
    {
        MainWindow window(nullptr);
        window.show();
        click_answered(window, tooltip, script);
    }

    QTemporaryDir input;
    QTemporaryDir output;
};

QString const german_convert_tooltip = QStringLiteral("Lightroom Preset(s) laden und zu Capture One konvertieren.");

struct question_texts {
    QString title;
    QStringList buttons;
};

// Reads into `texts` the title and the four answer buttons of a question.
std::function<void(QMessageBox*)> read_question(question_texts& texts)
{
    return [&texts](QMessageBox* box) {
        texts.title = box->windowTitle();
        for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::YesToAll, QMessageBox::NoToAll})
            texts.buttons.append(box->button(button) ? box->button(button)->text() : QString());
    };
}

TEST_F(main_window_translations_test, the_main_window_is_german_in_german)
{
    start(QStringLiteral("de"));
    MainWindow window(nullptr);
    QStringList tooltips;
    for (auto* button : window.findChildren<varo::button_dark*>())
        tooltips.append(button->toolTip());
    tooltips.sort();
    EXPECT_EQ(tooltips,
              QStringList({QStringLiteral("Ausgabeordner für konvertierte Lightroom Presets wählen."),
                           QStringLiteral("Die Hilfeseite für dieses Programm anzeigen"),
                           QStringLiteral("Einstellungen anzeigen"),
                           QStringLiteral("Informationen über die Anwendung anzeigen"), german_convert_tooltip}));
    QStringList labels;
    for (auto* label : window.findChildren<QLabel*>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains(QStringLiteral("Ausgabeordner")));
}

TEST_F(main_window_translations_test, the_questions_ask_with_german_buttons)
{
    start(QStringLiteral("de"));
    ASSERT_TRUE(write_file(input.filePath(QStringLiteral("warm.xmp")),
                           xmp_preset(QStringLiteral("Warm"), QStringLiteral("crs:Temperature=\"5600\""))));
    question_texts question;
    modal_script script;
    script.choose_files({QStringLiteral("warm.xmp")}).press(QMessageBox::No, read_question(question));
    click(german_convert_tooltip, script);

    ASSERT_EQ(script.seen().size(), 2);
    EXPECT_EQ(script.seen()[0].title, QStringLiteral("Lightroom Preset laden"));
    EXPECT_EQ(script.seen()[0].filters, QStringList(QStringLiteral("Lightroom Presets(*.lrtemplate *.xmp)")));
    EXPECT_EQ(question.title, QStringLiteral("Weißabgleich durch Preset verändert"));
    EXPECT_EQ(question.buttons,
              QStringList({QStringLiteral("Konvertieren"), QStringLiteral("Überspringen"),
                           QStringLiteral("Alle konvertieren"), QStringLiteral("Alle überspringen")}));
}

TEST_F(main_window_translations_test, the_folder_dialog_caption_stays_english_in_german)
{
    start(QStringLiteral("de"));
    modal_script script;
    script.cancel();
    click(QStringLiteral("Ausgabeordner für konvertierte Lightroom Presets wählen."), script);
    ASSERT_EQ(script.seen().size(), 1);
    EXPECT_EQ(script.seen()[0].title, QStringLiteral("Select output folder"));
}

TEST_F(main_window_translations_test, the_pack_dialog_filter_stays_english_in_german)
{
    start(QStringLiteral("de"));
    sandbox.set(QStringLiteral("format"), QStringLiteral("stylepack"));
    ASSERT_TRUE(
        write_file(input.filePath(QStringLiteral("plain.xmp")), xmp_preset(QStringLiteral("Plain"), QString())));
    QString title;
    QStringList filters;
    modal_script script;
    script.choose_files({QStringLiteral("plain.xmp")}).then([&](QWidget* window) {
        title = window->windowTitle();
        if (auto* dialog = qobject_cast<QFileDialog*>(window))
            filters = dialog->nameFilters();
        QMetaObject::invokeMethod(
            window, [window] { static_cast<QDialog*>(window)->done(QDialog::Rejected); }, Qt::QueuedConnection);
    });
    click(german_convert_tooltip, script);
    EXPECT_EQ(title, QStringLiteral("Capture One Stylepack benennen"));
    EXPECT_EQ(filters, QStringList(QStringLiteral("Capture One Stylepack(*.costylepack)")));
}

TEST_F(main_window_translations_test, english_has_no_application_catalogue)
{
    start(QStringLiteral("en"));
    EXPECT_FALSE(QTranslator().load(QStringLiteral(":/translations/en")));
    EXPECT_FALSE(QTranslator().load(QStringLiteral(":/translations/toolkit_en")));
    MainWindow window(nullptr);
    QStringList tooltips;
    for (auto* button : window.findChildren<varo::button_dark*>())
        tooltips.append(button->toolTip());
    EXPECT_TRUE(tooltips.contains(QStringLiteral("Load Lightroom preset(s) and convert to Capture One.")));
}

// Entries whose cells give no translation show their source text; the
// spelling of the others is the catalogues' own.
TEST_F(translations_test, catalogue_entries_read_as_written)
{
    struct {
        char const* lang;
        char const* context;
        char const* source;
        char const* shown;
    } const cases[] = {
        {"fr", "QObject", "Fatal error", "Fatal error"},
        {"fr", "QObject", "%1 encountered a fatal error and must be terminated:\n%2",
         "%1 encountered a fatal error and must be terminated:\n%2"},
        {"fr", "QObject", "Quit now", "Quitter maintenant"},
        {"es", "QObject", "Fatal error", "Error fatal"},
        {"es", "QObject",
         "The application language has been changed.\nThe application needs to be restarted to use the new language.",
         "El idioma de la aplicación ha sido cambiado. \nLa aplicación necesita reiniciarse para hacer el cambio de "
         "idioma."},
        {"it", "QObject", "Application language changed", "Lingua dell'applicazione cañbiata"},
        {"de", "QObject", "Quit now", "Anwendung jetzt beenden"},
        {"de", "varo::application_log", "Application logs saved", "Anwendungsprotokolle gespeichert"},
        {"es", "varo::application_log", "Network report", "Network report"},
        {"it", "varo::application_log", "Can't save the application logs to\n%1\n\nReason: %2",
         "Impossibile salvare i registri dell'applicazione in\n%1\n\nMotivo: %2"},
        {"de", "varo::dialog_about", "Version:", "Version:"},
        {"es", "varo::dialog_about", "Version:", "Versión:"},
        {"it", "varo::dialog_about", "Website:", "Sito web:"},
        {"de", "varo::dialog_about", "Website:", "Webseite:"},
        {"de", "varo::dialog_3rd_part_lib_info", "%1 uses the following open source and/or 3rd party libraries:",
         "Die folgenden Open Source Bibliotheken und/oder Bibliotheken von Drittanbietern werden in %1 verwendet:"},
        {"de", "MainWindow", "Unsupported parameters in preset", "Nicht unterstützte Parameter im Preset enthalten"},
        {"de", "MainWindow", "LUT", "LUT"},
        {"de", "MainWindow", "Select output folder", "Select output folder"},
        {"de", "MainWindow", "Capture One Stylepack(*.costylepack)", "Capture One Stylepack(*.costylepack)"},
        {"de", "dialog_settings", "Stylepack with Category", "Stylepack mit Kategorie"},
        {"de", "dialog_settings", "Color Space", "Farbraum"},
        {"fr", "MainWindow", "Convert", "Convert"},
        {"en", "varo::application_log", "Clear log", "Clear log"},
    };
    for (auto const& row : cases) {
        SCOPED_TRACE(std::string(row.lang) + " " + row.context + " " + row.source);
        start(QString::fromLatin1(row.lang));
        EXPECT_EQ(QCoreApplication::translate(row.context, row.source), QString::fromUtf8(row.shown));
    }
}

struct catalogue_entry {
    QString context;
    QString source;

    bool operator==(catalogue_entry const& other) const { return context == other.context && source == other.source; }
};

void PrintTo(catalogue_entry const& entry, std::ostream* out)
{
    *out << entry.context.toStdString() << ": " << entry.source.toStdString();
}

struct catalogue_message {
    catalogue_entry entry;
    QStringList translations; // one per plural form
    bool finished = true;     // neither marked unfinished nor with an empty text
};

// The messages of a translation source, in the order of the file.
std::vector<catalogue_message> read_catalogue(QString const& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader reader(&file);
    std::vector<catalogue_message> messages;
    QString context;
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (reader.name() == QLatin1String("message")) {
            messages.push_back({{context, QString()}, {}, true});
            numerus = reader.attributes().value(QStringLiteral("numerus")) == QLatin1String("yes");
        } else if (reader.name() == QLatin1String("source")) {
            messages.back().entry.source = reader.readElementText();
        } else if (reader.name() == QLatin1String("translation")) {
            if (reader.attributes().value(QStringLiteral("type")) == QLatin1String("unfinished"))
                messages.back().finished = false;
            if (!numerus)
                messages.back().translations.append(reader.readElementText());
        } else if (reader.name() == QLatin1String("numerusform")) {
            messages.back().translations.append(reader.readElementText());
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    for (auto& message : messages)
        message.finished = message.finished && !message.translations.contains(QString());
    return messages;
}

// The entries of a translation source whose translation, or one of whose
// plural forms, is unfinished or empty.
std::vector<catalogue_entry> untranslated_entries(QString const& path)
{
    std::vector<catalogue_entry> untranslated;
    for (auto const& message : read_catalogue(path))
        if (!message.finished)
            untranslated.push_back(message.entry);
    return untranslated;
}

// Every German text is translated except the few that stay English by design.
TEST(german_catalogues, every_entry_is_translated_but_the_english_ones)
{
    EXPECT_EQ(untranslated_entries(QStringLiteral(KESTOVA_TRANSLATIONS "/de.ts")),
              std::vector<catalogue_entry>(
                  {{QStringLiteral("MainWindow"), QStringLiteral("Capture One Stylepack(*.costylepack)")},
                   {QStringLiteral("MainWindow"), QStringLiteral("Select output folder")}}));
    EXPECT_EQ(untranslated_entries(QStringLiteral(KESTOVA_TRANSLATIONS "/toolkit_de.ts")),
              std::vector<catalogue_entry>({{QStringLiteral("varo::dialog_about"), QStringLiteral("Version:")}}));
}

QStringList matches(QRegularExpression const& pattern, QString const& text)
{
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();)
        found.append(match.next().captured());
    return found;
}

// A German text says what its source says: it keeps the placeholders and the
// addresses, and its markup is only line breaks and bold.
TEST(german_catalogues, translations_keep_placeholders_addresses_and_markup)
{
    QRegularExpression const kept(QStringLiteral("%[0-9n]|[\\w.-]+@[\\w.-]+\\w|https?://[^\\s<]+"));
    QRegularExpression const tag(QStringLiteral("<[^>]*>"));
    QStringList const known_tags({QStringLiteral("<br/>"), QStringLiteral("<b>"), QStringLiteral("</b>")});
    for (char const* catalogue : {"/de.ts", "/toolkit_de.ts"}) {
        for (auto const& message : read_catalogue(QStringLiteral(KESTOVA_TRANSLATIONS) + QLatin1String(catalogue))) {
            for (QString const& translation : message.finished ? message.translations : QStringList()) {
                SCOPED_TRACE(translation.toStdString());
                for (QString const& token : matches(kept, message.entry.source))
                    EXPECT_TRUE(translation.contains(token)) << token.toStdString();
                for (QString const& found : matches(tag, translation))
                    EXPECT_TRUE(known_tags.contains(found)) << found.toStdString();
            }
        }
    }
}

TEST_F(translations_test, german_plurals_have_both_forms)
{
    start(QStringLiteral("de"));
    char const* const source = "%n styles could not be written, among them %1.<br/><br/>Reason: %2";
    EXPECT_EQ(QCoreApplication::translate("MainWindow", source, nullptr, 1),
              QStringLiteral("1 Style konnte nicht geschrieben werden: %1.<br/><br/>Grund: %2"));
    EXPECT_EQ(QCoreApplication::translate("MainWindow", source, nullptr, 3),
              QStringLiteral("3 Styles konnten nicht geschrieben werden, darunter %1.<br/><br/>Grund: %2"));
}

TEST_F(main_window_translations_test, the_existing_file_question_is_german_in_german)
{
    start(QStringLiteral("de"));
    ASSERT_TRUE(write_file(input.filePath(QStringLiteral("warm.xmp")), xmp_preset(QStringLiteral("Warm"), QString())));
    ASSERT_TRUE(write_file(output.filePath(QStringLiteral("warm.costyle")), "old"));
    question_texts question;
    modal_script script;
    script.choose_files({QStringLiteral("warm.xmp")}).press(QMessageBox::No, read_question(question));
    click(german_convert_tooltip, script);

    ASSERT_EQ(script.seen().size(), 2);
    EXPECT_EQ(question.title, QStringLiteral("Style existiert bereits"));
    EXPECT_EQ(script.seen()[1].text,
              QStringLiteral("Die Styledatei <font color=\"white\"><b>%1</b></font> existiert bereits.<br/><br/>"
                             "Möchtest du sie ersetzen?")
                  .arg(output.filePath(QStringLiteral("warm.costyle"))));
    EXPECT_EQ(question.buttons, QStringList({QStringLiteral("Ersetzen"), QStringLiteral("Überspringen"),
                                             QStringLiteral("Alle ersetzen"), QStringLiteral("Alle überspringen")}));

    sandbox.set(QStringLiteral("format"), QStringLiteral("stylepack"));
    QString const pack = output.filePath(QStringLiteral("Looks.costylepack"));
    ASSERT_TRUE(write_file(pack, "old"));
    question_texts pack_question;
    modal_script packing;
    packing.choose_files({QStringLiteral("warm.xmp")})
        .save_as(output.filePath(QStringLiteral("Looks")))
        .press(QMessageBox::No, read_question(pack_question));
    click(german_convert_tooltip, packing);

    ASSERT_EQ(packing.seen().size(), 3);
    EXPECT_EQ(pack_question.title, QStringLiteral("Stylepack existiert bereits"));
    EXPECT_EQ(packing.seen()[2].text,
              QStringLiteral("Das Stylepack <font color=\"white\"><b>%1</b></font> existiert bereits.<br/><br/>"
                             "Möchtest du es ersetzen?")
                  .arg(pack));
    EXPECT_EQ(pack_question.buttons,
              QStringList({QStringLiteral("Ersetzen"), QStringLiteral("Überspringen"), QString(), QString()}));
}

TEST_F(main_window_translations_test, presets_that_convert_to_nothing_are_named_in_german)
{
    start(QStringLiteral("de"));
    QByteArray const lens = xmp_preset_with_only(QStringLiteral("Lens"), QStringLiteral("crs:LensProfileEnable=\"1\""));
    ASSERT_TRUE(write_file(input.filePath(QStringLiteral("lens.xmp")), lens));
    ASSERT_TRUE(write_file(input.filePath(QStringLiteral("lens2.xmp")), lens));
    modal_script script;
    script.choose_files({QStringLiteral("lens.xmp"), QStringLiteral("lens2.xmp")}).press(QMessageBox::Ok);
    click(german_convert_tooltip, script);

    ASSERT_EQ(script.seen().size(), 2);
    EXPECT_EQ(script.seen()[1].title, QStringLiteral("Nichts zu konvertieren"));
    QString const reason = QStringLiteral("es enthält keine Einstellung, die ein Capture One Style übernehmen kann");
    EXPECT_EQ(script.seen()[1].text,
              QStringLiteral("Für diese 2 Presets wurde kein Style geschrieben:<br/><br/><font color=\"white\"><b>"
                             "lens.xmp</b></font>: %1<br/><font color=\"white\"><b>lens2.xmp</b></font>: %1")
                  .arg(reason));

    QStringList many;
    for (int i = 0; i < 10; ++i) {
        many.append(QStringLiteral("lens %1.xmp").arg(i));
        ASSERT_TRUE(write_file(input.filePath(many.last()), lens));
    }
    modal_script listing;
    listing.choose_files(many).press(QMessageBox::Ok);
    click(german_convert_tooltip, listing);
    ASSERT_EQ(listing.seen().size(), 2);
    EXPECT_TRUE(
        listing.seen()[1].text.startsWith(QStringLiteral("Für diese 10 Presets wurde kein Style geschrieben:")));
    EXPECT_TRUE(listing.seen()[1].text.endsWith(QStringLiteral(": %1<br/>und 2 weitere").arg(reason)));
}

TEST_F(translations_test, the_library_dialogs_qt_entry_is_translated_everywhere)
{
    struct {
        char const* lang;
        char const* first_line;
    } const cases[] = {
        {"de", "Diese Software ist dynamisch gegen Qt gelinkt. Qt ist unter der LGPL lizenziert.\n"},
        {"es", "Este software se vincula dinámicamente a QT que tiene la licencia LGPL.\n"},
        {"fr", "Ce logiciel est lié dynamiquement à Qt qui est sous licence LGPL.\n"},
        {"it",
         "Questo software si colleca dinamicamente a Qt, che è concesso in licensa attraverso la licenza LGPL.\n"},
    };
    char const* const source = "This software dynamically links to Qt which is licensed under the LGPL license.\n"
                               "The source code of the Qt SDK can be found at https://download.qt.io/archive/qt/";
    for (auto const& row : cases) {
        SCOPED_TRACE(row.lang);
        start(QString::fromLatin1(row.lang));
        QString const shown = QCoreApplication::translate("varo::dialog_3rd_part_lib_info", source);
        EXPECT_TRUE(shown.startsWith(QString::fromUtf8(row.first_line))) << shown.toStdString();
        EXPECT_TRUE(shown.endsWith(QStringLiteral("https://download.qt.io/archive/qt/"))) << shown.toStdString();
    }
}

TEST_F(translations_test, qts_own_catalogue_is_installed_for_the_language)
{
    struct {
        char const* lang;
        char const* cancel;
    } const cases[] = {{"de", "Abbrechen"}, {"fr", "Annuler"}, {"en", "Cancel"}};
    for (auto const& row : cases) {
        SCOPED_TRACE(row.lang);
        start(QString::fromLatin1(row.lang));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8(row.cancel));
    }
}

TEST_F(translations_test, toolkit_catalogues_are_compressed_and_the_application_catalogue_is_not)
{
    start(QStringLiteral("en"));
    for (char const* name : {"toolkit_de", "toolkit_es", "toolkit_fr", "toolkit_it"}) {
        QResource const catalogue(QStringLiteral(":/translations/") + QLatin1String(name) + QStringLiteral(".qm"));
        EXPECT_TRUE(catalogue.isValid()) << name;
        EXPECT_EQ(catalogue.compressionAlgorithm(), QResource::ZlibCompression) << name;
    }
    QResource const application(QStringLiteral(":/translations/de.qm"));
    EXPECT_TRUE(application.isValid());
    EXPECT_EQ(application.compressionAlgorithm(), QResource::NoCompression);
}

}

int main(int argc, char** argv)
{
    return run_application_tests<varo::application<MainWindow>>(argc, argv);
}
