#pragma once

#include "modal_script.h"

#include "varo/button_dark.h"

#include <gtest/gtest.h>

// The window's dark button with `tooltip`, or null.
inline varo::button_dark* button_with_tooltip(QWidget const& window, QString const& tooltip)
{
    for (auto* candidate : window.findChildren<varo::button_dark*>())
        if (candidate->toolTip() == tooltip)
            return candidate;
    return nullptr;
}

// Clicks the button with `tooltip` while `script` answers; the script must be
// used up and nothing else shown.
inline void click_answered(QWidget const& window, QString const& tooltip, modal_script& script)
{
    varo::button_dark* target = button_with_tooltip(window, tooltip);
    ASSERT_NE(target, nullptr) << tooltip.toStdString();
    run_answered(script, [target] { target->click(); });
}
