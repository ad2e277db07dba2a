#include "style_pack_writing.h"

#include <QFileInfo>
#include <QtDebug>

#include <zip.h>

namespace {

QString open_error_text(int error)
{
    zip_error_t zip_error;
    zip_error_init_with_code(&zip_error, error);
    QString const text = QString::fromUtf8(zip_error_strerror(&zip_error));
    qWarning("libzip zip_open error %d: %s", error, qUtf8Printable(text));
    zip_error_fini(&zip_error);
    return text;
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

QString style_pack_prefix(QString const& format, QString const& pack_path)
{
    if (format != QLatin1String("stylepack_category"))
        return QString();
    QString const category = QFileInfo(pack_path).completeBaseName();
    // As a folder, these would make the entries absolute (".costylepack") or
    // lead out of the archive ("...costylepack"), where unpacking tools put them.
    if (category.isEmpty() || category == QLatin1String(".") || category == QLatin1String(".."))
        return QString();
    return category + QLatin1Char('/');
}

style_pack_result write_style_pack(QString const& pack_path, QVector<style_pack_entry> const& entries)
{
    style_pack_result result;
    int error = 0;
    zip_t* archive = zip_open(pack_path.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive || error != 0) {
        if (archive)
            zip_discard(archive);
        result.open_error = open_error_text(error);
        return result;
    }
    for (int index = 0; index < entries.size(); ++index)
        add_entry(archive, index, entries[index], result.add_failures);
    result.close_error = close_archive(archive);
    return result;
}
