#include "existing_style_question.h"

#include "emphasis.h"

#include "varo/message_box.h"

#include <QFileInfo>
#include <QPushButton>
#include <QtDebug>

existing_style_question::existing_style_question(QWidget* parent) : parent(parent) {}

namespace {

// A link, also a dangling one, is replaced like a file. A folder in the way
// can't be replaced; writing reports it.
bool is_in_the_way(QString const& path)
{
    QFileInfo const existing(path);
    return existing.isSymLink() || (existing.exists() && !existing.isDir());
}

bool kept_unless(bool replace, QString const& path)
{
    if (!replace)
        qInfo("Kept the existing '%s'", qUtf8Printable(path));
    return replace;
}

}

bool existing_style_question::may_replace_pack(QWidget* parent, QString const& path)
{
    if (!is_in_the_way(path))
        return true;
    // Skip is the default and the answer of Escape and a closed box.
    return kept_unless(
        varo::message_box::question(
            parent, tr("Stylepack already exists"),
            tr("The stylepack %1 already exists.<br/><br/>Do you want to replace it?").arg(emphasis(path)),
            tr("Replace"), tr("Skip"), QMessageBox::No)
            == QMessageBox::Yes,
        path);
}

bool existing_style_question::may_write(QString const& path)
{
    if (!is_in_the_way(path))
        return true;
    bool const replace = answer == standing::replace_all || (answer == standing::ask && ask(path));
    return kept_unless(replace, path);
}

bool existing_style_question::ask(QString const& path)
{
    varo::message_box box(
        QMessageBox::Question, tr("Style already exists"),
        tr("The style file %1 already exists.<br/><br/>Do you want to replace it?").arg(emphasis(path)),
        QMessageBox::NoButton, parent);
    // Skip is the default, so Return never destroys a file. With two buttons
    // of the same role the box finds no answer for Escape and a closed box
    // by itself: they skip too.
    box.prepare_buttons(QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll | QMessageBox::NoToAll,
                        QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(tr("Replace"));
    box.button(QMessageBox::No)->setText(tr("Skip"));
    box.button(QMessageBox::YesToAll)->setText(tr("Replace All"));
    box.button(QMessageBox::NoToAll)->setText(tr("Skip All"));
    box.setEscapeButton(box.button(QMessageBox::No));
    switch (box.exec_logged()) {
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
