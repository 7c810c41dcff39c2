#include "classroom/HostAddress.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <sys/socket.h>

QString HostFor(const QString& Bind)
{
    if (Bind != QStringLiteral("0.0.0.0"))
        return Bind;
    QString host = QStringLiteral("127.0.0.1");
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return host;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* in = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
        if (::inet_ntop(AF_INET, &in->sin_addr, text, sizeof(text)) && QLatin1String(text) != "127.0.0.1") {
            host = QLatin1String(text);
            break;
        }
    }
    ::freeifaddrs(list);
    return host;
}
