#pragma once

#include <QProxyStyle>

namespace varo {

// The application-wide style: plain combo box lists, sliders that jump to a
// click, and adjustable tooltip delays.
class proxy_style : public QProxyStyle {
    Q_OBJECT

public:
    proxy_style();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* return_data = nullptr) const override;

public slots:
    void set_tooltip_delay(int delay);
    void set_tooltip_cooldown(int delay);

private:
    int tooltip_delay;
    int tooltip_cooldown;
};

}
