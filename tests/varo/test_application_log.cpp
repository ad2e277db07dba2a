#include "varo/application_log.h"

#include "varo/log_line_cap.h"
#include "varo/log_shortcuts.h"
#include "varo/message_handler.h"
#include "varo/network_report.h"
#include "varo/timed_line.h"

#include "file_size_limit.h"
#include "modal_script.h"
#include "qstring_printer.h"
#include "recording_translator.h"
#include "wait_until.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <chrono>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

// Exported by QtGui for key-event simulation: delivers a key press to the
// shortcut map as a real key press would.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace {

const QString rule(80, '-');

// The console behind the process-wide log's tees.
std::ostringstream* console_out = nullptr;
std::ostringstream* console_err = nullptr;
QString desktop;

QSet<QWidget*> top_levels()
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    return QSet<QWidget*>(widgets.begin(), widgets.end());
}

QWidget* new_top_level(const QSet<QWidget*>& before, const QString& title)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!before.contains(widget) && widget->windowTitle() == title)
            return widget;
    return nullptr;
}

// Works a log window the way its user does.
struct log_window {
    QWidget* window;

    QLineEdit* filter() const { return window->findChild<QLineEdit*>(); }
    QTabWidget* tabs() const { return window->findChild<QTabWidget*>(); }
    QTextEdit* view(int index = 0) const { return qobject_cast<QTextEdit*>(tabs()->widget(index)); }
    QPushButton* button(const QString& text) const
    {
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text() == text)
                return button;
        return nullptr;
    }
    void type_command(const QString& line) const
    {
        filter()->setText(line);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(filter(), &press);
    }
    QString shown(int index = 0) const { return view(index)->toPlainText(); }
};

log_window installed_window;

// A log of its own, with its window hidden at first.
struct own_log {
    QSet<QWidget*> before = top_levels();
    varo::application_log log;
    log_window ui{new_top_level(before, "Application Log")};
};

class log_test : public ::testing::Test, protected own_log {};

const int longest_run = varo::longest_shown_run;

// The note the view ends a cut line with, written out here as the user reads it.
QString note(int hidden)
{
    return QString("... (%1 more character%2 not shown)").arg(hidden).arg(hidden == 1 ? "" : "s");
}

// Base64 text of `size` characters, of bytes that look random.
QString base64_line(int size)
{
    QByteArray bytes(size / 4 * 3 + 3, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 24);
    }
    return QString::fromLatin1(bytes.toBase64()).left(size);
}

// The whole report a save writes; the file is removed.
QString saved_report(varo::application_log& log)
{
    QFile file(log.save_log());
    file.open(QIODevice::ReadOnly);
    const QString report = QString::fromUtf8(file.readAll());
    file.remove();
    return report;
}

TEST_F(log_test, builds_a_hidden_window_with_filter_buttons_and_one_tab)
{
    ASSERT_NE(ui.window, nullptr);
    EXPECT_FALSE(ui.window->isVisible());
    EXPECT_EQ(ui.window->size(), QSize(800, 300));
    EXPECT_FALSE(ui.window->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(ui.window->styleSheet(), "");
    EXPECT_EQ(ui.filter()->placeholderText(), "Filter...");
    EXPECT_TRUE(ui.filter()->isClearButtonEnabled());

    auto* grid = qobject_cast<QGridLayout*>(ui.window->layout());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->itemAtPosition(0, 0)->widget(), ui.filter());
    EXPECT_EQ(grid->itemAtPosition(0, 1), nullptr);
    EXPECT_EQ(grid->itemAtPosition(0, 2)->widget(), ui.button("Save to disk"));
    EXPECT_EQ(grid->itemAtPosition(0, 3)->widget(), ui.button("Clear log"));
    EXPECT_EQ(grid->itemAtPosition(0, 4)->widget(), ui.button("Network report"));
    EXPECT_TRUE(ui.button("Network report")->icon().isNull());
    int row, column, rows, columns;
    grid->getItemPosition(grid->indexOf(ui.tabs()), &row, &column, &rows, &columns);
    EXPECT_EQ(QList<int>({row, column, rows, columns}), QList<int>({1, 0, 1, 5}));

    EXPECT_TRUE(ui.tabs()->tabBarAutoHide());
    ASSERT_EQ(ui.tabs()->count(), 1);
    EXPECT_EQ(ui.tabs()->tabText(0), "Kestova");
    EXPECT_TRUE(ui.view()->isReadOnly());
}

