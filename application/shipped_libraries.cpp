#include "shipped_libraries.h"

#include <QCoreApplication>

#include <zip.h>

QVector<library_entry> shipped_libraries()
{
    return {
        {QStringLiteral("libzip ") + QString::fromLatin1(zip_libzip_version()),
         QCoreApplication::translate("MainWindow",
                                     "This software uses the libzip library to write stylepacks, under the BSD "
                                     "license below.\nSource code and details: https://libzip.org"),
         QStringLiteral(":/licenses/libzip.txt")},
        {QStringLiteral("zlib"),
         QCoreApplication::translate("MainWindow",
                                     "libzip uses the zlib compression library, under the zlib license below.\n"
                                     "Source code and details: https://zlib.net"),
         QStringLiteral(":/licenses/zlib.txt")},
        {QStringLiteral("GNU FreeFont"),
         QCoreApplication::translate("MainWindow",
                                     "This software embeds the fonts FreeSans and FreeSans Bold of GNU FreeFont,\n"
                                     "under the GNU General Public License, version 3 or later, with the font "
                                     "exception below.\nSource code: https://savannah.gnu.org/projects/freefont/"),
         QStringLiteral(":/licenses/FreeSans.txt")},
    };
}
