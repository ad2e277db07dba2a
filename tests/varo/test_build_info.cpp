#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Runs a program in `folder`; its standard output, trimmed, or a null text
// when it fails.
QString run(const QString& folder, const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " " << arguments.join(' ').toStdString() << ": "
                      << process.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString git(const QString& folder, const QStringList& arguments)
{
    return run(folder, QStringLiteral("git"),
               QStringList{"-c", "user.name=Test", "-c", "user.email=test@example.invalid"} + arguments);
}

void write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A change to `file` in the checkout, committed; the commit's short hash.
QString commit(const QString& checkout, const QString& file, const QByteArray& text)
{
    write(checkout + "/" + file, text);
    git(checkout, {"add", file});
    git(checkout, {"commit", "-q", "-m", "change " + file});
    return git(checkout, {"rev-parse", "--short=7", "HEAD"});
}

// The build information of a source tree with a toolkit folder "toolkit".
struct build_info {
    QString application_commit;
    QString toolkit_commit;
    QString version;
    QString build_time;
    QString text;
};

QString value_of(const QString& text, const char* name)
{
    const QRegularExpression pattern(QStringLiteral("\\b%1\\[\\] = \"([^\"]*)\";").arg(name));
    return pattern.match(text).captured(1);
}

build_info write_build_info(const QString& source, const QString& output)
{
    run(source, QStringLiteral(KESTOVA_CMAKE_COMMAND),
        {"-DSOURCE_DIR=" + source, "-DTOOLKIT_DIR=" + source + "/toolkit", "-DVERSION=9.8.7",
         "-DGIT_EXECUTABLE=" + QStandardPaths::findExecutable("git"), "-DOUTPUT=" + output, "-P",
         QStringLiteral(KESTOVA_SOURCE_DIR "/varo_toolkit/write_build_info.cmake")});
    const QString text = read(output);
    return {value_of(text, "application_commit"), value_of(text, "toolkit_commit"),
            value_of(text, "application_version"), value_of(text, "build_time"), text};
}

class build_info_test : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("git").isEmpty())
            GTEST_SKIP() << "git is not installed";
        checkout = folder.path() + "/checkout";
        QDir().mkpath(checkout);
        git(checkout, {"init", "-q"});
    }

    QTemporaryDir folder;
    QString checkout;
    QString output = folder.path() + "/generated/build_info.cpp";
};

TEST_F(build_info_test, outside_a_checkout_of_its_own_every_commit_is_unknown)
{
    commit(checkout, "toolkit/a.cpp", "a");
    const QString plain = folder.path() + "/archive";
    const QString inside_another = checkout + "/unpacked";
    for (const QString& source : {plain, inside_another}) {
        write(source + "/toolkit/a.cpp", "a");
        const build_info info = write_build_info(source, output);
        EXPECT_EQ(info.application_commit, "unknown") << source.toStdString();
        EXPECT_EQ(info.toolkit_commit, "unknown") << source.toStdString();
        EXPECT_EQ(info.version, "9.8.7");
        EXPECT_TRUE(QRegularExpression("^[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2}$")
                        .match(info.build_time)
                        .hasMatch())
            << info.build_time.toStdString();
    }
}

TEST_F(build_info_test, a_new_commit_is_seen_after_packing_the_refs_and_in_a_worktree)
{
    const QString toolkit_change = commit(checkout, "toolkit/a.cpp", "a");
    build_info info = write_build_info(checkout, output);
    EXPECT_EQ(info.application_commit, toolkit_change);
    EXPECT_EQ(info.toolkit_commit, toolkit_change);

    const QString other_change = commit(checkout, "application/main.cpp", "main");
    git(checkout, {"pack-refs", "--all"});
    git(checkout, {"gc", "-q"});
    info = write_build_info(checkout, output);
    EXPECT_EQ(info.application_commit, other_change);
    EXPECT_EQ(info.toolkit_commit, toolkit_change) << "the toolkit's folder did not change";

    const QString worktree = folder.path() + "/worktree";
    git(checkout, {"worktree", "add", "-q", "-b", "side", worktree});
    const QString side_change = commit(worktree, "toolkit/b.cpp", "b");
    info = write_build_info(worktree, output);
    EXPECT_EQ(info.application_commit, side_change);
    EXPECT_EQ(info.toolkit_commit, side_change);
}

TEST_F(build_info_test, the_file_and_its_time_change_only_with_what_it_is_built_from)
{
    commit(checkout, "toolkit/a.cpp", "a");
    const build_info first = write_build_info(checkout, output);
    // The build time has whole seconds.
    QThread::msleep(1100);
    EXPECT_EQ(write_build_info(checkout, output).text, first.text) << "nothing changed";

    write(checkout + "/toolkit/a.cpp", "edited");
    const build_info edited = write_build_info(checkout, output);
    EXPECT_EQ(edited.application_commit, first.application_commit);
    EXPECT_NE(edited.build_time, first.build_time) << "a build with uncommitted changes has its own time";
}

TEST_F(build_info_test, the_users_diff_tool_and_text_conversion_are_not_run)
{
    commit(checkout, "toolkit/a.cpp", "a");
    const QString ran = folder.path() + "/ran.txt";
    const QString tool = folder.path() + "/tool.sh";
    write(tool, "#!/bin/sh\necho \"$@\" >> '" + ran.toUtf8() + "'\ncat \"$1\"\n");
    ASSERT_TRUE(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    git(checkout, {"config", "diff.external", tool});
    git(checkout, {"config", "diff.shown.textconv", tool});
    write(checkout + "/.git/info/attributes", "*.cpp diff=shown\n");
    write(checkout + "/toolkit/a.cpp", "edited");

    const build_info info = write_build_info(checkout, output);
    EXPECT_FALSE(QFile::exists(ran)) << "ran with: " << read(ran).toStdString();
    EXPECT_NE(info.application_commit, "unknown");
}

}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