TEST_F(log_test, add_data_appends_paragraphs_and_creates_a_tab_per_name)
{
    log.add_data("Kestova", "one");
    log.add_data("Zeta", "z");
    log.add_data("Alpha", "a");
    log.add_data("Kestova", "two");
    ASSERT_EQ(ui.tabs()->count(), 3);
    EXPECT_EQ(ui.tabs()->tabText(1), "Zeta");
    EXPECT_EQ(ui.tabs()->tabText(2), "Alpha");
    EXPECT_EQ(ui.shown(0), "one\ntwo");
    EXPECT_EQ(ui.shown(1), "z");
    EXPECT_EQ(ui.shown(2), "a");
}

TEST_F(log_test, add_data_is_invokable_by_name)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(&log, "add_data", Q_ARG(QString, "Kestova"), Q_ARG(QString, "invoked")));
    EXPECT_EQ(ui.shown(), "invoked");
}

TEST_F(log_test, text_that_looks_like_html_is_shown_as_written)
{
    log.add_data("Kestova", "<b>bold</b> &lt; <a href=\"x\">link</a>");
    EXPECT_EQ(ui.shown(), "<b>bold</b> &lt; <a href=\"x\">link</a>");
    ui.filter()->setText("bold");
    EXPECT_EQ(ui.shown(), "<b>bold</b> &lt; <a href=\"x\">link</a>\n");
}

TEST(log_view, a_line_is_cut_at_its_first_overlong_run_or_at_its_length_limit)
{
    const struct {
        const char* name;
        QString line;
        int shown; // -1: the whole line
    } cases[] = {
        {"one character repeated", QString(100000, 'x'), longest_run},
        {"a run after words", "a few words " + QString(50000, 'y') + " and more", 12 + longest_run},
        {"a run as long as the limit", "end " + QString(longest_run, 'z'), -1},
        {"one character past the limit", QString(longest_run + 1, 'x'), longest_run},
        {"2 MB of base64", base64_line(2 * 1024 * 1024), -1},
        {"words past the line limit", QString("word ").repeated(varo::longest_shown_line / 5 + 20),
         varo::longest_shown_line},
    };
    for (const auto& c : cases) {
        own_log own;
        own.log.open_log_window();
        own.log.add_data("Kestova", c.line + "\nnext\n");
        const QString view = c.shown < 0 ? c.line : c.line.left(c.shown) + note(c.line.size() - c.shown);
        // Compared without printing megabytes.
        EXPECT_TRUE(own.ui.shown() == view + "\nnext\n")
            << c.name << ": shows " << own.ui.shown().size() << " characters, not " << view.size() + 6;
        EXPECT_TRUE(saved_report(own.log).endsWith("\n\n" + c.line + "\nnext\n")) << c.name;
        own.ui.window->close();
    }
}

TEST(log_view, a_line_in_chunks_is_cut_across_them_with_one_note_for_all)
{
    const struct {
        int chunk;
        int chunks;
        QString shown;
    } cases[] = {
        {longest_run / 2, 6,
         QString(longest_run / 2, 'x') + "\n" + QString(longest_run / 2, 'x') + "\n" + note(2 * longest_run)},
        {longest_run * 3 / 4, 4,
         QString(longest_run * 3 / 4, 'x') + "\n" + QString(longest_run / 4, 'x') + note(2 * longest_run)},
        {longest_run + 7, 3, QString(longest_run, 'x') + note(2 * longest_run + 21)},
    };
    for (const auto& c : cases) {
        own_log own;
        own.log.open_log_window();
        for (int i = 0; i < c.chunks; ++i)
            own.log.add_data("Kestova", QString(c.chunk, 'x'));
        own.log.add_data("Kestova", "\nnext\n");
        EXPECT_EQ(own.ui.shown(), c.shown + "\nnext\n") << c.chunk;
        EXPECT_TRUE(saved_report(own.log).endsWith("\n\n" + QString(c.chunk * c.chunks, 'x') + "\nnext\n")) << c.chunk;
        own.ui.window->close();
    }
}

// What a view shows of `chunks`, each capped as it arrives, without the
// paragraph breaks between them.
QString capped_in_chunks(const QStringList& chunks)
{
    varo::log_view_line line;
    QString view;
    for (const QString& chunk : chunks) {
        const varo::capped_chunk capped = varo::cap_log_chunk(chunk, line);
        view.chop(capped.replaced);
        view += capped.text;
    }
    return view;
}

// The code points of `text`, each as a text of its own.
QStringList whole_characters(const QString& text)
{
    QStringList characters;
    for (const char32_t point : text.toUcs4())
        characters.append(QString::fromUcs4(&point, 1));
    return characters;
}

