#include "varo/clickable_label.h"
#include "varo/dialog_3rd_part_lib_info.h"
#include "varo/dialog_about.h"
#include "varo/git_version.h"
#include "varo/global_storage.h"
#include "varo/label.h"
#include "varo/library_entry.h"

#include "modal_script.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QVBoxLayout>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {

using storage = varo::global_storage<>;

QString const header_style = QStringLiteral("#logobg{ background-image:url(:/gui/button/dark_normal.png);}");

// Runs `action` while `inspect` sees the one modal dialog of type Dialog it
// opens, which is then rejected.
template <typename Dialog>
void inspected(std::function<void(Dialog&)> inspect, std::function<void()> const& action)
{
    modal_script script;
    script.answer_as<Dialog>([&inspect](Dialog& dialog) {
        inspect(dialog);
        dialog.reject();
    });
    run_answered(script, action);
}

TEST(global_storage, get_answers_the_stored_value_or_the_default)
{
    EXPECT_EQ(storage::get("absent", "fallback"), "fallback");
    {
        std::lock_guard<std::mutex> guard(storage::lock());
        storage::data()["colour"] = "grün";
    }
    EXPECT_EQ(storage::get("colour", "x"), "grün");
    EXPECT_EQ(&storage::data(), (&varo::global_storage<std::string, std::string>::data()));
}

TEST(global_storage, readers_on_many_threads_are_serialised)
{
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t)
        readers.emplace_back([&wrong] {
            for (int i = 0; i < 2000; ++i) {
                std::string const value = storage::get("shared", "none");
                if (value != "none" && value != "set")
                    ++wrong;
            }
        });
    for (int i = 0; i < 2000; ++i) {
        std::lock_guard<std::mutex> guard(storage::lock());
        if (i % 2)
            storage::data()["shared"] = "set";
        else
            storage::data().erase("shared");
    }
    for (auto& reader : readers)
        reader.join();
    EXPECT_EQ(wrong, 0);
}

TEST(label, paints_with_its_painter_instead_of_the_text)
{
    varo::label plain(QStringLiteral("text"), nullptr);
    EXPECT_EQ(plain.styleSheet(), QStringLiteral("QToolTip{border:1px solid rgb(99,99,99);background-image:none;"
                                                 "background-color:rgb(47,47,47);}"));
    EXPECT_EQ(plain.text(), QStringLiteral("text"));
    plain.resize(40, 20);
    plain.painter = [](QPainter& painter) { painter.fillRect(0, 0, 40, 20, QColor(3, 4, 5)); };
    EXPECT_EQ(plain.grab().toImage().pixel(20, 10), qRgb(3, 4, 5));
}

QString label_sheet(QString const& decoration)
{
    return QStringLiteral("QLabel { text-decoration: ") + decoration
           + QStringLiteral("; }QToolTip { border:1px solid rgb(99,99,99);background-image:none;"
                            "background-color:rgb(47,47,47); }");
}

void send(QWidget& widget, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(&widget, &event);
}

void mouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(2, 2), button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                      modifiers);
    QApplication::sendEvent(&widget, &event);
}

TEST(clickable_label, hover_underlines_and_shows_the_hand)
{
    varo::clickable_label link(QStringLiteral("link"), true, nullptr);
    EXPECT_EQ(link.styleSheet(), label_sheet(QStringLiteral("none")));
    EXPECT_TRUE(link.hasMouseTracking());
    EXPECT_EQ(link.cursor().shape(), Qt::PointingHandCursor);
    send(link, QEvent::Enter);
    EXPECT_EQ(link.styleSheet(), label_sheet(QStringLiteral("underline")));
    send(link, QEvent::Leave);
    EXPECT_EQ(link.styleSheet(), label_sheet(QStringLiteral("none")));
}

