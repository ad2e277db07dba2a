#pragma once

#include <QNetworkInterface>
#include <QString>

namespace varo {

// Every network interface with its flags and addresses, for support reports.
QString network_report();

// The names of the set flags joined by "|", in the order of their values.
QString interface_flags_text(QNetworkInterface::InterfaceFlags flags);

}
