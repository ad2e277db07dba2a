#include "varo/network_report.h"

#include <QNetworkInterface>

#include <gtest/gtest.h>

namespace {

TEST(interface_flags_text, names_the_set_flags_in_value_order)
{
    using flag = QNetworkInterface;
    const struct {
        QNetworkInterface::InterfaceFlags flags;
        const char* text;
    } cases[] = {
        {{}, ""},
        {flag::IsUp | flag::IsRunning | flag::CanMulticast, "IsUp|IsRunning|CanMulticast"},
        {flag::CanMulticast | flag::IsUp, "IsUp|CanMulticast"},
        {flag::IsLoopBack, "IsLoopBack"},
        {flag::IsUp | flag::IsRunning | flag::CanBroadcast | flag::IsLoopBack | flag::IsPointToPoint
             | flag::CanMulticast,
         "IsUp|IsRunning|CanBroadcast|IsLoopBack|IsPointToPoint|CanMulticast"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(varo::interface_flags_text(c.flags), QLatin1String(c.text)) << c.text;
}

TEST(network_report, lists_every_interface_with_its_flags_and_addresses)
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    QString expected;
    for (const QNetworkInterface& network : interfaces) {
        expected += QStringLiteral("Interface: %1 (%2) HW: %3\n")
                        .arg(network.name(), network.humanReadableName(), network.hardwareAddress());
        expected += "\t" + varo::interface_flags_text(network.flags()) + "\n";
        for (const QNetworkAddressEntry& entry : network.addressEntries())
            expected += QStringLiteral("\tAddress: %1/%2\n").arg(entry.ip().toString()).arg(entry.prefixLength());
    }
    EXPECT_EQ(varo::network_report(), expected);
}

TEST(network_report, shows_the_loopback_interface_as_the_system_has_it)
{
    const QNetworkInterface loopback = QNetworkInterface::interfaceFromName("lo");
    if (!loopback.isValid())
        GTEST_SKIP() << "this machine has no interface lo";
    const QString report = varo::network_report();
    EXPECT_TRUE(report.contains("Interface: lo (lo) HW: 00:00:00:00:00:00\n\t")) << report.toStdString();
    EXPECT_TRUE(report.contains("\tAddress: 127.0.0.1/8\n")) << report.toStdString();
}

}
