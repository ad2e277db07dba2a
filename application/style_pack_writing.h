#pragma once

#include "write_failures.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVector>

// One style of a pack: its style name, its name inside the archive and its
// text in UTF-8. libzip reads the bytes only while closing the archive.
struct style_pack_entry {
    QString key;
    QString name;
    QByteArray data;
};

// What went wrong while writing a pack; empty texts mean no failure.
struct style_pack_result {
    QString open_error;
    write_failures add_failures;
    QString close_error;
    // Why the finished archive could not be written to the pack's file.
    QString write_error;

    bool written() const { return open_error.isEmpty() && close_error.isEmpty() && write_error.isEmpty(); }
};

// The entries of a pack in the styles' key order, each name behind `prefix`.
QVector<style_pack_entry> style_pack_entries(QMap<QString, QString> const& styles, QString const& prefix);

// `name` fit to be one part of an entry name. The zip format allows neither
// backslashes nor drive letters, which unpacking tools on Windows take for
// folders and drives; each becomes an underscore.
QString style_pack_name_part(QString name);

// The folder prefix of the entries: only the format with category has one,
// and only when the pack's name leaves a name for the folder.
QString style_pack_prefix(QString const& format, QString const& pack_path);

// Writes all entries into a new zip archive at `pack_path`, replacing an old
// one as a style file is replaced.
style_pack_result write_style_pack(QString const& pack_path, QVector<style_pack_entry> const& entries);
