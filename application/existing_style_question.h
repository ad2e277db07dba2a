#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// Asks before a style file that is already in the output folder is
// replaced; "Replace All" and "Skip All" answer for the rest of the run.
class existing_style_question {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    explicit existing_style_question(QWidget* parent);

    // True when the style may be written to `path`: nothing is there yet,
    // or the user lets the file be replaced.
    bool may_write(QString const& path);

    // The same for the one style pack of a run, with Replace and Skip only.
    static bool may_replace_pack(QWidget* parent, QString const& path);

private:
    bool ask(QString const& path);

    enum class standing { ask, replace_all, skip_all };

    QWidget* parent;
    standing answer = standing::ask;
};
