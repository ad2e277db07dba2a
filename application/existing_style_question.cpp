#include "existing_style_question.h"

#include "emphasis.h"

#include "varo/message_box.h"

#include <QFileInfo>
#include <QtDebug>

existing_style_question::existing_style_question(QWidget* parent) : parent(parent) {}

bool existing_style_question::may_write(QString const& path)
{
    QFileInfo const existing(path);
    // A link, also a dangling one, is replaced by the style like a file. A
    // folder in the way can't be replaced; writing reports it.
    if (!existing.isSymLink() && (!existing.exists() || existing.isDir()))
        return true;
    bool const replace = answer == standing::replace_all || (answer == standing::ask && ask(path));
    if (!replace)
        qInfo("Kept the existing '%s'", qUtf8Printable(path));
    return replace;
}

bool existing_style_question::ask(QString const& path)
{
    // Skip is the default, so Return never destroys a file; a closed box skips too.
    switch (varo::message_box::question(
        parent, tr("Style already exists"),
        tr("The style file %1 already exists.<br/><br/>Do you want to replace it?").arg(emphasis(path)), tr("Replace"),
        tr("Skip"), tr("Replace All"), tr("Skip All"), QMessageBox::No)) {
    case QMessageBox::Yes:
        return true;
    case QMessageBox::YesToAll:
        answer = standing::replace_all;
        return true;
    case QMessageBox::NoToAll:
        answer = standing::skip_all;
        return false;
    default:
        return false;
    }
}
