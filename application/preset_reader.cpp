#include "preset_reader.h"

#include "emphasis.h"
#include "preset_content.h"

#include "conversion/lightroom_importer.h"
#include "varo/message_box.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

bool preset_reader::read(QWidget* parent, QFileInfo const& file, lightroom_importer& importer)
{
    QString const suffix = file.suffix().toLower();
    if (suffix != QLatin1String("lrtemplate") && suffix != QLatin1String("xmp")) {
        report_unsupported_format(parent, file);
        return false;
    }
    // The readers leave the importer empty for a file they can't open, which
    // would give a style without any settings; the user must hear of it.
    QFile probe(file.filePath());
    if (!probe.open(QIODevice::ReadOnly)) {
        report_unopenable(parent, file, probe.errorString());
        return false;
    }
    probe.close();
    try {
        if (suffix == QLatin1String("lrtemplate"))
            importer.read_lrpreset(file.filePath());
        else
            importer.read_xmp(file.filePath());
    } catch (std::runtime_error const& error) {
        report_parse_error(parent, file, QString::fromUtf8(error.what()));
        return false;
    }
    // A preset that yields nothing would become an empty style.
    QString const reason = missing_settings_reason(file, importer);
    if (!reason.isEmpty()) {
        report_parse_error(parent, file, reason);
        return false;
    }
    return true;
}

void preset_reader::report_unsupported_format(QWidget* parent, QFileInfo const& file)
{
    varo::message_box::critical(
        parent, tr("Unsupported preset format"),
        tr("Your preset %1 is in a format Kestova can't convert.").arg(emphasis(file.fileName())), QMessageBox::Ok,
        QMessageBox::NoButton);
}

void preset_reader::report_parse_error(QWidget* parent, QFileInfo const& file, QString const& error)
{
    QString const text = tr("Your preset %1 can't be processed by Kestova.<br/><br/>Please contact the Harlune "
                            "support and send them a screenshot of this message and the preset file stated above "
                            "to support@harlune.example<br/><br/>Error: %2")
                             .arg(emphasis(file.fileName()), error.toHtmlEscaped());
    varo::message_box::critical(parent, tr("Can't read preset"), text, QMessageBox::Ok, QMessageBox::NoButton);
}

void preset_reader::report_unopenable(QWidget* parent, QFileInfo const& file, QString const& reason)
{
    QString const text =
        tr("Your preset %1 can't be opened.<br/><br/>Error: %2").arg(emphasis(file.fileName()), reason.toHtmlEscaped());
    varo::message_box::critical(parent, tr("Can't read preset"), text, QMessageBox::Ok, QMessageBox::NoButton);
}
