#include "varo/dialog_about.h"

#include "varo/clickable_label.h"
#include "varo/dialog_3rd_part_lib_info.h"
#include "varo/git_version.h"
#include "varo/global_storage.h"
#include "varo/label.h"

#include <QCoreApplication>
#include <QDate>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace varo {

namespace {

QFont normal_font()
{
    return QFont(QStringLiteral("FreeSans"), 12);
}

// The bold face of FreeSans: its file's family is FreeSans, the weight picks it.
QFont bold_font()
{
    return QFont(QStringLiteral("FreeSans"), 14, 75);
}

// Shared by every about box of the process, loaded by the first one.
QImage const& logo()
{
    static QImage const image(QString::fromStdString(global_storage<>::get("image_logo", ":/images/logo.png")));
    return image;
}

QLabel* label_in(QFont const& font, QString const& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    return label;
}

QString web_address()
{
    return QStringLiteral("https://") + QCoreApplication::organizationDomain();
}

library_entry exiftool_entry()
{
    return {QStringLiteral("Exiftool"),
            QStringLiteral("This software uses ExifTool by Phil Harvey.\n"
                           "More information: https://exiftool.org"),
            QString()};
}

library_entry freeimage_entry()
{
    return {QStringLiteral("FreeImage"),
            QStringLiteral("This software uses the FreeImage open source image library.\n"
                           "See https://freeimage.sourceforge.io for details.\n"
                           "FreeImage is used under the FIPL, version 1.0."),
            QString()};
}

library_entry little_cms_entry()
{
    return {QStringLiteral("Little CMS"),
            QStringLiteral("This software uses the Little CMS open source colour management library.\n"
                           "See https://www.littlecms.com for details."),
            QString()};
}

}

dialog_about::dialog_about(QWidget* parent, bool, QString const& header_style, int header_height, int logo_margin)
    : QDialog(parent),
      layout(new QVBoxLayout)
{
    setFont(normal_font());
    setObjectName(QStringLiteral("dialog_about"));
    setStyleSheet(QStringLiteral("#dialog_about{ background-color:rgb(47,47,47); }*{ color:rgb(198,213,210); }"));
    setWindowTitle(tr("About"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint & ~Qt::WindowMinimizeButtonHint
                   & ~Qt::WindowMaximizeButtonHint);

    layout->setContentsMargins(0, 0, 0, 0);
    setLayout(layout);
    layout->addWidget(create_header(header_style, header_height, logo_margin));
    add_information_rows();
    layout->setSpacing(20);
    add_library_link();
    add_notice();

    setFixedHeight(sizeHint().height());
    setFixedWidth(static_cast<int>(sizeHint().width() * 1.2));
}

QSize dialog_about::logo_size(QSize const& image, int header_height, int logo_margin)
{
    int const height = header_height - logo_margin;
    // An unreadable logo has no aspect ratio; it takes no width.
    if (image.isEmpty())
        return QSize(0, height);
    double const ratio = static_cast<double>(image.width()) / image.height();
    if (ratio > 999999.0 / height)
        return QSize(999999, static_cast<int>(999999 / ratio));
    return QSize(static_cast<int>(height * ratio), height);
}

QWidget* dialog_about::create_header(QString const& header_style, int header_height, int logo_margin)
{
    auto* header = new QWidget(this);
    header->setFixedHeight(header_height);
    header->setObjectName(QStringLiteral("logobg"));
    header->setStyleSheet(header_style);

    auto* logo_label = new label(QString(), header);
    QImage const& image = logo();
    QSize const size = logo_size(image.size(), header_height, logo_margin);
    logo_label->setFixedSize(size);
    logo_label->painter = [&image, size](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size), image);
    };
    logo_label->setStyleSheet(QStringLiteral("background-image:none; background-color:none;"));

    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch(1);
    row->addWidget(logo_label);
    row->addStretch(1);
    return header;
}

void dialog_about::add_information_rows()
{
    auto* grid = new QGridLayout;
    grid->setContentsMargins(20, 0, 20, 0);
    layout->addLayout(grid, 1);

    grid->addWidget(label_in(bold_font(), tr("Version:"), this), 0, 0);
    QString const version =
        QCoreApplication::applicationVersion() + QStringLiteral(" - %1 Bit %2").arg(QStringLiteral("64"), QString());
    grid->addWidget(label_in(normal_font(), version, this), 0, 1, Qt::AlignLeft);

    grid->addWidget(label_in(bold_font(), tr("Website:"), this), 1, 0);
    QString const address = web_address();
    auto* link =
        new QLabel(QStringLiteral("<a style=\"color:#728a84;\" href=\"%1\">%1</a>").arg(address.toHtmlEscaped()), this);
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    grid->addWidget(link, 1, 1);
}

void dialog_about::add_library_link()
{
    auto* link = new clickable_label(tr("Click here for 3rd party library information"), true, this);
    layout->addWidget(link, 0, Qt::AlignHCenter);
    connect(link, &clickable_label::clicked, this, [this] {
        if (open_3rdparty_info)
            open_3rdparty_info(this);
    });
}

void dialog_about::add_notice()
{
    QString const notice = QStringLiteral("\u00A9 2013-%1 %2 (%3)")
                               .arg(QString::number(QDate::currentDate().year()), QCoreApplication::organizationName(),
                                    QString::fromStdString(git_version::version()));
    layout->addWidget(new QLabel(notice, this), 0, Qt::AlignHCenter);
    // Below the notice the same space as between the rows, not the bare edge.
    layout->addSpacing(layout->spacing());
}

void dialog_about::default_3rdparty_libs(bool exiftool, bool image_libraries, QVector<library_entry> const& shipped)
{
    open_3rdparty_info = [exiftool, image_libraries, shipped](QWidget* parent) {
        auto* libraries = new dialog_3rd_part_lib_info(parent);
        if (exiftool)
            libraries->add_entry(exiftool_entry());
        if (image_libraries) {
            libraries->add_entry(freeimage_entry());
            libraries->add_entry(little_cms_entry());
        }
        for (library_entry const& entry : shipped)
            libraries->add_entry(entry);
        libraries->exec();
    };
}

int dialog_about::exec_centered_on(QWidget* widget)
{
    QRect placed = geometry();
    QRect const target = widget->geometry();
    placed.moveTo((target.left() + target.right()) / 2 - (placed.right() - placed.left()) / 2,
                  (target.top() + target.bottom()) / 2 - (placed.bottom() - placed.top()) / 2);
    // Off the default screen the window system knows better where to put it.
    if (QGuiApplication::primaryScreen()->geometry().contains(placed))
        setGeometry(placed);
    setWindowModality(Qt::ApplicationModal);
    return exec();
}

}