QString non_bmp(int count)
{
    return QString::fromUcs4(U"\U0001D400").repeated(count);
}

TEST(log_view, how_a_line_is_split_into_chunks_changes_nothing_shown)
{
    const QString a_space_then_b = QString(1500, 'a') + " " + QString(1000, 'b');
    const QString mixed = "Total: $1,234.56 (net) \u4E2D\u6587\u6587\u672C \U0001F469\u200D\U0001F4BB done; "
                          "\U0001F1E9\U0001F1EA\U0001F1EB\U0001F1F7 e\u0301t\u00E9 https://example.org/a-b?c=d "
                          + QString(longest_run - 5, 'r') + " \u0600" + QString(longest_run, 's') + " "
                          + non_bmp(longest_run);
    const struct {
        const char* name;
        QString text;
        int shown; // -1: the whole text
    } cases[] = {
        {"a break point where a chunk ends", a_space_then_b, -1},
        {"words", QString("word ").repeated(1000), -1},
        {"a run past the limit after a break point", a_space_then_b + QString(1500, 'b'), 1501 + longest_run},
        {"numbers, brackets, letters of every kind and overlong runs", mixed, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        varo::log_view_line line;
        const QString whole = varo::cap_log_chunk(c.text, line).text;
        if (c.shown == -1) {
            EXPECT_EQ(whole, c.text);
        } else if (c.shown >= 0) {
            EXPECT_EQ(whole, c.text.left(c.shown) + note(c.text.size() - c.shown));
        }
        // The console's chunks hold whole characters.
        const QStringList characters = whole_characters(c.text);
        for (int end = 1; end < characters.size(); ++end)
            ASSERT_EQ(capped_in_chunks({characters.mid(0, end).join(""), characters.mid(end).join("")}), whole)
                << "in two chunks, the first of " << end << " characters";
        EXPECT_EQ(capped_in_chunks(characters), whole) << "one character a chunk";
        QStringList groups;
        for (int start = 0; start < characters.size(); start += 97)
            groups.append(characters.mid(start, 97).join(""));
        EXPECT_EQ(capped_in_chunks(groups), whole) << "97 characters a chunk";
    }
}

TEST(log_view, a_cut_falls_between_whole_characters_and_the_note_counts_them)
{
    const QString line = "x" + non_bmp(3000);
    varo::log_view_line state;
    EXPECT_EQ(varo::cap_log_chunk(line, state).text, "x" + non_bmp(999) + note(2001));
    EXPECT_EQ(capped_in_chunks({"x" + non_bmp(1000), non_bmp(2000)}), "x" + non_bmp(999) + note(2001));

    // The line limit falls between the two halves of the first letter.
    const QString long_line = QString("word ").repeated(varo::longest_shown_line / 5) + "aaa" + non_bmp(10);
    ASSERT_EQ(long_line.size() - 20 + 1, varo::longest_shown_line);
    state = varo::log_view_line();
    EXPECT_TRUE(varo::cap_log_chunk(long_line, state).text == long_line.left(varo::longest_shown_line - 1) + note(10))
        << "at the line limit";
}

// The note's first '.' makes one cursor step with a prepended mark before it.
TEST_F(log_test, more_of_a_cut_line_replaces_exactly_its_note)
{
    log.open_log_window();
    const QString shown = QString(longest_run - 1, 'x') + QChar(0x0600);
    log.add_data("Kestova", shown + QString(100, 'y'));
    ASSERT_EQ(ui.shown(), shown + note(100));
    log.add_data("Kestova", "yyy");
    EXPECT_EQ(ui.shown(), shown + note(103));
    log.add_data("Kestova", "y\nnext");
    EXPECT_EQ(ui.shown(), shown + note(104) + "\nnext");
}

TEST_F(log_test, a_line_in_chunks_is_cut_only_where_the_whole_line_is)
{
    log.open_log_window();
    log.add_data("Kestova", QString(1500, 'a') + " ");
    log.add_data("Kestova", QString(1000, 'b'));
    for (int i = 0; i < 1000; ++i)
        log.add_data("Kestova", "word ");
    EXPECT_FALSE(ui.shown().contains("not shown"));
    EXPECT_EQ(ui.shown().count('\n'), 1001);
}

TEST_F(log_test, the_filter_searches_whole_lines_and_shows_them_cut)
{
    const QString run(longest_run, 'x');
    log.add_data("Kestova", "short match\n" + run + "yyy match\nother\n");
    ui.filter()->setText("match");
    const QString first = "short match\n" + run + note(9) + "\n";
    EXPECT_EQ(ui.shown(), first) << "the match is in the part left out";

    log.add_data("Kestova", run + run);
    log.add_data("Kestova", " match\n" + run + run);
    const QString second = run + note(longest_run + 6) + "\n";
    EXPECT_EQ(ui.shown(), first + second);

    ui.filter()->clear();
    const QString shown = "short match\n" + run + note(9) + "\nother\n" + second + run + note(longest_run);
    EXPECT_EQ(ui.shown(), shown);
    log.add_data("Kestova", "xxxxx end\n");
    EXPECT_EQ(ui.shown(), "short match\n" + run + note(9) + "\nother\n" + second + run + note(longest_run + 9) + "\n")
        << "the line goes on after the view was rebuilt";
}

TEST_F(log_test, the_filter_shows_matching_lines_in_any_letter_case)
{
    const QString text = "alpha ERR one\nbeta\n\nGamma err two\nterror\ndelta\n";
    log.add_data("Kestova", text);
    ui.filter()->setText("ERR");
    EXPECT_EQ(ui.shown(), "alpha ERR one\nGamma err two\nterror\n");
    log.add_data("Kestova", "more Err\nnothing\n");
    EXPECT_EQ(ui.shown(), "alpha ERR one\nGamma err two\nterror\nmore Err\n");
    ui.filter()->clear();
    EXPECT_EQ(ui.shown(), text + "more Err\nnothing\n");
}

TEST_F(log_test, switching_tabs_shows_the_filtered_text_of_the_new_tab)
{
    log.add_data("Other", "keep this\ndrop that\n");
    ui.filter()->setText("keep");
    ui.tabs()->setCurrentIndex(1);
    EXPECT_EQ(ui.shown(1), "keep this\n");
}

TEST_F(log_test, new_text_scrolls_to_the_end_unless_the_view_has_the_focus)
{
    log.open_log_window();
    ASSERT_TRUE(wait_until([&] { return ui.window->isActiveWindow(); }));
    QString lines;
    for (int i = 0; i < 300; ++i)
        lines += QString("line %1\n").arg(i);
    log.add_data("Kestova", lines);
    QScrollBar* bar = ui.view()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());

    ui.view()->setFocus();
    ASSERT_TRUE(wait_until([&] { return ui.view()->hasFocus(); }));
    bar->setValue(0);
    log.add_data("Kestova", lines);
    EXPECT_EQ(bar->value(), 0);

    ui.filter()->setFocus();
    ASSERT_TRUE(wait_until([&] { return !ui.view()->hasFocus(); }));
    bar->setValue(0);
    log.add_data("Kestova", lines);
    EXPECT_EQ(bar->value(), bar->maximum());
    ui.window->close();
}

