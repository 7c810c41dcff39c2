#include "classroom/WebFiles.h"

#include <QFile>

namespace {

struct TWebRoute {
    const char* Path;
    const char* Resource;
    const char* ContentType;
};

constexpr TWebRoute Routes[] = {
    {"/", ":/web/pupil.html", "text/html; charset=utf-8"},
    {"/teacher", ":/web/teacher.html", "text/html; charset=utf-8"},
    {"/page.css", ":/web/page.css", "text/css; charset=utf-8"},
    {"/common.js", ":/web/common.js", "text/javascript; charset=utf-8"},
    {"/pupil.js", ":/web/pupil.js", "text/javascript; charset=utf-8"},
    {"/needle.js", ":/web/needle.js", "text/javascript; charset=utf-8"},
    {"/teacher.js", ":/web/teacher.js", "text/javascript; charset=utf-8"},
};

}  // namespace

std::optional<TWebFile> WebFile(const QByteArray& Path)
{
    for (const TWebRoute& route : Routes) {
        if (Path != route.Path)
            continue;
        QFile file(QString::fromLatin1(route.Resource));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return TWebFile{route.ContentType, file.readAll()};
    }
    return std::nullopt;
}
