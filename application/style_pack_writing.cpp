#include "style_pack_writing.h"

#include "style_file_writing.h"

#include <QFileInfo>
#include <QtDebug>

#include <zip.h>

namespace {

QString open_error_text(zip_error_t* error)
{
    QString const text = QString::fromUtf8(zip_error_strerror(error));
    qWarning("libzip zip_open error %d: %s", zip_error_code_zip(error), qUtf8Printable(text));
    return text;
}

// The archive is made in memory, so that it is written as a style file is:
// whole or not at all, and open to those who could open the pack it replaces.
zip_t* open_in_memory(zip_source_t*& buffer, QString& error_text)
{
    zip_error_t error;
    zip_error_init(&error);
    buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = buffer ? zip_open_from_source(buffer, ZIP_CREATE | ZIP_TRUNCATE, &error) : nullptr;
    if (archive)
        // Closing the archive would free the source and the bytes with it.
        zip_source_keep(buffer);
    else
        error_text = open_error_text(&error);
    zip_error_fini(&error);
    return archive;
}

// Empty where the archive holds no entry: libzip then leaves no archive.
QByteArray archive_bytes(zip_source_t* buffer)
{
    QByteArray bytes;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_open(buffer) < 0)
        return bytes;
    if (zip_source_stat(buffer, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
        bytes.resize(int(stat.size));
        if (zip_source_read(buffer, bytes.data(), stat.size) != zip_int64_t(stat.size))
            bytes.clear();
    }
    zip_source_close(buffer);
    return bytes;
}

QString write_pack_file(QString const& pack_path, QByteArray const& bytes)
{
    // The old pack is kept rather than replaced by nothing.
    if (bytes.isEmpty())
        return QStringLiteral("No style could be added");
    varo::whole_file_result const result = varo::write_whole_file(pack_path, bytes);
    if (!result.done())
        log_write_failure(pack_path, result, bytes.size());
    return result.reason;
}

void add_entry(zip_t* archive, int index, style_pack_entry const& entry, write_failures& failures)
{
    QByteArray const name = entry.name.toUtf8();
    qDebug("Key %i: '%s' -> '%s'", index, entry.key.toUtf8().constData(), name.constData());
    zip_source_t* source =
        zip_source_buffer_create(entry.data.constData(), zip_uint64_t(entry.data.size()), 0, nullptr);
    if (zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        QString const reason = QString::fromUtf8(zip_strerror(archive));
        qWarning("libzip zip_file_add error: %s", qUtf8Printable(reason));
        zip_source_free(source);
        failures.add(entry.name, reason);
    }
}

QString close_archive(zip_t* archive)
{
    int const result = zip_close(archive);
    if (result == 0)
        return QString();
    QString const text = QString::fromUtf8(zip_strerror(archive));
    qWarning("libzip zip_close error %d: %s", result, qUtf8Printable(text));
    // A failed close leaves the archive open; only discarding frees it.
    zip_discard(archive);
    return text;
}

}

QVector<style_pack_entry> style_pack_entries(QMap<QString, QString> const& styles, QString const& prefix)
{
    QVector<style_pack_entry> entries;
    for (auto style = styles.constBegin(); style != styles.constEnd(); ++style)
        entries.append(style_pack_entry{style.key(), prefix + style.key(), style.value().toUtf8()});
    return entries;
}

QString style_pack_name_part(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    bool const drive_letter = name.size() >= 2 && name[1] == QLatin1Char(':')
                              && ((name[0] >= QLatin1Char('A') && name[0] <= QLatin1Char('Z'))
                                  || (name[0] >= QLatin1Char('a') && name[0] <= QLatin1Char('z')));
    if (drive_letter)
        name[1] = QLatin1Char('_');
    return name;
}

QString style_pack_prefix(QString const& format, QString const& pack_path)
{
    if (format != QLatin1String("stylepack_category"))
        return QString();
    QString const category = style_pack_name_part(QFileInfo(pack_path).completeBaseName());
    // As a folder, these would make the entries absolute (".costylepack") or
    // lead out of the archive ("...costylepack"), where unpacking tools put them.
    if (category.isEmpty() || category == QLatin1String(".") || category == QLatin1String(".."))
        return QString();
    return category + QLatin1Char('/');
}

style_pack_result write_style_pack(QString const& pack_path, QVector<style_pack_entry> const& entries)
{
    style_pack_result result;
    zip_source_t* buffer = nullptr;
    zip_t* archive = open_in_memory(buffer, result.open_error);
    if (!archive) {
        zip_source_free(buffer);
        return result;
    }
    for (int index = 0; index < entries.size(); ++index)
        add_entry(archive, index, entries[index], result.add_failures);
    result.close_error = close_archive(archive);
    if (result.close_error.isEmpty())
        result.write_error = write_pack_file(pack_path, archive_bytes(buffer));
    zip_source_free(buffer);
    return result;
}
