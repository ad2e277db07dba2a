#include "main_window.h"

#include "batch_conversion.h"
#include "settings_keys.h"

#include <QFileDialog>
#include <QFileInfo>

void MainWindow::on_button_convert_clicked()
{
    QStringList const files = QFileDialog::getOpenFileNames(
        this, tr("Load Lightroom Template"),
        settings.value(settings_keys::input_dir.key, settings_keys::input_dir.default_value).toString(),
        tr("Lightroom Templates(*.lrtemplate *.xmp)"));
    if (files.isEmpty())
        return;
    settings.setValue(settings_keys::input_dir.key, QFileInfo(files.first()).absolutePath());
    batch_conversion(this, settings).run(files);
}