TEST(clickable_label, without_hover_keeps_its_look)
{
    varo::clickable_label link(QStringLiteral("link"), false, nullptr);
    EXPECT_FALSE(link.hasMouseTracking());
    EXPECT_FALSE(link.testAttribute(Qt::WA_SetCursor));
    send(link, QEvent::Enter);
    EXPECT_EQ(link.styleSheet(), label_sheet(QStringLiteral("none")));
}

TEST(clickable_label, left_press_clicks_and_keeps_the_modifiers_until_release)
{
    varo::clickable_label link(QStringLiteral("link"), true, nullptr);
    int clicks = 0;
    QObject::connect(&link, &varo::clickable_label::clicked, [&clicks] { ++clicks; });
    mouse(link, QEvent::MouseButtonPress, Qt::RightButton, Qt::AltModifier);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(link.modifiers, Qt::AltModifier);
    mouse(link, QEvent::MouseButtonPress, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(link.modifiers, Qt::ShiftModifier);
    mouse(link, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(link.modifiers, Qt::NoModifier);
    EXPECT_EQ(clicks, 1);
}

TEST(dialog_about, logo_keeps_its_ratio_at_the_header_height)
{
    struct row {
        QSize image;
        QSize label;
    };
    for (row const& r : {row{QSize(300, 100), QSize(261, 87)}, row{QSize(100, 300), QSize(29, 87)},
                         row{QSize(87, 87), QSize(87, 87)}, row{QSize(23000000, 1), QSize(999999, 0)},
                         row{QSize(2300000, 200), QSize(999999, 86)}, row{QSize(), QSize(0, 87)}}) {
        EXPECT_EQ(varo::dialog_about::logo_size(r.image, 97, 10), r.label)
            << r.image.width() << "x" << r.image.height();
    }
}

// The dialogs' own `layout` member hides QWidget::layout().
QLayout* frame_layout(QWidget& widget)
{
    return widget.layout();
}

template <typename Widget>
Widget* find_text(QWidget& parent, QString const& text)
{
    for (Widget* widget : parent.findChildren<Widget*>())
        if (widget->text() == text)
            return widget;
    return nullptr;
}

class about_box : public ::testing::Test {
protected:
    varo::dialog_about dialog{nullptr, true, header_style, 97, 10};
};

TEST_F(about_box, frame_title_and_look)
{
    EXPECT_EQ(dialog.objectName(), QStringLiteral("dialog_about"));
    EXPECT_EQ(dialog.styleSheet(),
              QStringLiteral("#dialog_about{ background-color:rgb(47,47,47); }*{ color:rgb(198,213,210); }"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About"));
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog.font().family(), QStringLiteral("FreeSans"));
    EXPECT_EQ(dialog.font().pointSize(), 12);
    EXPECT_EQ(frame_layout(dialog)->contentsMargins(), QMargins(0, 0, 0, 0));
    EXPECT_EQ(frame_layout(dialog)->spacing(), 20);
}

TEST_F(about_box, size_is_fixed_from_the_size_hint)
{
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.height(), dialog.sizeHint().height());
    EXPECT_EQ(dialog.width(), static_cast<int>(dialog.sizeHint().width() * 1.2));
}

TEST_F(about_box, header_centres_the_logo_at_its_height)
{
    auto* header = dialog.findChild<QWidget*>(QStringLiteral("logobg"));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->styleSheet(), header_style);
    EXPECT_EQ(header->minimumHeight(), 97);
    EXPECT_EQ(header->maximumHeight(), 97);
    EXPECT_EQ(frame_layout(dialog)->itemAt(0)->widget(), header);

    auto* logo = header->findChild<varo::label*>();
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->minimumSize(), QSize(261, 87));
    EXPECT_EQ(logo->maximumSize(), QSize(261, 87));
    EXPECT_EQ(logo->styleSheet(), QStringLiteral("background-image:none; background-color:none;"));
    QImage const painted = logo->grab().toImage();
    EXPECT_EQ(painted.pixel(20, 40), qRgb(200, 0, 0));
    EXPECT_EQ(painted.pixel(240, 40), qRgb(0, 0, 200));
}

