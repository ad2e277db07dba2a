#pragma once

#include "varo/library_entry.h"

#include <QDialog>
#include <QSize>
#include <QVector>

#include <functional>

class QVBoxLayout;

namespace varo {

// The about box: logo header, version, web site, the library list and a
// notice line with the years, the maker and the application's commit.
class dialog_about : public QDialog {
    Q_OBJECT

public:
    dialog_about(QWidget* parent, bool unused, QString const& header_style, int header_height, int logo_margin);

    // `shipped` lists what the application ships besides, after the others.
    void default_3rdparty_libs(bool exiftool, bool image_libraries, QVector<library_entry> const& shipped = {});
    int exec_centered_on(QWidget* widget);

    // The logo keeps its aspect ratio at the header's height less the margin.
    static QSize logo_size(QSize const& image, int header_height, int logo_margin);

private:
    QWidget* create_header(QString const& header_style, int header_height, int logo_margin);
    void add_information_rows();
    void add_library_link();
    void add_notice();

    QVBoxLayout* layout;
    std::function<void(QWidget*)> open_3rdparty_info;
};

}
