#pragma once

#include <QLayoutItem>
#include <QPointer>
#include <QWidget>

namespace varo::qt {

class layout;

// One place of a varo::qt::layout: a background widget behind an optional
// content widget, with margins outside the background and padding inside.
// Copies share both widgets; the cell deletes neither. The pointers follow
// the widgets, so a deleted widget leaves the cell empty, never dangling.
class cell : public QLayoutItem {
public:
    enum side : int { left, right, top, bottom };

    cell();
    explicit cell(QWidget* widget);

    QWidget* background() const;
    void margin(float m);
    void padding(float p);

    // Change the placed cell's column and/or row size and make the window
    // lay itself out again; the float has no effect.
    void resize_column(int size, float);
    void resize_row(int size, float);
    void resize_row_column(int column_size, int row_size, float);

    QSize sizeHint() const override;
    QSize minimumSize() const override;
    QSize maximumSize() const override;
    Qt::Orientations expandingDirections() const override;
    void setGeometry(QRect const&) override;
    QRect geometry() const override;
    bool isEmpty() const override;
    QWidget* widget() override;

    bool spanned = false;
    QPointer<QWidget> background_widget;
    QPointer<QWidget> content_widget;
    float margins[4] = {-1, -1, -1, -1};
    float paddings[4] = {0, 0, 0, 0};
    float width = -1;
    float height = -1;
    int row_span = 1;
    int column_span = 1;
    int column_width = -1;
    int row_height = -1;
    int cell_column_width = 0;
    int offset_x = 0;
    int offset_y = 0;
    bool newline = false;
    int row = 0;
    int column = 0;
    varo::qt::layout* layout = nullptr;
};

}
