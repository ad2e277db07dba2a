#pragma once

#include <QString>
#include <QVector>

// Failures of one run that share a reason, so the user is told once per
// reason instead of once per preset.
struct failure_group {
    QString reason;
    QString first_subject;
    int count = 0;
};

class write_failures {
public:
    void add(QString const& subject, QString const& reason);

    // In the order each reason first occurred.
    QVector<failure_group> const& groups() const;

private:
    QVector<failure_group> collected;
};
