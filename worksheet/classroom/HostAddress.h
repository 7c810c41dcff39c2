#pragma once
// The address a tablet types to reach a class served on this machine.

#include <QString>

// The address bound to, or where every address is (0.0.0.0), the first of this
// machine's own IPv4 addresses on the network; 127.0.0.1 where it has none.
QString HostFor(const QString& Bind);
