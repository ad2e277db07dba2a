#include "varo/network_report.h"

#include <QStringList>

#include <utility>

namespace varo {

QString network_report()
{
    QString report;
    for (const QNetworkInterface& network : QNetworkInterface::allInterfaces()) {
        report += QStringLiteral("Interface: ") + network.name() + QStringLiteral(" (") + network.humanReadableName()
                  + QStringLiteral(") HW: ") + network.hardwareAddress() + QLatin1Char('\n');
        report += QLatin1Char('\t') + interface_flags_text(network.flags()) + QLatin1Char('\n');
        for (const QNetworkAddressEntry& entry : network.addressEntries())
            report += QStringLiteral("\tAddress: ") + entry.ip().toString() + QLatin1Char('/')
                      + QString::number(entry.prefixLength()) + QLatin1Char('\n');
    }
    return report;
}

QString interface_flags_text(QNetworkInterface::InterfaceFlags flags)
{
    static const std::pair<QNetworkInterface::InterfaceFlag, const char*> names[] = {
        {QNetworkInterface::IsUp, "IsUp"},
        {QNetworkInterface::IsRunning, "IsRunning"},
        {QNetworkInterface::CanBroadcast, "CanBroadcast"},
        {QNetworkInterface::IsLoopBack, "IsLoopBack"},
        {QNetworkInterface::IsPointToPoint, "IsPointToPoint"},
        {QNetworkInterface::CanMulticast, "CanMulticast"},
    };
    QStringList set;
    for (const auto& [flag, name] : names)
        if (flags.testFlag(flag))
            set << QLatin1String(name);
    return set.join(QLatin1Char('|'));
}

}
