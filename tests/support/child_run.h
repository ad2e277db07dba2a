#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// How a run of this test program as a child process ended.
struct child_result {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString errors;
};

// Runs this test program again in `environment`, which tells its main what
// to do, and waits up to a minute for it to end.
child_result run_this_program(QProcessEnvironment const& environment);
