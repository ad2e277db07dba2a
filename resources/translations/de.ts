<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>The style %1 could not be written.&lt;br/&gt;&lt;br/&gt;Reason: %2</source>
        <translation>Der Style %1 konnte nicht geschrieben werden.&lt;br/&gt;&lt;br/&gt;Grund: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n styles could not be written, among them %1.&lt;br/&gt;&lt;br/&gt;Reason: %2</source>
        <translation>
            <numerusform>%n Style konnte nicht geschrieben werden: %1.&lt;br/&gt;&lt;br/&gt;Grund: %2</numerusform>
            <numerusform>%n Styles konnten nicht geschrieben werden, darunter %1.&lt;br/&gt;&lt;br/&gt;Grund: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t write style</source>
        <translation>Style kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Name Capture One Stylepack</source>
        <translation>Capture One Stylepack benennen</translation>
    </message>
    <message>
        <source>Capture One Stylepack(*.costylepack)</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write stylepack</source>
        <translation>Stylepack kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The stylepack %1 could not be created.&lt;br/&gt;&lt;br/&gt;libzip: %2</source>
        <translation>Das Stylepack %1 konnte nicht erstellt werden.&lt;br/&gt;&lt;br/&gt;libzip: %2</translation>
    </message>
    <message>
        <source>The style %1 could not be added to the stylepack %2.&lt;br/&gt;&lt;br/&gt;libzip: %3</source>
        <translation>Der Style %1 konnte dem Stylepack %2 nicht hinzugefügt werden.&lt;br/&gt;&lt;br/&gt;libzip: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n styles could not be added to the stylepack %2, among them %1.&lt;br/&gt;&lt;br/&gt;libzip: %3</source>
        <translation>
            <numerusform>%n Style konnte dem Stylepack %2 nicht hinzugefügt werden: %1.&lt;br/&gt;&lt;br/&gt;libzip: %3</numerusform>
            <numerusform>%n Styles konnten dem Stylepack %2 nicht hinzugefügt werden, darunter %1.&lt;br/&gt;&lt;br/&gt;libzip: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>The stylepack %1 was not written.&lt;br/&gt;&lt;br/&gt;libzip: %2</source>
        <translation>Das Stylepack %1 wurde nicht geschrieben.&lt;br/&gt;&lt;br/&gt;libzip: %2</translation>
    </message>
    <message>
        <source>Select the folder where the converted Lightroom presets will be saved.</source>
        <translation>Ausgabeordner für konvertierte Lightroom Presets wählen.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Load Lightroom preset(s) and convert to Capture One.</source>
        <translation>Lightroom Preset(s) laden und zu Capture One konvertieren.</translation>
    </message>
    <message>
        <source>Show settings dialog</source>
        <translation>Einstellungen anzeigen</translation>
    </message>
    <message>
        <source>Show information about this program</source>
        <translation>Informationen über die Anwendung anzeigen</translation>
    </message>
    <message>
        <source>Display the help page for this program</source>
        <translation>Die Hilfeseite für dieses Programm anzeigen</translation>
    </message>
    <message>
        <source>Select output folder</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Lightroom Template</source>
        <translation>Lightroom Preset laden</translation>
    </message>
    <message>
        <source>Lightroom Templates(*.lrtemplate *.xmp)</source>
        <translation>Lightroom Presets(*.lrtemplate *.xmp)</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Convert All</source>
        <translation>Alle konvertieren</translation>
    </message>
    <message>
        <source>Skip All</source>
        <translation>Alle überspringen</translation>
    </message>
    <message>
        <source>White balance modified by preset</source>
        <translation>Weißabgleich durch Preset verändert</translation>
    </message>
    <message>
        <source>Your preset %1 contains values for the white balance.&lt;br/&gt;&lt;br/&gt;Equal white balance values can lead to different results in Capture One.&lt;br/&gt;Thus Kestova translates the values instead of adapting them visually.&lt;br/&gt;Anyway we recommend to keep the white balance settings for neutralizing the image instead of using them for creating a look.&lt;br/&gt;For this reason they should not be inside a preset.</source>
        <translation>Das Preset %1 enthält Werte für den Weißabgleich.&lt;br/&gt;&lt;br/&gt;Da in Capture One dieselben Weißabgleich-Einstellungen zu unterschiedlich starken Einfärbungen führen, werden die Werte beim Konvertieren nur übernommen und nicht optisch angeglichen.&lt;br/&gt;Ohnehin empfiehlt es sich, den Weißabgleich zum Neutralisieren des Bildes vorzubehalten und nicht zum Kreieren eines Looks zu verwenden. Deshalb sollte der Weißabgleich nicht in einem Preset gespeichert werden.</translation>
    </message>
    <message>
        <source>Unsupported parameters in preset</source>
        <translation>Nicht unterstützte Parameter im Preset enthalten</translation>
    </message>
    <message>
        <source>Your selected preset %1 contains the following parameters, which can&apos;t be mapped in Capture One:&lt;br/&gt;%2&lt;br/&gt;These parameters will be ignored.</source>
        <translation>Das zu konvertierende Preset &lt;b&gt;%1&lt;/b&gt; enthält folgende Parameter, welche in Capture One nicht dargestellt werden können:&lt;br/&gt;%2&lt;br/&gt;Beim Konvertieren werden die betroffenen Parameter ignoriert.</translation>
    </message>
    <message>
        <source>LUT</source>
        <translation>LUT</translation>
    </message>
    <message>
        <source>Camera calibration modified by preset</source>
        <translation>Kamerakalibrierung durch Preset verändert</translation>
    </message>
    <message>
        <source>The preset %1 contains values for the camera calibration.&lt;br/&gt;These settings may influence the resulting look significantly but will not be converted to Capture One.&lt;br/&gt;We recommend to reserve these parameters for the calibration of your camera and not for creating creative looks.</source>
        <translation>Das Preset %1 enthält Werte für die Kamerakalibrierung.&lt;br/&gt;Kalibrierungseinstellungen können den Look erheblich beeinflussen, werden jedoch nicht nach Capture One konvertiert.&lt;br/&gt;Wir empfehlen, die Kalibrierungseinstellungen für die Kamerakalibrierung vorzubehalten und nicht zum Erstellen von Looks zu verwenden.</translation>
    </message>
    <message>
        <source>Unsupported preset format</source>
        <translation>Nicht unterstütztes Presetformat</translation>
    </message>
    <message>
        <source>Your preset %1 is in a format Kestova can&apos;t convert.</source>
        <translation>Dein Preset %1 hat ein Format, welches von Kestova nicht konvertiert werden kann.</translation>
    </message>
    <message>
        <source>Your preset %1 can&apos;t be processed by Kestova.&lt;br/&gt;&lt;br/&gt;Please contact the Harlune support and send them a screenshot of this message and the preset file stated above to support@harlune.example&lt;br/&gt;&lt;br/&gt;Error: %2</source>
        <translation>Dein Preset %1 kann von Kestova nicht verarbeitet werden.&lt;br/&gt;&lt;br/&gt;Bitte kontaktiere den Harlune Support und schicke einen Screenshot dieser Meldung und die oben angegebene Presetdatei zur Fehleranalyse an support@harlune.example&lt;br/&gt;&lt;br/&gt;Fehler: %2</translation>
    </message>
    <message>
        <source>Can&apos;t read preset</source>
        <translation>Preset kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Your preset %1 can&apos;t be opened.&lt;br/&gt;&lt;br/&gt;Error: %2</source>
        <translation>Dein Preset %1 kann nicht geöffnet werden.&lt;br/&gt;&lt;br/&gt;Fehler: %2</translation>
    </message>
    <message>
        <source>Style already exists</source>
        <translation>Style existiert bereits</translation>
    </message>
    <message>
        <source>The style file %1 already exists.&lt;br/&gt;&lt;br/&gt;Do you want to replace it?</source>
        <translation>Die Styledatei %1 existiert bereits.&lt;br/&gt;&lt;br/&gt;Möchtest du sie ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>XML error in line %1, column %2: %3</source>
        <translation>XML-Fehler in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file holds no Lightroom settings.</source>
        <translation>Die Datei enthält keine Lightroom Einstellungen.</translation>
    </message>
    <message>
        <source>This software uses the libzip library to write stylepacks, under the BSD license below.