TEST_F(about_box, version_and_web_site_rows)
{
    QLabel* version_title = find_text<QLabel>(dialog, QStringLiteral("Version:"));
    ASSERT_NE(version_title, nullptr);
    EXPECT_EQ(version_title->font().family(), QStringLiteral("FreeSans"));
    EXPECT_EQ(version_title->font().pointSize(), 14);
    EXPECT_EQ(version_title->font().weight(), 75);
    QLabel* version = find_text<QLabel>(dialog, QStringLiteral("1.2.0 - 64 Bit "));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->font().family(), QStringLiteral("FreeSans"));

    auto* grid = dialog.findChild<QGridLayout*>();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->contentsMargins(), QMargins(20, 0, 20, 0));
    EXPECT_EQ(grid->itemAtPosition(0, 0)->widget(), version_title);
    EXPECT_EQ(grid->itemAtPosition(0, 1)->widget(), version);
    EXPECT_EQ(grid->itemAtPosition(0, 1)->alignment(), Qt::AlignLeft);

    QLabel* site_title = find_text<QLabel>(dialog, QStringLiteral("Website:"));
    ASSERT_NE(site_title, nullptr);
    EXPECT_EQ(grid->itemAtPosition(1, 0)->widget(), site_title);
    auto* site = qobject_cast<QLabel*>(grid->itemAtPosition(1, 1)->widget());
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(site->text(), QStringLiteral("<a style=\"color:#728a84;\" href=\"https://harlune.example\">"
                                           "https://harlune.example</a>"));
    EXPECT_TRUE(site->openExternalLinks());
    EXPECT_EQ(site->textFormat(), Qt::RichText);
}

TEST_F(about_box, notice_names_the_years_the_maker_and_the_commit)
{
    QString const notice = QStringLiteral("\u00A9 2013-%1 Harlune (%2)")
                               .arg(QDate::currentDate().year())
                               .arg(QString::fromStdString(git_version::version()));
    QLabel* const label = find_text<QLabel>(dialog, notice);
    ASSERT_NE(label, nullptr) << notice.toStdString();
    // Below it the rows' spacing, not the dialog's bare edge.
    frame_layout(dialog)->activate();
    EXPECT_EQ(dialog.height() - (label->geometry().bottom() + 1), 20);
}

QStringList entry_names(varo::dialog_3rd_part_lib_info& libraries)
{
    QStringList names;
    for (QLabel* label : libraries.findChildren<QLabel*>())
        if (label->styleSheet() == QStringLiteral("font-size:14px; font-weight:bold;"))
            names << label->text();
    return names;
}

void click(varo::clickable_label& link)
{
    mouse(link, QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier);
    mouse(link, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoModifier);
}

varo::clickable_label& library_link(varo::dialog_about& dialog)
{
    auto* link = dialog.findChild<varo::clickable_label*>();
    EXPECT_EQ(link->text(), QStringLiteral("Click here for 3rd party library information"));
    return *link;
}

TEST_F(about_box, library_link_does_nothing_before_the_libraries_are_set)
{
    click(library_link(dialog));
    EXPECT_EQ(dialog.findChildren<varo::dialog_3rd_part_lib_info*>().size(), 0);
}

