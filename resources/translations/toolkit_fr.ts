<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Application language changed</source>
        <translation>La langue de l&apos;application a changé</translation>
    </message>
    <message>
        <source>The application language has been changed.
The application needs to be restarted to use the new language.</source>
        <translation>La langue de l&apos;application a été modifiée.
L&apos;application doit être redémarrée pour utiliser la nouvelle langue.</translation>
    </message>
    <message>
        <source>Continue working</source>
        <translation>Continuer de travailler</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Quitter maintenant</translation>
    </message>
    <message>
        <source>Fatal error</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 encountered a fatal error and must be terminated:
%2</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>varo::application_log</name>
    <message>
        <source>Application Log</source>
        <translation>Journal d&apos;application</translation>
    </message>
    <message>
        <source>Save to disk</source>
        <translation>Enregistrer sur le disque</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Effacer le journal</translation>
    </message>
    <message>
        <source>Network report</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application logs saved</source>
        <translation>Journaux d&apos;application enregistrés</translation>
    </message>
    <message>
        <source>The application logs were saved to
%1</source>
        <translation>Les journaux d&apos;application ont été enregistrés dans
%1</translation>
    </message>
    <message>
        <source>Failed to save application logs</source>
        <translation>Impossible d&apos;enregistrer les journaux d&apos;application</translation>
    </message>
    <message>
        <source>Can&apos;t save the application logs to
%1

Reason: %2</source>
        <translation>Impossible d&apos;enregistrer les journaux d&apos;application dans
%1

Raison : %2</translation>
    </message>
    <message>
        <source>Clear application logs</source>
        <translation>Effacer les journaux d&apos;application</translation>
    </message>
    <message>
        <source>Do you really want to clear the application logs?</source>
        <translation>Voulez-vous vraiment effacer les journaux d&apos;application ?</translation>
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
        <translation>À propos des bibliothèques tierces</translation>
    </message>
    <message>
        <source>%1 uses the following open source and/or 3rd party libraries:</source>
        <translation>%1 utilise les bibliothèques open source et/ou tierces suivantes :</translation>
    </message>
    <message>
        <source>This software dynamically links to Qt which is licensed under the LGPL license.
The source code of the Qt SDK can be found at https://download.qt.io/archive/qt/</source>
        <translation>Ce logiciel est lié dynamiquement à Qt qui est sous licence LGPL.
Le code source du SDK Qt se trouve à l&apos;adresse https://download.qt.io/archive/qt/</translation>
    </message>
</context>
<context>
    <name>varo::dialog_about</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Click here for 3rd party library information</source>
        <translation>Cliquez ici pour obtenir des informations sur la bibliothèque tierce</translation>
    </message>
</context>
</TS>
