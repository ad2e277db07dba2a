<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>Application language changed</source>
        <translation>El idioma de la aplicación ha sido cambiado</translation>
    </message>
    <message>
        <source>The application language has been changed.
The application needs to be restarted to use the new language.</source>
        <translation>El idioma de la aplicación ha sido cambiado. 
La aplicación necesita reiniciarse para hacer el cambio de idioma.</translation>
    </message>
    <message>
        <source>Continue working</source>
        <translation>Continuar trabajando</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>Salir ahora</translation>
    </message>
    <message>
        <source>Fatal error</source>
        <translation>Error fatal</translation>
    </message>
    <message>
        <source>%1 encountered a fatal error and must be terminated:
%2</source>
        <translation>%1 Encontró un error fatal y debe cerrarse
%2</translation>
    </message>
</context>
<context>
    <name>varo::application_log</name>
    <message>
        <source>Application Log</source>
        <translation>Registro de la aplicación</translation>
    </message>
    <message>
        <source>Save to disk</source>
        <translation>Guardar en el disco</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Borrar registro</translation>
    </message>
    <message>
        <source>Network report</source>
        <translatorcomment>Shown as the source text.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application logs saved</source>
        <translation>Se han guardado los registros de la aplicación</translation>
    </message>
    <message>
        <source>The application logs were saved to
%1</source>
        <translation>Los registros de la aplicación se han guardado en
%1</translation>
    </message>
    <message>
        <source>Failed to save application logs</source>
        <translation>No se han podido guardar los registros de la aplicación</translation>
    </message>
    <message>
        <source>Can&apos;t save the application logs to
%1

Reason: %2</source>
        <translation>No se pueden guardar los registros de la aplicación en
%1

Motivo: %2</translation>
    </message>
    <message>
        <source>Clear application logs</source>
        <translation>Borrar registros de la aplicación</translation>
    </message>
    <message>
        <source>Do you really want to clear the application logs?</source>
        <translation>¿Realmente quieres borrar los registros de la aplicación?</translation>
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
        <translation>Acerca de bibliotecas de terceros</translation>
    </message>
    <message>
        <source>%1 uses the following open source and/or 3rd party libraries:</source>
        <translation>%1 utiliza las siguientes bibliotecas de código abierto y/o de terceros:</translation>
    </message>
    <message>
        <source>This software dynamically links to Qt which is licensed under the LGPL license.
The source code of the Qt SDK can be found at https://download.qt.io/archive/qt/</source>
        <translation>Este software se vincula dinámicamente a QT que tiene la licencia LGPL.
El código fuente del SDK de Qt se encuentra en https://download.qt.io/archive/qt/</translation>
    </message>
</context>
<context>
    <name>varo::dialog_about</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Click here for 3rd party library information</source>
        <translation>Para información sobre bibliotecas de terceros haz click aquí</translation>
    </message>
</context>
</TS>