TEST_F(about_box, library_link_runs_a_new_library_dialog_each_time)
{
    struct row {
        bool exiftool;
        bool image_libraries;
        QStringList names;
        QVector<library_entry> shipped = {};
    };
    QString const qt = QStringLiteral("Qt ") + QString::fromLatin1(qVersion());
    int created = 0;
    for (row const& r :
         {row{false, false, {qt}},
          row{true, true, {qt, QStringLiteral("Exiftool"), QStringLiteral("FreeImage"), QStringLiteral("Little CMS")}},
          row{true, false, {qt, QStringLiteral("Exiftool")}},
          row{false, true, {qt, QStringLiteral("FreeImage"), QStringLiteral("Little CMS")}},
          row{true,
              false,
              {qt, QStringLiteral("Exiftool"), QStringLiteral("Shipped")},
              {{QStringLiteral("Shipped"), QStringLiteral("text"), QString()}}}}) {
        dialog.default_3rdparty_libs(r.exiftool, r.image_libraries, r.shipped);
        QStringList names;
        QWidget* parent = nullptr;
        inspected<varo::dialog_3rd_part_lib_info>(
            [&](varo::dialog_3rd_part_lib_info& libraries) {
                names = entry_names(libraries);
                parent = libraries.parentWidget();
            },
            [this] { click(library_link(dialog)); });
        EXPECT_EQ(names, r.names);
        EXPECT_EQ(parent, &dialog);
        EXPECT_EQ(dialog.findChildren<varo::dialog_3rd_part_lib_info*>().size(), ++created);
    }
}

TEST(dialog_3rd_part_lib_info, header_and_qt_entry)
{
    varo::dialog_3rd_part_lib_info libraries(nullptr);
    EXPECT_EQ(libraries.windowTitle(), QStringLiteral("About 3rd party libraries"));
    EXPECT_EQ(libraries.styleSheet(),
              QStringLiteral("QDialog{background-color:rgb(47,47,47); color:rgb(198,213,210);}"));
    EXPECT_EQ(frame_layout(libraries)->contentsMargins(), QMargins(20, 10, 20, 10));
    EXPECT_EQ(frame_layout(libraries)->spacing(), 10);
    QLabel* header = find_text<QLabel>(
        libraries, QStringLiteral("Kestova uses the following open source and/or 3rd party libraries:"));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->styleSheet(), QStringLiteral("font-size:16px;"));
    QList<QLabel*> const texts = libraries.findChildren<QLabel*>();
    auto const qt_text = std::find_if(texts.begin(), texts.end(), [](QLabel* label) {
        return label->text().startsWith(
            QStringLiteral("This software dynamically links to Qt which is licensed under the LGPL license.\n"));
    });
    ASSERT_NE(qt_text, texts.end());
    EXPECT_EQ((*qt_text)->styleSheet(), QStringLiteral("font-size:12px;"));
    EXPECT_EQ((*qt_text)->text().count(QLatin1Char('\n')), 1);
    EXPECT_EQ(libraries.findChildren<QTextEdit*>().size(), 0);
}

TEST(dialog_3rd_part_lib_info, exec_fixes_the_size_to_the_hint_each_time)
{
    varo::dialog_3rd_part_lib_info libraries(nullptr);
    QSize first;
    inspected<varo::dialog_3rd_part_lib_info>([&first](varo::dialog_3rd_part_lib_info& shown) { first = shown.size(); },
                                              [&libraries] { libraries.exec(); });
    EXPECT_EQ(first, libraries.sizeHint());
    EXPECT_EQ(libraries.minimumSize(), libraries.maximumSize());
    libraries.add_entry({QStringLiteral("More"), QStringLiteral("a\nb\nc\nd"), QString()});
    QSize second;
    inspected<varo::dialog_3rd_part_lib_info>(
        [&second](varo::dialog_3rd_part_lib_info& shown) { second = shown.size(); },
        [&libraries] { libraries.exec(); });
    EXPECT_EQ(second, libraries.sizeHint());
    EXPECT_GT(second.height(), first.height());
}