TEST_F(log_test, open_log_window_shows_the_window_or_activates_it)
{
    log.open_log_window();
    EXPECT_TRUE(ui.window->isVisible());
    log.open_log_window();
    EXPECT_TRUE(ui.window->isVisible());
    EXPECT_TRUE(wait_until([&] { return ui.window->isActiveWindow(); }));
    ui.window->close();
    EXPECT_FALSE(ui.window->isVisible()) << "closing only hides the window";
    EXPECT_TRUE(top_levels().contains(ui.window));
}

TEST_F(log_test, a_command_runs_with_the_rest_of_the_line_in_its_typed_case)
{
    QStringList calls;
    log.add_command(
        "Echo", [&](QString rest) { calls << "echo:" + rest; }, false);
    log.add_command(
        "echo", [&](QString rest) { calls << "second:" + rest; }, false);
    ui.type_command("ECHO Hi There");
    EXPECT_EQ(calls, QStringList{"echo: Hi There"}) << "the first registration wins";
    EXPECT_EQ(ui.filter()->text(), "");
}

TEST_F(log_test, the_longest_matching_command_wins)
{
    QStringList calls;
    log.add_command(
        "he", [&](QString rest) { calls << "he:" + rest; }, false);
    log.add_command(
        "help", [&](QString rest) { calls << "help:" + rest; }, false);
    log.add_command(
        "helpful", [&](QString rest) { calls << "helpful:" + rest; }, true);
    const struct {
        const char* line;
        const char* call;
    } cases[] = {
        {"helpme", "help:me"},
        {"Help", "help:"},
        {"helpfully", "helpful:ly"},
        {"hex", "he:x"},
    };
    for (const auto& c : cases) {
        calls.clear();
        ui.type_command(c.line);
        EXPECT_EQ(calls, QStringList{c.call}) << c.line;
    }
}

