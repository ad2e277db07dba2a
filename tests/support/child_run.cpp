#include "child_run.h"

#include <QCoreApplication>
#include <QStringList>

child_result run_this_program(QProcessEnvironment const& environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    child_result result;
    result.finished = child.waitForFinished(60000);
    result.status = child.exitStatus();
    result.code = child.exitCode();
    result.errors = QString::fromUtf8(child.readAllStandardError());
    return result;
}
