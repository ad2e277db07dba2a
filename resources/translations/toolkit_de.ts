<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Application language changed</source>
        <translation>Anwendungssprache geändert</translation>
    </message>
    <message>
        <source>The application language has been changed.
The application needs to be restarted to use the new language.</source>
        <translation>Die Sprache der Benutzeroberfläche wurde geändert.
Die Anwendung muss neu gestartet werden, um die neue Sprache zu verwenden.</translation>
    </message>
    <message>
        <source>Continue working</source>
        <translation>Weiterarbeiten</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Anwendung jetzt beenden</translation>
    </message>
    <message>
        <source>Fatal error</source>
        <translation>Nicht behebbarer Fehler</translation>
    </message>
    <message>
        <source>%1 encountered a fatal error and must be terminated:
%2</source>
        <translation>Es ist ein nicht behebbarer Fehler in %1 aufgetreten. Die Anwendung wird jetzt beendet.
%2</translation>
    </message>
</context>
<context>
    <name>varo::application_log</name>
    <message>
        <source>Application Log</source>
        <translation>Anwendungsprotokoll</translation>
    </message>
    <message>
        <source>Save to disk</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Network report</source>
        <translation>Netzwerkbericht</translation>
    </message>
    <message>
        <source>Application logs saved</source>
        <translation>Anwendungsprotokolle gespeichert</translation>
    </message>
    <message>
        <source>The application logs were saved to
%1</source>
        <translation>Die Anwendungsprotokolle wurden gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Failed to save application logs</source>
        <translation>Anwendungsprotokolle konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Can&apos;t save the application logs to
%1

Reason: %2</source>
        <translation>Die Anwendungsprotokolle konnten nicht nach
%1
geschrieben werden.

Grund: %2</translation>
    </message>
    <message>
        <source>Clear application logs</source>
        <translation>Anwendungsprotokolle leeren</translation>
    </message>
    <message>
        <source>Do you really want to clear the application logs?</source>
        <translation>Möchtest du die Anwendungsprotokolle wirklich leeren?</translation>
    </message>
    <message>
        <source>... (1 more character not shown)</source>
        <translation>... (1 weiteres Zeichen nicht angezeigt)</translation>
    </message>
    <message numerus="yes">
        <source>... (%n more characters not shown)</source>
        <translation>
            <numerusform>... (%n weiteres Zeichen nicht angezeigt)</numerusform>
            <numerusform>... (%n weitere Zeichen nicht angezeigt)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varo::dialog_3rd_part_lib_info</name>
    <message>
        <source>About 3rd party libraries</source>
        <translation>Über Open Source/Drittanbieter Programmbibliotheken</translation>
    </message>
    <message>
        <source>%1 uses the following open source and/or 3rd party libraries:</source>
        <translation>Die folgenden Open Source Bibliotheken und/oder Bibliotheken von Drittanbietern werden in %1 verwendet:</translation>
    </message>
    <message>
        <source>This software dynamically links to Qt which is licensed under the LGPL license.
The source code of the Qt SDK can be found at https://download.qt.io/archive/qt/</source>
        <translation>Diese Software ist dynamisch gegen Qt gelinkt. Qt ist unter der LGPL lizenziert.
Der Quellcode des Qt SDK ist zu finden unter https://download.qt.io/archive/qt/</translation>
    </message>
</context>
<context>
    <name>varo::dialog_about</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version:</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Webseite:</translation>
    </message>
    <message>
        <source>Click here for 3rd party library information</source>
        <translation>Klicke hier, um Informationen über Bibliotheken von Drittanbietern zu erhalten</translation>
    </message>
</context>
</TS>