TEST_F(log_test, a_line_without_a_command_stays_as_the_filter)
{
    QStringList calls;
    log.add_command(
        "help", [&](QString rest) { calls << rest; }, false);
    log.add_data("Kestova", "hello\nworld\n");
    ui.type_command("hel");
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(ui.filter()->text(), "hel");
    EXPECT_EQ(ui.shown(), "hello\n");
}

TEST_F(log_test, save_log_writes_the_report_to_the_desktop)
{
    log.add_data("Kestova", "main line\n");
    log.add_data("Other", "other line\n");
    const qint64 start = QDateTime::currentSecsSinceEpoch();
    const QString name = log.save_log();
    const qint64 end = QDateTime::currentSecsSinceEpoch();

    const QFileInfo info(name);
    EXPECT_EQ(info.absolutePath(), desktop);
    const QRegularExpressionMatch match = QRegularExpression("^Kestova Log (\\d+)\\.log$").match(info.fileName());
    ASSERT_TRUE(match.hasMatch()) << name.toStdString();
    EXPECT_GE(match.captured(1).toLongLong(), start);
    EXPECT_LE(match.captured(1).toLongLong(), end);

    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString report = QString::fromUtf8(file.readAll());
    const QString head =
        "Application: Kestova (1.2.0)\nInstalled at: " + QCoreApplication::applicationDirPath() + "\nDate: ";
    ASSERT_TRUE(report.startsWith(head)) << report.toStdString();
    const int date_end = report.indexOf('\n', head.size());
    const QDateTime date = QDateTime::fromString(report.mid(head.size(), date_end - head.size()), Qt::TextDate);
    EXPECT_TRUE(date.isValid());
    EXPECT_LE(qAbs(date.secsTo(QDateTime::currentDateTime())), 5);
    EXPECT_EQ(report.mid(date_end + 1), rule + "\n" + varo::network_report() + rule + "\n\nmain line\n\n\n" + rule
                                            + "\nApplication: Other\nother line\n");
    file.remove();
}

TEST_F(log_test, the_save_button_reports_where_the_log_went)
{
    modal_script script;
    script.press(QMessageBox::Ok);
    run_answered(script, [this] { ui.button("Save to disk")->click(); });
    ASSERT_EQ(script.seen().size(), 1);
    EXPECT_EQ(script.seen()[0].title, "Application logs saved");
    const QStringList files = QDir(desktop).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(script.seen()[0].text, "The application logs were saved to\n" + desktop + "/" + files[0]);
    EXPECT_EQ(script.seen()[0].buttons, QMessageBox::Ok);
    QFile::remove(desktop + "/" + files[0]);
}

// Points the desktop folder elsewhere in the test's home for its lifetime.
class desktop_at {
public:
    explicit desktop_at(const QString& in_home)
    {
        QDir().mkpath(QFileInfo(user_dirs).path());
        QFile dirs(user_dirs);
        dirs.open(QIODevice::WriteOnly);
        dirs.write("XDG_DESKTOP_DIR=\"$HOME/" + in_home.toUtf8() + "\"\n");
    }
    ~desktop_at() { QFile::remove(user_dirs); }

private:
    const QString user_dirs = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/user-dirs.dirs";
};

TEST_F(log_test, a_missing_desktop_folder_is_made_with_its_parents)
{
    for (const QString& in_home : {QString("Desktop"), QString("fresh account/deeper/Desktop")}) {
        const desktop_at moved(in_home);
        const QString folder = QDir::homePath() + "/" + in_home;
        ASSERT_EQ(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), folder);
        QDir(QDir::homePath() + "/" + in_home.section('/', 0, 0)).removeRecursively();
        modal_script script;
        script.press(QMessageBox::Ok);
        run_answered(script, [this] { ui.button("Save to disk")->click(); });
        const QStringList files = QDir(folder).entryList(QDir::Files);
        ASSERT_EQ(files.size(), 1) << in_home.toStdString();
        ASSERT_EQ(script.seen().size(), 1);
        EXPECT_EQ(script.seen()[0].text, "The application logs were saved to\n" + folder + "/" + files[0]);
        EXPECT_TRUE(QFile(folder + "/" + files[0]).size() > 0);
        if (in_home != "Desktop")
            QDir(QDir::homePath() + "/fresh account").removeRecursively();
    }
    QDir().mkpath(desktop);
    for (const QString& file : QDir(desktop).entryList(QDir::Files))
        QFile::remove(desktop + "/" + file);
}

