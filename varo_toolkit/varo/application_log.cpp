#include "varo/application_log.h"

#include "varo/console_mutex.h"
#include "varo/message_box.h"
#include "varo/network_report.h"
#include "varo/whole_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QIcon>
#include <QLineEdit>
#include <QMutexLocker>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace varo {

namespace {

struct log_holder {
    std::mutex mutex;
    application_log* log = nullptr;
};

log_holder& holder()
{
    static log_holder instance;
    return instance;
}

const QString rule(80, QLatin1Char('-'));

void scroll_to_end(QTextEdit* edit)
{
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
}

// Like QTextEdit::append, but always as plain text: a log line that happens
// to look like HTML must be shown as written. A chunk that goes on with a line
// cut short takes the place of the line's note instead.
void append_paragraph(QTextEdit* edit, const capped_chunk& chunk)
{
    QScrollBar* bar = edit->verticalScrollBar();
    const bool at_bottom = bar->value() >= bar->maximum();
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    // By position, not by cursor step: a step spans a whole grapheme cluster,
    // which may join a shown character to the note.
    if (chunk.replaced > 0)
        cursor.setPosition(cursor.position() - chunk.replaced, QTextCursor::KeepAnchor);
    else if (!edit->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(chunk.text);
    if (at_bottom)
        scroll_to_end(edit);
}

// Shows `text` in place of the view's text; `last_line` comes to be the view's.
void show_capped(QTextEdit* edit, log_view_line& last_line, const QString& text)
{
    last_line = log_view_line();
    edit->setPlainText(cap_log_chunk(text, last_line).text);
}

// The length of an unfinished UTF-8 sequence at the end of `bytes`: a line
// of another thread may be drained between two of its chunks.
std::size_t unfinished_utf8_length(const std::string& bytes)
{
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= std::min<std::size_t>(3, size); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// A tee is never freed: another thread may have taken it as the stream's
// buffer just before the log gives the stream its own back. The list keeps
// the tees reachable for leak checkers.
copy_streambuf<char>* install_tee(std::ostream& stream, std::ostringstream& capture, std::mutex& capture_mutex)
{
    static auto* const tees = new std::vector<copy_streambuf<char>*>;
    tees->push_back(new copy_streambuf<char>(stream, capture, capture_mutex));
    stream.rdbuf(tees->back());
    return tees->back();
}

}

application_log::application_log(QObject* parent) : QObject(parent), timer(this)
{
    timer.setInterval(100);
    connect(&timer, &QTimer::timeout, this, &application_log::drain);
    timer.start();
    build_window();
    connect(filter, &QLineEdit::textChanged, this, [this] { show_filtered(tab_widget->currentIndex()); });
    connect(filter, &QLineEdit::returnPressed, this, &application_log::run_command_line);
    connect(save_button, &QPushButton::clicked, this, &application_log::save_action);
    connect(clear_button, &QPushButton::clicked, this, &application_log::clear_action);
    connect(network_button, &QPushButton::clicked, this, &application_log::show_network_report);
    connect(tab_widget, &QTabWidget::currentChanged, this, &application_log::show_filtered);
    tab_for(QCoreApplication::applicationName());
    // A window that was ever shown can't be deleted once the application's
    // widget part is gone, so the log ends when the application quits.
    if (QCoreApplication* application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

application_log::~application_log()
{
    {
        log_holder& stored = holder();
        std::lock_guard<std::mutex> lock(stored.mutex);
        if (stored.log == this)
            stored.log = nullptr;
    }
    if (installed) {
        give_the_console_back();
        window->close();
        timer.stop();
    }
    // The window's teardown must not call back into a half-destroyed log.
    tab_widget->disconnect(this);
    filter->disconnect(this);
    // Deleted here rather than deferred: at the end of the run no event loop
    // is left to carry out a deferred deletion.
    delete window;
}

void application_log::init(QObject* parent)
{
    application_log* created = nullptr;
    {
        log_holder& stored = holder();
        std::lock_guard<std::mutex> lock(stored.mutex);
        if (stored.log)
            return;
        created = stored.log = new application_log(parent);
    }
    created->install();
}

application_log* application_log::instance()
{
    log_holder& stored = holder();
    std::lock_guard<std::mutex> lock(stored.mutex);
    return stored.log;
}

void application_log::install()
{
    static bool any_installed = false;
    if (installed || any_installed)
        return;
    installed = any_installed = true;
    out_tee = install_tee(std::cout, capture, capture_mutex);
    err_tee = install_tee(std::cerr, capture, capture_mutex);
    add_command(
        QStringLiteral("help"), [this](QString) { print_help(); }, false);
}

// Under the console mutex, so that no line of the message handler is split
// between a tee and the console.
void application_log::give_the_console_back()
{
    QMutexLocker lock(console_mutex());
    out_tee->detach();
    err_tee->detach();
}

void application_log::add_command(QString name, std::function<void(QString)> function, bool hidden)
{
    const QString lower = name.toLower();
    commands.emplace(lower, log_command{lower, std::move(function), hidden});
}

void application_log::build_window()
{
    window = new QWidget(nullptr);
    window->resize(800, 300);
    window->setWindowTitle(tr("Application Log"));
    window->setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QGridLayout(window);
    filter = new QLineEdit(window);
    filter->setPlaceholderText(QStringLiteral("Filter..."));
    filter->setClearButtonEnabled(true);
    layout->addWidget(filter, 0, 0);
    save_button = new QPushButton(QIcon::fromTheme(QStringLiteral("document-save")), tr("Save to disk"), window);
    layout->addWidget(save_button, 0, 2);
    clear_button = new QPushButton(QIcon::fromTheme(QStringLiteral("edit-delete")), tr("Clear log"), window);
    layout->addWidget(clear_button, 0, 3);
    network_button = new QPushButton(tr("Network report"), window);
    layout->addWidget(network_button, 0, 4);
    tab_widget = new QTabWidget(window);
    tab_widget->setTabBarAutoHide(true);
    layout->addWidget(tab_widget, 1, 0, 1, 5);
}

void application_log::open_log_window()
{
    if (window->isVisible()) {
        // Activating alone leaves a covered window behind the others.
        window->raise();
        window->activateWindow();
    } else
        window->show();
}

void application_log::drain()
{
    if (!window->isVisible())
        return;
    std::string bytes;
    {
        // Taken and emptied in one step, so that nothing written in between
        // is lost; a character still missing bytes waits for them.
        std::lock_guard<std::mutex> lock(capture_mutex);
        bytes = capture.str();
        const std::size_t complete = bytes.size() - unfinished_utf8_length(bytes);
        capture.str(bytes.substr(complete));
        capture.seekp(0, std::ios::end);
        bytes.resize(complete);
    }
    const QString text = QString::fromUtf8(bytes.data(), int(bytes.size()));
    if (!text.isEmpty())
        add_data(QCoreApplication::applicationName(), text);
}

void application_log::add_data(QString name, QString data)
{
    log_tab& tab = tab_for(name);
    tab.text += data;
    if (!filter->text().isEmpty())
        show_capped(tab.edit, tab.last_line, filtered_text(tab.text));
    else
        append_paragraph(tab.edit, cap_log_chunk(data, tab.last_line));
    if (!tab.edit->hasFocus())
        scroll_to_end(tab.edit);
}

application_log::log_tab& application_log::tab_for(const QString& name)
{
    const auto found = tabs.find(name);
    if (found != tabs.end())
        return *found;
    log_tab& tab = tabs[name];
    tab.edit = new QTextEdit(window);
    tab.edit->setReadOnly(true);
    tab.name = name;
    tab.index = tab_widget->addTab(tab.edit, name);
    return tab;
}

QString application_log::filtered_text(const QString& text) const
{
    const QString pattern = filter->text();
    if (pattern.isEmpty())
        return text;
    QString result;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (line.contains(pattern, Qt::CaseInsensitive))
            result += line + QLatin1Char('\n');
    return result;
}

void application_log::show_filtered(int index)
{
    if (index < 0)
        return;
    log_tab& tab = tab_for(tab_widget->tabText(index));
    show_capped(tab.edit, tab.last_line, filtered_text(tab.text));
    scroll_to_end(tab.edit);
}

void application_log::run_command_line()
{
    if (tab_widget->currentIndex() < 0)
        return;
    const QString line = filter->text();
    const QString lower = line.toLower();
    const log_command* match = nullptr;
    for (const auto& [name, command] : commands)
        if (lower.startsWith(name) && (!match || name.size() > match->name.size()))
            match = &command;
    if (!match)
        return;
    match->function(line.mid(match->name.size()));
    filter->clear();
}

void application_log::print_help() const
{
    std::cout << "List of commands:" << std::endl;
    for (const auto& [name, command] : commands)
        if (!command.hidden)
            std::cout << "    " << name.toStdString() << std::endl;
}

void application_log::save_action()
{
    const QString name = save_log();
    if (!name.isEmpty())
        message_box::information(window, tr("Application logs saved"),
                                 tr("The application logs were saved to\n%1").arg(name), QMessageBox::Ok,
                                 QMessageBox::NoButton);
}

QString application_log::save_log()
{
    const QString file_name = QCoreApplication::applicationName() + QStringLiteral(" Log ")
                              + QString::number(QDateTime::currentSecsSinceEpoch()) + QStringLiteral(".log");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString path = folder + QLatin1Char('/') + file_name;
    QString reason = make_folder(folder);
    if (reason.isEmpty())
        reason = write_whole_file(path, log_report().toUtf8()).reason;
    if (reason.isEmpty())
        return path;
    message_box::warning(window, tr("Failed to save application logs"),
                         tr("Can't save the application logs to\n%1\n\nReason: %2").arg(path, reason), QMessageBox::Ok,
                         QMessageBox::NoButton);
    return QString();
}

QString application_log::log_report()
{
    const QString name = QCoreApplication::applicationName();
    QString report = QStringLiteral("Application: ") + name + QStringLiteral(" (")
                     + QCoreApplication::applicationVersion() + QStringLiteral(")\n");
    report += QStringLiteral("Installed at: ") + QCoreApplication::applicationDirPath() + QLatin1Char('\n');
    report += QStringLiteral("Date: ") + QDateTime::currentDateTime().toString(Qt::TextDate) + QLatin1Char('\n');
    report += rule + QLatin1Char('\n');
    report += network_report();
    report += rule + QStringLiteral("\n\n");
    report += tab_for(name).text;
    for (const log_tab& tab : qAsConst(tabs))
        if (tab.name != name)
            report += QStringLiteral("\n\n") + rule + QStringLiteral("\nApplication: ") + tab.name + QLatin1Char('\n')
                      + tab.text;
    return report;
}

void application_log::clear_action()
{
    const auto answer = message_box::question(window, tr("Clear application logs"),
                                              tr("Do you really want to clear the application logs?"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer != QMessageBox::Yes)
        return;
    for (log_tab& tab : tabs) {
        tab.text.clear();
        tab.last_line = log_view_line();
        tab.edit->clear();
    }
}

void application_log::show_network_report()
{
    auto* view = new QTextEdit(nullptr);
    view->setReadOnly(true);
    view->setWindowTitle(tr("Network report"));
    view->setWindowModality(Qt::ApplicationModal);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->setLineWrapMode(QTextEdit::NoWrap);
    view->setFontFamily(QStringLiteral("monospace"));
    view->setPlainText(network_report());
    view->setMinimumSize(view->sizeHint());
    view->show();
}

}
