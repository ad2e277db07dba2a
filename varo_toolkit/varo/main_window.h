#pragma once

#include <QMainWindow>

namespace varo {

// The base of every application main window built on the toolkit.
class main_window : public QMainWindow {
    Q_OBJECT

public:
    explicit main_window(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~main_window() override;
};

}