TEST(library_entry, layout_holds_name_text_and_licence)
{
    QTemporaryDir folder;
    QString const licence = folder.filePath(QStringLiteral("licence.txt"));
    {
        QFile file(licence);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("Licence \xC3\xA4 <b>text</b>\nline two\0hidden", 38));
    }
    struct row {
        QString path;
        QString shown;
    };
    for (row const& r : {row{licence, QStringLiteral("Licence \u00E4 <b>text</b>\nline two")},
                         row{QStringLiteral(":/no/licence.txt"),
                             QStringLiteral("Could not open license text resource at :/no/licence.txt")}}) {
        QWidget holder;
        QVBoxLayout* layout = library_entry{QStringLiteral("Name"), QStringLiteral("Text"), r.path}.create_layout();
        holder.setLayout(layout);
        EXPECT_EQ(layout->contentsMargins(), QMargins(0, 0, 0, 0));
        EXPECT_EQ(layout->spacing(), 5);
        ASSERT_EQ(layout->count(), 3);
        auto* name = qobject_cast<QLabel*>(layout->itemAt(0)->widget());
        auto* text = qobject_cast<QLabel*>(layout->itemAt(1)->widget());
        auto* box = qobject_cast<QTextEdit*>(layout->itemAt(2)->widget());
        ASSERT_TRUE(name && text && box);
        EXPECT_EQ(name->text(), QStringLiteral("Name"));
        EXPECT_EQ(name->styleSheet(), QStringLiteral("font-size:14px; font-weight:bold;"));
        EXPECT_EQ(text->text(), QStringLiteral("Text"));
        EXPECT_EQ(text->styleSheet(), QStringLiteral("font-size:12px;"));
        EXPECT_EQ(box->toPlainText(), r.shown);
        EXPECT_TRUE(box->isReadOnly());
        box->ensurePolished();
        EXPECT_GT(std::abs(box->palette().color(QPalette::Text).lightness()
                           - box->palette().color(QPalette::Base).lightness()),
                  100);
    }
}

QPoint centred_on(QRect const& target, QRect const& dialog)
{
    return QPoint((target.left() + target.right()) / 2 - (dialog.right() - dialog.left()) / 2,
                  (target.top() + target.bottom()) / 2 - (dialog.bottom() - dialog.top()) / 2);
}

TEST(dialog_about, exec_centered_on_places_the_box_over_the_widget)
{
    QWidget window;
    window.setGeometry(101, 80, 501, 401);
    varo::dialog_about dialog(&window, true, header_style, 97, 10);
    QPoint const expected = centred_on(window.geometry(), dialog.geometry());
    ASSERT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(QRect(expected, dialog.size())));
    QRect shown;
    Qt::WindowModality modality = Qt::NonModal;
    int result = QDialog::Accepted;
    inspected<varo::dialog_about>(
        [&](varo::dialog_about& about) {
            shown = about.geometry();
            modality = about.windowModality();
        },
        [&] { result = dialog.exec_centered_on(&window); });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(shown.topLeft(), expected);
    EXPECT_EQ(shown.size(), dialog.size());
    EXPECT_EQ(modality, Qt::ApplicationModal);
}

TEST(dialog_about, exec_centered_on_leaves_an_off_screen_place_to_the_window_system)
{
    QWidget window;
    window.setGeometry(5000, 5000, 300, 200);
    varo::dialog_about dialog(nullptr, true, header_style, 97, 10);
    QPoint const off_screen = centred_on(window.geometry(), dialog.geometry());
    QRect shown;
    inspected<varo::dialog_about>([&shown](varo::dialog_about& about) { shown = about.geometry(); },
                                  [&] { dialog.exec_centered_on(&window); });
    EXPECT_NE(shown.topLeft(), off_screen);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Harlune"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("harlune.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));

    // The about box loads its logo once per process, so the test logo is
    // stored before the first box is built: red left half, blue right half.
    QTemporaryDir folder;
    QImage logo(300, 100, QImage::Format_RGB32);
    logo.fill(qRgb(200, 0, 0));
    QPainter(&logo).fillRect(150, 0, 150, 100, QColor(0, 0, 200));
    QString const logo_path = folder.filePath(QStringLiteral("logo.png"));
    logo.save(logo_path);
    varo::global_storage<>::data()["image_logo"] = logo_path.toStdString();

    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
