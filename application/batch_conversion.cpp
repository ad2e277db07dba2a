#include "batch_conversion.h"

#include "emphasis.h"
#include "preset_content.h"
#include "preset_reader.h"
#include "settings_keys.h"
#include "style_content.h"
#include "style_file_writing.h"
#include "style_pack_writing.h"

#include "conversion/debug_text.h"
#include "conversion/lightroom_importer.h"
#include "varo/message_box.h"
#include "varo/whole_file.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace {

// The box names this many presets at most, so it fits any screen; the
// whole list is in its details.
int const listed_unconverted = 8;

QString setting_text(QSettings const& settings, settings_key const& key)
{
    return settings.value(key.key, key.default_value).toString();
}

// Without its suffix the pack would be hidden by the dialog's own filter.
QString with_pack_suffix(QString const& path)
{
    QString const suffix = QStringLiteral(".costylepack");
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

void show_critical(QWidget* parent, QString const& title, QString const& text)
{
    varo::message_box::critical(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

}

batch_conversion::batch_conversion(QWidget* parent, QSettings& settings)
    : parent(parent),
      settings(settings),
      format(settings.value(QStringLiteral("format"), QStringLiteral("separate")).toString()),
      questions(parent),
      existing_files(parent)
{
}

void batch_conversion::run(QStringList const& files)
{
    if (!prepare_output_folder())
        return;
    for (QString const& path : files)
        convert_preset(path);
    report_file_failures();
    if (!styles.isEmpty())
        write_pack();
    report_unconverted();
}

// Before any question, so a run that can't write asks nothing.
bool batch_conversion::prepare_output_folder() const
{
    QString const folder = setting_text(settings, settings_keys::output_dir);
    QString const reason = varo::make_folder(folder);
    // A pack is saved wherever the user chooses; its dialog only starts here.
    if (reason.isEmpty() || format != QLatin1String("separate"))
        return true;
    show_critical(parent, tr("Can't create output folder"),
                  tr("The output folder %1 could not be created, so no style was converted.<br/><br/>Reason: %2")
                      .arg(emphasis(folder), reason.toHtmlEscaped()));
    return false;
}

void batch_conversion::convert_preset(QString const& path)
{
    QFileInfo const file(path);
    lightroom_importer importer;
    if (!preset_reader::read(parent, file, importer))
        return;
    // The whole preset goes to the log, built without a debug stream, which
    // is slow for a map of this size.
    if (conversion::log_enabled(QtDebugMsg))
        qt_message_output(QtDebugMsg, KESTOVA_LOG_CONTEXT, conversion::debug_map(importer.settings));

    preset_flags flags;
    writer.check_costyle(flags.white_balance, flags.unsupported, flags.calibration, importer);
    if (!questions.accept(importer, flags))
        return;

    QString xml;
    writer.create_costyle(importer, xml);
    if (!style_carries_a_setting(xml)) {
        qInfo("Nothing to convert in '%s': no style written", qUtf8Printable(path));
        unconverted.append(unconverted_preset{file.fileName(), unconverted_reason(file)});
        return;
    }
    bool const separate = format == QLatin1String("separate");
    // Style files keep the preset's name: they are names on the user's own disk.
    QString const style_name =
        names.claim(separate ? file.completeBaseName() : style_pack_name_part(file.completeBaseName()));
    if (!separate) {
        styles.insert(style_name, xml);
        return;
    }
    QString const output_path = setting_text(settings, settings_keys::output_dir) + QLatin1Char('/') + style_name;
    if (!existing_files.may_write(output_path))
        return;
    QString reason;
    if (!write_style_file(output_path, xml, reason))
        file_failures.add(output_path, reason);
}

void batch_conversion::report_file_failures() const
{
    for (failure_group const& group : file_failures.groups()) {
        QString const text = group.count == 1 ? tr("The style %1 could not be written.<br/><br/>Reason: %2")
                                                    .arg(emphasis(group.first_subject), group.reason.toHtmlEscaped())
                                              : tr("%n styles could not be written, among them %1.<br/><br/>Reason: %2",
                                                   nullptr, group.count)
                                                    .arg(emphasis(group.first_subject), group.reason.toHtmlEscaped());
        show_critical(parent, tr("Can't write style"), text);
    }
}

void batch_conversion::report_unconverted() const
{
    if (unconverted.isEmpty())
        return;
    QStringList lines;
    QStringList details;
    for (unconverted_preset const& preset : unconverted) {
        if (lines.size() < listed_unconverted)
            lines.append(QStringLiteral("%1: %2").arg(emphasis(preset.file_name), preset.reason.toHtmlEscaped()));
        details.append(QStringLiteral("%1: %2").arg(preset.file_name, preset.reason));
    }
    int const unlisted = unconverted.size() - lines.size();
    if (unlisted > 0)
        lines.append(tr("and %n more", nullptr, unlisted));
    QString const heading = unconverted.size() == 1
                                ? tr("No style was written for this preset:")
                                : tr("No style was written for these %n presets:", nullptr, unconverted.size());
    varo::message_box box(QMessageBox::Warning, tr("Nothing to convert"),
                          heading + QStringLiteral("<br/><br/>") + lines.join(QStringLiteral("<br/>")),
                          QMessageBox::NoButton, parent);
    box.prepare_buttons(QMessageBox::Ok, QMessageBox::NoButton);
    if (unlisted > 0)
        box.setDetailedText(details.join(QLatin1Char('\n')));
    box.exec_logged();
}

// Qt adds a default suffix only to a name without a dot, and the desktop's
// dialog checks for an existing file before adding it; so the suffix is
// added here and the final name is what the user is asked about.
QString batch_conversion::ask_pack_path() const
{
    QFileDialog dialog(parent, tr("Name Capture One Stylepack"),
                       setting_text(settings, settings_keys::output_dir) + QLatin1Char('/'),
                       tr("Capture One Stylepack(*.costylepack)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return with_pack_suffix(dialog.selectedFiles().value(0));
}

void batch_conversion::write_pack() const
{
    QString const pack_path = ask_pack_path();
    if (pack_path.isEmpty() || !existing_style_question::may_replace_pack(parent, pack_path))
        return;
    // The entries hold the bytes that libzip reads while closing the archive.
    QVector<style_pack_entry> const entries = style_pack_entries(styles, style_pack_prefix(format, pack_path));
    report_pack_failures(pack_path, write_style_pack(pack_path, entries));
}

void batch_conversion::report_pack_failures(QString const& pack_path, style_pack_result const& result) const
{
    QString const pack = emphasis(pack_path);
    if (!result.open_error.isEmpty()) {
        show_critical(parent, tr("Can't write stylepack"),
                      tr("The stylepack %1 could not be created.<br/><br/>libzip: %2")
                          .arg(pack, result.open_error.toHtmlEscaped()));
        return;
    }
    for (failure_group const& group : result.add_failures.groups()) {
        QString const text =
            group.count == 1
                ? tr("The style %1 could not be added to the stylepack %2.<br/><br/>libzip: %3")
                      .arg(emphasis(group.first_subject), pack, group.reason.toHtmlEscaped())
                : tr("%n styles could not be added to the stylepack %2, among them %1.<br/><br/>libzip: %3", nullptr,
                     group.count)
                      .arg(emphasis(group.first_subject), pack, group.reason.toHtmlEscaped());
        show_critical(parent, tr("Can't write stylepack"), text);
    }
    if (!result.close_error.isEmpty())
        show_critical(
            parent, tr("Can't write stylepack"),
            tr("The stylepack %1 was not written.<br/><br/>libzip: %2").arg(pack, result.close_error.toHtmlEscaped()));
    else if (!result.write_error.isEmpty())
        show_critical(
            parent, tr("Can't write stylepack"),
            tr("The stylepack %1 was not written.<br/><br/>Reason: %2").arg(pack, result.write_error.toHtmlEscaped()));
}
