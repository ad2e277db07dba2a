#include "preset_questions.h"

#include "emphasis.h"

#include "conversion/lightroom_importer.h"
#include "varo/message_box.h"

preset_questions::preset_questions(QWidget* parent)
    : parent(parent),
      convert_text(tr("Convert")),
      skip_text(tr("Skip")),
      convert_all_text(tr("Convert All")),
      skip_all_text(tr("Skip All"))
{
}

bool preset_questions::accept(lightroom_importer const& importer, preset_flags const& flags)
{
    if (skipped_silently(flags))
        return false;
    QString const name = emphasis(importer.name);
    if (flags.white_balance && ask_white_balance
        && !ask(ask_white_balance, skip_all_white_balance, tr("White balance modified by preset"),
                tr("Your preset %1 contains values for the white balance.<br/><br/>Equal white balance "
                   "values can lead to different results in Capture One.<br/>Thus Kestova translates the "
                   "values instead of adapting them visually.<br/>Anyway we recommend to keep the white "
                   "balance settings for neutralizing the image instead of using them for creating a "
                   "look.<br/>For this reason they should not be inside a preset.")
                    .arg(name)))
        return false;
    if (flags.unsupported && ask_unsupported
        && !ask(ask_unsupported, skip_all_unsupported, tr("Unsupported parameters in preset"),
                tr("Your selected preset %1 contains the following parameters, which can't be mapped in "
                   "Capture One:<br/>%2<br/>These parameters will be ignored.")
                    .arg(name, QStringLiteral("- ") + tr("LUT") + QStringLiteral("<br/>"))))
        return false;
    if (flags.calibration && ask_calibration
        && !ask(ask_calibration, skip_all_calibration, tr("Camera calibration modified by preset"),
                tr("The preset %1 contains values for the camera calibration.<br/>These settings may "
                   "influence the resulting look significantly but will not be converted to Capture "
                   "One.<br/>We recommend to reserve these parameters for the calibration of your camera "
                   "and not for creating creative looks.")
                    .arg(name)))
        return false;
    return true;
}

bool preset_questions::skipped_silently(preset_flags const& flags) const
{
    return (flags.white_balance && skip_all_white_balance) || (flags.unsupported && skip_all_unsupported)
           || (flags.calibration && skip_all_calibration);
}

bool preset_questions::ask(bool& ask_flag, bool& skip_all_flag, QString const& title, QString const& text)
{
    switch (varo::message_box::question(parent, title, text, convert_text, skip_text, convert_all_text, skip_all_text,
                                        QMessageBox::Yes)) {
    case QMessageBox::YesToAll:
        ask_flag = false;
        return true;
    case QMessageBox::No:
        return false;
    case QMessageBox::NoToAll:
        skip_all_flag = true;
        return false;
    default:
        return true;
    }
}