TEST_F(log_test, a_log_that_cannot_be_saved_shows_the_reason_and_leaves_no_file)
{
    // Longer than any write buffer, so the write itself meets the limit.
    log.add_data("Kestova", QString(20000, 'x'));
    const struct {
        const char* case_name;
        const char* in_home;
        int error;
        rlim_t size_limit;
    } cases[] = {
        {"a file where a folder should be", "blocked/Desktop", ENOTDIR, RLIM_INFINITY},
        {"a disk that fills up", "Desktop", EFBIG, 4096},
    };
    QFile blocker(QDir::homePath() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const auto& c : cases) {
        const desktop_at moved(c.in_home);
        const QString folder = QDir::homePath() + "/" + c.in_home;
        modal_script script;
        script.press(QMessageBox::Ok).press(QMessageBox::Ok);
        {
            const file_size_limit limit(c.size_limit);
            run_answered(script, [this] {
                EXPECT_EQ(log.save_log(), "");
                ui.button("Save to disk")->click();
            });
        }
        ASSERT_EQ(script.seen().size(), 2) << c.case_name << ": no success box after the warning";
        for (const seen_modal& box : script.seen()) {
            EXPECT_EQ(box.title, "Failed to save application logs") << c.case_name;
            const QRegularExpression text("^Can't save the application logs to\n" + QRegularExpression::escape(folder)
                                          + "/Kestova Log \\d+\\.log\n\nReason: "
                                          + QRegularExpression::escape(qt_error_string(c.error)) + "$");
            EXPECT_TRUE(text.match(box.text).hasMatch()) << c.case_name << ": " << box.text.toStdString();
            EXPECT_EQ(box.buttons, QMessageBox::Ok) << c.case_name;
        }
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList()) << c.case_name << ": no fragment";
    }
    blocker.remove();
}

