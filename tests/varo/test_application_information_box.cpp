#include "varo/application_information_box.h"
#include "varo/build_info.h"
#include "varo/git_version.h"

#include "modal_script.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QShortcut>
#include <QSysInfo>

#include <functional>

namespace {

TEST(git_version, table_lists_the_components_in_byte_order)
{
    auto const table = git_version::versions();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.at("application"), git_version::version());
    EXPECT_EQ(git_version::versions_formatted(),
              "Component: application\tVersion: " + table.at("application")
                  + "\nComponent: varo_infrastructure\tVersion: " + table.at("varo_infrastructure")
                  + "\nComponent: varo_toolkit\tVersion: " + table.at("varo_toolkit") + "\n");
}

// Runs git on the source folder; a null text when that fails.
QString git(QStringList const& arguments)
{
    QProcess process;
    process.start(QStringLiteral("git"),
                  QStringList{QStringLiteral("-C"), QStringLiteral(KESTOVA_SOURCE_DIR)} + arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString full_commit(std::string const& abbreviated)
{
    return git({QStringLiteral("rev-parse"), QStringLiteral("--verify"),
                QString::fromStdString(abbreviated) + QStringLiteral("^{commit}")});
}

TEST(git_version, every_commit_is_a_real_one_of_the_checkout)
{
    auto const table = git_version::versions();
    std::string const application = table.at("application");
    if (application == "unknown") {
        QString const top_level = git({QStringLiteral("rev-parse"), QStringLiteral("--show-toplevel")});
        EXPECT_NE(QFileInfo(top_level).canonicalFilePath(),
                  QFileInfo(QStringLiteral(KESTOVA_SOURCE_DIR)).canonicalFilePath())
            << "built in a checkout, yet the commit is unknown";
        EXPECT_EQ(table.at("varo_toolkit"), "unknown");
        EXPECT_EQ(table.at("varo_infrastructure"), "unknown");
        return;
    }
    QString const built = full_commit(application);
    ASSERT_FALSE(built.isEmpty()) << application << " is no commit of this checkout";
    QString const toolkit = git({QStringLiteral("log"), QStringLiteral("-1"), QStringLiteral("--format=%H"), built,
                                 QStringLiteral("--"), QStringLiteral("varo_toolkit")});
    for (char const* component : {"varo_infrastructure", "varo_toolkit"})
        EXPECT_EQ(full_commit(table.at(component)), toolkit) << component;
}

TEST(git_version, no_invented_commit_is_in_the_table_or_the_program)
{
    QFile program(QCoreApplication::applicationFilePath());
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    QByteArray const bytes = program.readAll();
    auto const table = git_version::versions();
    // Joined at run time, so that this test's own text holds neither.
    for (QByteArray const& invented : {QByteArray("b8923") + "e1", QByteArray("40b67") + "4c"}) {
        EXPECT_FALSE(bytes.contains(invented)) << invented.toStdString();
        for (auto const& [component, commit] : table)
            EXPECT_NE(commit, invented.toStdString()) << component;
    }
    ASSERT_GT(table.at("application").size(), 0u);
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(table.at("application"))))
        << "the reading of the program found the table's own commit";
}

TEST(build_info, the_application_version_is_the_projects)
{
    QFile project(QStringLiteral(KESTOVA_SOURCE_DIR "/CMakeLists.txt"));
    ASSERT_TRUE(project.open(QIODevice::ReadOnly));
    QRegularExpression const pattern(QStringLiteral("project\\(\\w+ VERSION ([0-9.]+)"));
    QRegularExpressionMatch const declared = pattern.match(QString::fromUtf8(project.readAll()));
    ASSERT_TRUE(declared.hasMatch());
    EXPECT_EQ(QLatin1String(varo::build_info::application_version), declared.captured(1));
}

struct shown_box {
    QString title;
    QString text;
    int buttons = 0;
    QWidget* parent = nullptr;
};

// Runs `action` while a script notes what the box it opens shows and
// answers it with its first button.
shown_box answered(std::function<void()> const& action)
{
    shown_box seen;
    modal_script script;
    script.answer_as<QMessageBox>([&seen](QMessageBox& box) {
        seen = {box.windowTitle(), box.text(), box.buttons().size(), box.parentWidget()};
        box.buttons().first()->click();
    });
    run_answered(script, action);
    return seen;
}

QShortcut* installed_shortcut(QWidget& window)
{
    auto const shortcuts = window.findChildren<QShortcut*>();
    return shortcuts.size() == 1 ? shortcuts.first() : nullptr;
}

shown_box fire(QWidget& window)
{
    return answered([&window] { emit installed_shortcut(window)->activated(); });
}

QString compiler_line()
{
#if defined(__clang__)
    return QStringLiteral("clang Version: \"" __clang_version__ "\"\n");
#else
    return QStringLiteral("gcc Version: \"" __VERSION__ "\"\n");
#endif
}

// The build line holds the time written by the build, in the compiler's date
// format.
void expect_information(QString const& text, QString const& ending)
{
    QString const head = QStringLiteral("OS: %1\nABI: %2\n").arg(QSysInfo::prettyProductName(), QSysInfo::buildAbi())
                         + compiler_line() + QStringLiteral("\nApplication: Kestova\nVersion: 1.2.0\n");
    QString const tail = QStringLiteral("\n") + QString::fromStdString(git_version::versions_formatted()) + ending;
    ASSERT_TRUE(text.startsWith(head)) << text.toStdString();
    ASSERT_TRUE(text.endsWith(tail)) << text.toStdString();
    QString const build = text.mid(head.size(), text.size() - head.size() - tail.size());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Build: [A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}\n$"))
            .match(build)
            .hasMatch())
        << build.toStdString();
    EXPECT_EQ(build, QStringLiteral("Build: %1\n").arg(QLatin1String(varo::build_info::build_time)));
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

    shown_box const seen = answered([&other] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QApplication::sendEvent(&other, &press);
    });
    EXPECT_EQ(seen.title, QStringLiteral("Application Information"));
    EXPECT_EQ(seen.parent, &main_window);
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
