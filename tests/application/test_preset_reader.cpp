#include "application_test_main.h"
#include "preset_reader.h"

#include "modal_script.h"
#include "qstring_printer.h"

#include "conversion/lightroom_importer.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    return run_application_tests(argc, argv);
}

namespace {

TEST(preset_reader, a_preset_that_cannot_be_opened_is_reported_and_skipped)
{
    QTemporaryDir folder;
    for (auto const* name : {"gone.xmp", "gone.lrtemplate"}) {
        lightroom_importer importer;
        bool read = true;
        modal_script script;
        script.press(QMessageBox::Ok);
        script.run([&] { read = preset_reader::read(nullptr, QFileInfo(folder.filePath(name)), importer); });

        EXPECT_FALSE(read) << name;
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_EQ(script.seen()[0].title, QStringLiteral("Can't read preset"));
        EXPECT_TRUE(script.seen()[0].text.startsWith(
            QStringLiteral("Your preset <font color=\"white\"><b>%1</b></font> can't be opened.<br/><br/>Error: ")
                .arg(QLatin1String(name))))
            << script.seen()[0].text.toStdString();
        EXPECT_TRUE(importer.settings.isEmpty());
    }
}

}