TEST_F(log_test, clearing_asks_first_and_only_yes_empties_every_tab)
{
    log.add_data("Kestova", "main\n");
    log.add_data("Other", "other\n");
    modal_script keep;
    keep.press(QMessageBox::No);
    run_answered(keep, [this] { ui.button("Clear log")->click(); });
    ASSERT_EQ(keep.seen().size(), 1);
    EXPECT_EQ(keep.seen()[0].title, "Clear application logs");
    EXPECT_EQ(keep.seen()[0].text, "Do you really want to clear the application logs?");
    EXPECT_EQ(keep.seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(keep.seen()[0].default_button, QMessageBox::NoButton);
    EXPECT_EQ(ui.shown(0), "main\n");
    EXPECT_EQ(ui.shown(1), "other\n");
    modal_script clear;
    clear.press(QMessageBox::Yes);
    run_answered(clear, [this] { ui.button("Clear log")->click(); });
    EXPECT_EQ(ui.shown(0), "");
    EXPECT_EQ(ui.shown(1), "");
    log.add_data("Kestova", "new\n");
    ui.filter()->setText("n");
    EXPECT_EQ(ui.shown(0), "new\n") << "the cleared text is gone, not just hidden";
}

TEST_F(log_test, every_click_on_network_report_opens_a_modal_report_window)
{
    const QSet<QWidget*> earlier = top_levels();
    ui.button("Network report")->click();
    QPointer<QWidget> first = new_top_level(earlier, "Network report");
    ui.button("Network report")->click();
    QSet<QWidget*> with_first = earlier;
    with_first << first.data();
    QPointer<QWidget> second = new_top_level(with_first, "Network report");
    ASSERT_TRUE(first && second);

    auto* view = qobject_cast<QTextEdit*>(first.data());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_TRUE(view->isReadOnly());
    EXPECT_EQ(view->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(view->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(view->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(view->toPlainText(), varo::network_report());
    EXPECT_EQ(QTextCursor(view->document()).charFormat().fontFamily(), "monospace");
    EXPECT_EQ(view->minimumSize(), view->sizeHint());

    first->close();
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
}

TEST_F(log_test, the_shortcuts_open_the_log_window)
{
    QWidget main;
    varo::install_log_shortcuts(&log, &main);
    QList<QKeySequence> keys;
    for (QShortcut* shortcut : main.findChildren<QShortcut*>()) {
        keys << shortcut->key();
        EXPECT_EQ(shortcut->context(), Qt::WindowShortcut);
    }
    EXPECT_EQ(keys, (QList<QKeySequence>{QKeySequence("Ctrl+Shift+L"), QKeySequence("Ctrl+Shift+R")}));

    main.show();
    for (const int key : {Qt::Key_L, Qt::Key_R}) {
        QApplication::setActiveWindow(&main);
        ASSERT_TRUE(wait_until([&] { return main.isActiveWindow(); }));
        qt_sendShortcutOverrideEvent(&main, 0, key, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(ui.window->isVisible()) << key;
        ui.window->close();
    }
}

// Counts the times a widget is raised above the other windows.
class raise_counter : public QObject {
public:
    explicit raise_counter(QWidget* watched) { watched->installEventFilter(this); }

    int raised = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ZOrderChange)
            ++raised;
        return false;
    }
};

TEST_F(log_test, the_shortcut_brings_a_covered_log_window_to_the_front)
{
    QWidget main;
    varo::install_log_shortcuts(&log, &main);
    log.open_log_window();
    main.show();
    main.raise();
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(wait_until([&] { return main.isActiveWindow(); }));
    ASSERT_TRUE(ui.window->isVisible());

    raise_counter counter(ui.window);
    qt_sendShortcutOverrideEvent(&main, 0, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(counter.raised, 1);
    EXPECT_TRUE(wait_until([&] { return ui.window->isActiveWindow(); }));
    ui.window->close();
}

TEST(log_translation, the_window_texts_are_translated_in_the_class_context)
{
    recording_translator translator("varo::application_log");
    const QSet<QWidget*> before = top_levels();
    varo::application_log log;
    const log_window ui{new_top_level(before, "[Application Log]")};
    ASSERT_NE(ui.window, nullptr);
    for (const char* text : {"Application Log", "Save to disk", "Clear log", "Network report"})
        EXPECT_TRUE(translator.requests.contains(QString("varo::application_log|") + text)) << text;
    EXPECT_NE(ui.button("[Save to disk]"), nullptr);
    EXPECT_NE(ui.button("[Clear log]"), nullptr);
    EXPECT_NE(ui.button("[Network report]"), nullptr);
    EXPECT_EQ(ui.filter()->placeholderText(), "Filter...");
}

TEST(log_translation, the_note_of_a_cut_line_is_translated_in_the_class_context)
{
    const struct {
        int hidden;
        const char* source;
        const char* shown;
    } cases[] = {
        {1, "... (1 more character not shown)", "[... (1 more character not shown)]"},
        {5, "... (%n more characters not shown)", "[... (5 more characters not shown)]"},
    };
    for (const auto& c : cases) {
        recording_translator translator("varo::application_log");
        const QSet<QWidget*> before = top_levels();
        varo::application_log log;
        const log_window ui{new_top_level(before, "[Application Log]")};
        log.add_data("Kestova", QString(longest_run + c.hidden, 'x'));
        EXPECT_TRUE(translator.requests.contains(QString("varo::application_log|") + c.source)) << c.source;
        EXPECT_EQ(ui.shown(), QString(longest_run, 'x') + c.shown);
    }
}

// The process-wide log created by main() with its tees in place.
TEST(installed_log, console_output_reaches_the_window_once_it_is_shown)
{
    ASSERT_NE(installed_window.window, nullptr);
    installed_window.window->close();
    std::cout << "written while hidden" << std::endl;
    std::cerr << "error while hidden" << std::endl;
    wait_until([] { return false; }, 300);
    EXPECT_FALSE(installed_window.shown().contains("written while hidden"));

    EXPECT_TRUE(console_out->str().find("written while hidden\n") != std::string::npos)
        << "the console still gets everything";
    EXPECT_TRUE(console_err->str().find("error while hidden\n") != std::string::npos);

    varo::application_log::instance()->open_log_window();
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(wait_until([] {
        return installed_window.shown().contains("written while hidden\n")
               && installed_window.shown().contains("error while hidden\n");
    }));
    EXPECT_LT(clock.elapsed(), 1000);
    installed_window.window->close();
}

TEST(installed_log, help_lists_the_visible_commands_in_order)
{
    varo::application_log* log = varo::application_log::instance();
    log->add_command(
        "zeta", [](QString) {}, false);
    log->add_command(
        "secret", [](QString) {}, true);
    log->open_log_window();
    installed_window.type_command("Help");
    EXPECT_EQ(installed_window.filter()->text(), "");
    EXPECT_TRUE(wait_until([] { return installed_window.shown().contains("List of commands:\n    help\n    zeta\n"); }))
        << installed_window.shown().toStdString();
    EXPECT_FALSE(installed_window.shown().contains("secret"));
    installed_window.window->close();
}

// How often each line of each worker is shown, for the lines of one case.
QMap<QPair<int, int>, int> shown_worker_lines(const QString& name, const QString& before_message)
{
    const QRegularExpression whole("^Info: " + before_message + name + " worker (\\d) line (\\d+)$");
    QMap<QPair<int, int>, int> lines;
    for (const QString& line : installed_window.shown().split('\n')) {
        const QRegularExpressionMatch match = whole.match(line);
        if (match.hasMatch())
            ++lines[{match.captured(1).toInt(), match.captured(2).toInt()}];
    }
    return lines;
}

TEST(installed_log, lines_logged_by_other_threads_arrive_once_while_the_window_drains)
{
    const struct {
        const char* name;
        const char* pattern;
        const char* before_message;
    } cases[] = {
        {"plain", "%{message}", ""},
        {"timed", varo::timed_message_pattern, "\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d "},
    };
    for (const auto& c : cases) {
        varo::set_message_pattern(QLatin1String(c.pattern));
        varo::install_qt_message_handler(true, false);
        varo::application_log::instance()->open_log_window();
        const int threads = 4;
        const int lines = 300;
        std::vector<std::thread> workers;
        for (int t = 0; t < threads; ++t)
            workers.emplace_back([t, &c] {
                for (int i = 0; i < lines; ++i) {
                    qInfo("%s worker %d line %d", c.name, t, i);
                    std::this_thread::sleep_for(std::chrono::microseconds(500));
                }
            });
        const auto all_arrived = [&c] {
            return shown_worker_lines(c.name, c.before_message).size() == threads * lines;
        };
        const bool arrived = wait_until(all_arrived, 10000);
        for (std::thread& worker : workers)
            worker.join();
        varo::install_qt_message_handler(false, false);
        EXPECT_TRUE(arrived || all_arrived()) << c.name;
        const QMap<QPair<int, int>, int> shown = shown_worker_lines(c.name, c.before_message);
        for (int t = 0; t < threads; ++t)
            for (int i = 0; i < lines; ++i)
                EXPECT_EQ(shown.value({t, i}), 1) << c.name << " worker " << t << " line " << i;
        installed_window.window->close();
    }
    varo::set_message_pattern(QStringLiteral("%{if-category}%{category}: %{endif}%{message}"));
}

TEST(installed_log, a_long_console_line_reaches_the_console_whole_and_the_window_cut)
{
    varo::application_log::instance()->open_log_window();
    const std::string line(5 * longest_run, 'q');
    std::cout << line << std::endl;
    const QString cut = QString(longest_run, 'q') + note(4 * longest_run) + "\n";
    EXPECT_TRUE(wait_until([&] { return installed_window.shown().contains(cut); }));
    EXPECT_TRUE(console_out->str().find(line + "\n") != std::string::npos);
    installed_window.window->close();
}

TEST(installed_log, a_character_split_between_two_drains_arrives_whole)
{
    varo::application_log::instance()->open_log_window();
    const QString before = installed_window.shown();
    std::cout << "split \xC3" << std::flush;
    wait_until([] { return false; }, 300);
    std::cout << "\xA4 joined" << std::endl;
    EXPECT_TRUE(wait_until([] { return installed_window.shown().contains(QString::fromUtf8("\xC3\xA4 joined\n")); }))
        << installed_window.shown().mid(before.size()).toStdString();
    EXPECT_FALSE(installed_window.shown().contains(QChar::ReplacementCharacter));
    installed_window.window->close();
}

TEST(installed_log, clearing_leaves_text_that_waits_in_the_capture)
{
    installed_window.window->close();
    std::cout << "still waiting" << std::endl;
    modal_script script;
    script.press(QMessageBox::Yes);
    script.run([] { installed_window.button("Clear log")->click(); });
    EXPECT_EQ(installed_window.shown(), "");
    varo::application_log::instance()->open_log_window();
    EXPECT_TRUE(wait_until([] { return installed_window.shown() == "still waiting\n"; }))
        << installed_window.shown().toStdString();
    installed_window.window->close();
}

}

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    desktop = home.path() + "/Desktop";
    QDir().mkpath(desktop);

    std::ostringstream out;
    std::ostringstream err;
    console_out = &out;
    console_err = &err;
    std::streambuf* const real_out = std::cout.rdbuf(out.rdbuf());
    std::streambuf* const real_err = std::cerr.rdbuf(err.rdbuf());
    int result = 1;
    {
        QApplication app(argc, argv);
        QCoreApplication::setApplicationName("Kestova");
        QCoreApplication::setApplicationVersion("1.2.0");
        if (QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) != desktop) {
            std::fprintf(stderr, "the desktop is not the test's own folder\n");
            return 1;
        }
        const QSet<QWidget*> before = top_levels();
        varo::application_log::init(&app);
        installed_window.window = new_top_level(before, "Application Log");
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::cout.rdbuf(real_out);
    std::cerr.rdbuf(real_err);
    return result;
}
