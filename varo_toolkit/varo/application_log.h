#pragma once

#include "varo/copy_streambuf.h"
#include "varo/log_line_cap.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <mutex>
#include <sstream>

class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QWidget;

namespace varo {

// The process-wide log: captures everything written to std::cout and
// std::cerr and shows it in a window of its own, one tab per application.
class application_log : public QObject {
    Q_OBJECT

public:
    explicit application_log(QObject* parent = nullptr);
    ~application_log() override;

    // Creates the process-wide log once, as a child of parent, and installs
    // its console tees.
    static void init(QObject* parent);
    static application_log* instance();

    // Tees std::cout and std::cerr into the log; only the first log object
    // of the process ever does.
    void install();

    // A command of the window's command line; the first registration of a
    // name (compared in lower case) wins.
    void add_command(QString name, std::function<void(QString)> function, bool hidden);

    Q_INVOKABLE void add_data(QString name, QString data);

public slots:
    void open_log_window();
    QString save_log();

private:
    struct log_tab {
        QString name;
        QTextEdit* edit = nullptr;
        // Everything logged; the view may show lines cut short.
        QString text;
        log_view_line last_line;
        int index = -1;
    };

    struct log_command {
        QString name;
        std::function<void(QString)> function;
        bool hidden = false;
    };

    void build_window();
    void give_the_console_back();
    void drain();
    log_tab& tab_for(const QString& name);
    QString filtered_text(const QString& text) const;
    void show_filtered(int index);
    void run_command_line();
    void print_help() const;
    void save_action();
    void clear_action();
    void show_network_report();
    QString log_report();

    QWidget* window = nullptr;
    QLineEdit* filter = nullptr;
    QPushButton* save_button = nullptr;
    QPushButton* clear_button = nullptr;
    QPushButton* network_button = nullptr;
    QTabWidget* tab_widget = nullptr;
    std::ostringstream capture;
    std::mutex capture_mutex;
    QTimer timer;
    bool installed = false;
    // Never freed: another thread may still be writing through one.
    copy_streambuf<char>* out_tee = nullptr;
    copy_streambuf<char>* err_tee = nullptr;
    QMap<QString, log_tab> tabs;
    std::map<QString, log_command> commands;
};

}
