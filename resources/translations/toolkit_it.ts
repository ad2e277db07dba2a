<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Application language changed</source>
        <translation>Lingua dell&apos;applicazione cañbiata</translation>
    </message>
    <message>
        <source>The application language has been changed.
The application needs to be restarted to use the new language.</source>
        <translation>La lingua dell&apos;applicazione è stata cambiata.
È necessario riavviare l&apos;applicazione per utilizzare la nuova lingua.</translation>
    </message>
    <message>
        <source>Continue working</source>
        <translation>Continua a lavorare</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Esci adesso</translation>
    </message>
    <message>
        <source>Fatal error</source>
        <translation>Errore fatale</translation>
    </message>
    <message>
        <source>%1 encountered a fatal error and must be terminated:
%2</source>
        <translation>%1 ha incontrato un errore fatale e deve essere terminato:
%2</translation>
    </message>
</context>
<context>
    <name>varo::application_log</name>
    <message>
        <source>Application Log</source>
        <translation>Registro della Applicazione</translation>
    </message>
    <message>
        <source>Save to disk</source>
        <translation>Salva nel disco</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Pulisci il registro</translation>
    </message>
    <message>
        <source>Network report</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application logs saved</source>
        <translation>Registri dell&apos;applicazione salvati</translation>
    </message>
    <message>
        <source>The application logs were saved to
%1</source>
        <translation>I registri dell&apos;applicazione sono stati salvati in
%1</translation>
    </message>
    <message>
        <source>Failed to save application logs</source>
        <translation>Salvataggio dei registri fallito</translation>
    </message>
    <message>
        <source>Can&apos;t save the application logs to
%1

Reason: %2</source>
        <translation>Impossibile salvare i registri dell&apos;applicazione in
%1

Motivo: %2</translation>
    </message>
    <message>
        <source>Clear application logs</source>
        <translation>Ripulire i registri dell&apos;applicazione</translation>
    </message>
    <message>
        <source>Do you really want to clear the application logs?</source>
        <translation>Sicuro di voler ripulire i registri dell&apos;applicazione?</translation>
    </message>
    <message>
        <source>... (1 more character not shown)</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>... (%n more characters not shown)</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>varo::dialog_3rd_part_lib_info</name>
    <message>
        <source>About 3rd party libraries</source>
        <translation>Riguardo le librerie di terze parti</translation>
    </message>
    <message>
        <source>%1 uses the following open source and/or 3rd party libraries:</source>
        <translation>%1 utilizza le seguenti open source e/o librerie di terze parti:</translation>
    </message>
    <message>
        <source>This software dynamically links to Qt which is licensed under the LGPL license.
The source code of the Qt SDK can be found at https://download.qt.io/archive/qt/</source>
        <translation>Questo software si colleca dinamicamente a Qt, che è concesso in licensa attraverso la licenza LGPL.
Il codice sorgente del Qt SDK si trova su https://download.qt.io/archive/qt/</translation>
    </message>
</context>
<context>
    <name>varo::dialog_about</name>
    <message>
        <source>About</source>
        <translation>Circa</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sito web:</translation>
    </message>
    <message>
        <source>Click here for 3rd party library information</source>
        <translation>Clicca qui ottenere informazioni sulla libreria di terze parti</translation>
    </message>
</context>
</TS>
