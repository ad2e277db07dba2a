#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

#include <zip.h>

using zip_entries = QVector<QPair<QString, QByteArray>>;

// The entries of the archive at `path` in their stored order; empty when it
// can't be opened.
inline zip_entries read_zip(QString const& path)
{
    zip_entries entries;
    int error = 0;
    zip_t* archive = zip_open(path.toUtf8().constData(), ZIP_RDONLY, &error);
    if (!archive)
        return entries;
    zip_int64_t const count = zip_get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(index), 0, &stat);
        QByteArray data(int(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(index), 0);
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        entries.append({QString::fromUtf8(zip_get_name(archive, zip_uint64_t(index), ZIP_FL_ENC_RAW)), data});
    }
    zip_discard(archive);
    return entries;
}
