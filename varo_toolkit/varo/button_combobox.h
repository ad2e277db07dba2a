#pragma once

#include <QComboBox>
#include <QPointer>
#include <QString>

#include <functional>

class QMouseEvent;
class QPaintEvent;
class QPainter;

namespace varo {

// Combo box drawn entirely by a callback whose popup also toggles a
// companion widget shown below it.
class button_combobox : public QComboBox {
    Q_OBJECT

public:
    explicit button_combobox(QWidget* parent);

    void set_painter(std::function<void(QPainter&)> painter);
    void set_text(QString const& text);
    QString const& text() const;
    void set_skip_next_popup(bool skip);
    void set_companion(QWidget* companion);

    void showPopup() override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void toggle_companion();

    std::function<void(QPainter&)> painter;
    QString label_text;
    bool skip_next_popup = false;
    QPointer<QWidget> companion;
};

}
