#pragma once

#include <QMap>
#include <QPoint>
#include <QString>
#include <QVector>

class QXmlStreamReader;

// One parsed Lightroom preset. Values stay the file's text; the style writer
// parses numbers itself.
class lightroom_importer {
public:
    QMap<QString, QString> settings;
    QString name;
    QString description;
    QVector<QPoint> tone_curve;
    QVector<QPoint> tone_curve_red;
    QVector<QPoint> tone_curve_green;
    QVector<QPoint> tone_curve_blue;

    void read_lrpreset(QString const& path);
    void read_dot_notation_lrpreset(QString const& text);
    void read_regular_lrpreset(QString const& text);

    void read_xmp(QString const& path);
    QString get_xmp_text(QXmlStreamReader& reader);
    QVector<QPoint> get_curve(QXmlStreamReader& reader);
};