Source code and details: https://libzip.org</source>
        <translation>Diese Software schreibt Stylepacks mit der Bibliothek libzip, unter der unten stehenden BSD-Lizenz.
Quellcode und Einzelheiten: https://libzip.org</translation>
    </message>
    <message>
        <source>libzip uses the zlib compression library, under the zlib license below.
Source code and details: https://zlib.net</source>
        <translation>libzip verwendet die Kompressionsbibliothek zlib, unter der unten stehenden zlib-Lizenz.
Quellcode und Einzelheiten: https://zlib.net</translation>
    </message>
    <message>
        <source>This software embeds the fonts FreeSans and FreeSans Bold of GNU FreeFont,
under the GNU General Public License, version 3 or later, with the font exception below.
Source code: https://savannah.gnu.org/projects/freefont/</source>
        <translation>Diese Software enthält die Schriften FreeSans und FreeSans Bold von GNU FreeFont,
unter der GNU General Public License, Version 3 oder später, mit der unten stehenden Schriften-Ausnahme.
Quellcode: https://savannah.gnu.org/projects/freefont/</translation>
    </message>
    <message>
        <source>Can&apos;t create output folder</source>
        <translation>Ausgabeordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>The output folder %1 could not be created, so no style was converted.&lt;br/&gt;&lt;br/&gt;Reason: %2</source>
        <translation>Der Ausgabeordner %1 konnte nicht angelegt werden, deshalb wurde kein Style konvertiert.&lt;br/&gt;&lt;br/&gt;Grund: %2</translation>
    </message>
    <message>
        <source>No style was written for this preset:</source>
        <translation>Für dieses Preset wurde kein Style geschrieben:</translation>
    </message>
    <message numerus="yes">
        <source>No style was written for these %n presets:</source>
        <translation>
            <numerusform>Für %n Preset wurde kein Style geschrieben:</numerusform>
            <numerusform>Für diese %n Presets wurde kein Style geschrieben:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nichts zu konvertieren</translation>
    </message>
    <message>
        <source>it holds a look, and looks and profiles are not converted</source>
        <translation>es enthält einen Look, und Looks und Profile werden nicht konvertiert</translation>
    </message>
    <message>
        <source>it holds no setting that a Capture One style can carry</source>
        <translation>es enthält keine Einstellung, die ein Capture One Style übernehmen kann</translation>
    </message>
    <message>
        <source>Stylepack already exists</source>
        <translation>Stylepack existiert bereits</translation>
    </message>
    <message>
        <source>The stylepack %1 already exists.&lt;br/&gt;&lt;br/&gt;Do you want to replace it?</source>
        <translation>Das Stylepack %1 existiert bereits.&lt;br/&gt;&lt;br/&gt;Möchtest du es ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The stylepack %1 was not written.&lt;br/&gt;&lt;br/&gt;Reason: %2</source>
        <translation>Das Stylepack %1 wurde nicht geschrieben.&lt;br/&gt;&lt;br/&gt;Grund: %2</translation>
    </message>
</context>
<context>
    <name>dialog_settings</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Separate Styles</source>
        <translation>Separate Styles</translation>
    </message>
    <message>
        <source>Stylepack</source>
        <translation>Stylepack</translation>
    </message>
    <message>
        <source>Stylepack with Category</source>
        <translation>Stylepack mit Kategorie</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>Farbraum</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
</TS>
