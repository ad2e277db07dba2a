#include "varo/application_information_box.h"
#include "varo/git_version.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QShortcut>
#include <QSysInfo>
#include <QTimer>


namespace {

TEST(git_version, table_lists_the_components_in_byte_order)
{
    std::string const application = git_version::version();
    EXPECT_EQ(git_version::versions_formatted(),
              "Component: application\tVersion: " + application
                  + "\nComponent: varo_infrastructure\tVersion: b8923e1\nComponent: varo_toolkit\tVersion: 40b674c\n");
    auto const table = git_version::versions();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.at("application"), application);
    EXPECT_EQ(table.begin()->first, "application");
}

TEST(git_version, application_commit_comes_from_the_checkout)
{
    QString const commit = QString::fromStdString(git_version::version());
    EXPECT_TRUE(commit == QStringLiteral("unknown")
                || QRegularExpression(QStringLiteral("^[0-9a-f]{7,40}$")).match(commit).hasMatch())
        << commit.toStdString();
}

struct shown_box {
    QString title;
    QString text;
    int buttons = 0;
    QWidget* parent = nullptr;
};

// Waits for the modal box, notes what it shows and answers it with its
// button; its timer dies with it, so nothing fires into a later test.
class box_answerer {
public:
    box_answerer()
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { answer(); });
        timer.start();
    }

    shown_box seen;

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer.stop();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.buttons = box->buttons().size();
        seen.parent = box->parentWidget();
        box->buttons().first()->click();
    }

    QTimer timer;
};

QShortcut* installed_shortcut(QWidget& window)
{
    auto const shortcuts = window.findChildren<QShortcut*>();
    return shortcuts.size() == 1 ? shortcuts.first() : nullptr;
}

shown_box fire(QWidget& window)
{
    box_answerer answerer;
    emit installed_shortcut(window)->activated();
    return answerer.seen;
}

QString compiler_line()
{
#if defined(__clang__)
    return QStringLiteral("clang Version: \"" __clang_version__ "\"\n");
#else
    return QStringLiteral("gcc Version: \"" __VERSION__ "\"\n");
#endif
}

// The build line holds the compiler's own date and time of the toolkit build.
void expect_information(QString const& text, QString const& ending)
{
    QString const head = QStringLiteral("OS: %1\nABI: %2\n").arg(QSysInfo::prettyProductName(), QSysInfo::buildAbi())
        + compiler_line() + QStringLiteral("\nApplication: Kestova\nVersion: 1.2.0\n");
    QString const tail = QStringLiteral("\n") + QString::fromStdString(git_version::versions_formatted()) + ending;
    ASSERT_TRUE(text.startsWith(head)) << text.toStdString();
    ASSERT_TRUE(text.endsWith(tail)) << text.toStdString();
    QString const build = text.mid(head.size(), text.size() - head.size() - tail.size());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Build: [A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}\n$"))
                    .match(build)
                    .hasMatch())
        << build.toStdString();
}

TEST(application_information_box, installs_one_application_wide_shortcut)
{
    QWidget window;
    varo::application_information_box::install(&window, {});
    QShortcut* shortcut = installed_shortcut(window);
    ASSERT_NE(shortcut, nullptr);
    EXPECT_EQ(shortcut->key(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    EXPECT_EQ(shortcut->context(), Qt::ApplicationShortcut);
    EXPECT_EQ(shortcut->parent(), &window);
}

TEST(application_information_box, without_extra_pairs_ends_with_the_versions)
{
    QWidget window;
    varo::application_information_box::install(&window, {});
    shown_box const seen = fire(window);
    EXPECT_EQ(seen.title, QStringLiteral("Application Information"));
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_EQ(seen.parent, &window);
    expect_information(seen.text, QString());
}

TEST(application_information_box, extra_pairs_follow_in_key_order)
{
    struct row {
        QMap<QString, QString> extra;
        QString ending;
    };
    for (row const& r : {row{{{QStringLiteral("Mode"), QStringLiteral("Test")}}, QStringLiteral("\nMode:\t\tTest\n")},
                         row{{{QStringLiteral("b"), QStringLiteral("2")}, {QStringLiteral("a"), QStringLiteral("%1")}},
                             QStringLiteral("\na:\t\t%1\nb:\t\t2\n")}}) {
        QWidget window;
        varo::application_information_box::install(&window, r.extra);
        expect_information(fire(window).text, r.ending);
    }
}

TEST(application_information_box, text_is_built_afresh_each_time)
{
    QWidget window;
    varo::application_information_box::install(&window, {});
    QString const first = fire(window).text;
    QCoreApplication::setApplicationVersion(QStringLiteral("9.9.9"));
    QString const second = fire(window).text;
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));
    EXPECT_TRUE(first.contains(QStringLiteral("\nVersion: 1.2.0\n")));
    EXPECT_TRUE(second.contains(QStringLiteral("\nVersion: 9.9.9\n")));
}

TEST(application_information_box, keys_in_another_window_open_the_box)
{
    QWidget main_window;
    varo::application_information_box::install(&main_window, {});
    main_window.show();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_EQ(QApplication::activeWindow(), &other);

    box_answerer answerer;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::sendEvent(&other, &press);
    EXPECT_EQ(answerer.seen.title, QStringLiteral("Application Information"));
    EXPECT_EQ(answerer.seen.parent, &main_window);
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kestova"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.0"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
