// Outside web services: a synchronous HTTP GET with a time-out. The window waits, as the
// old program did, but keeps painting while it waits (no user input gets in).
#pragma once
#include <QByteArray>
#include <QString>

namespace net {

// Fetches the URL (redirects followed, certificates validated); false with *error on a
// network error, an HTTP error status or the time-out.
bool get(const QString& url, QByteArray* body, QString* error, int timeoutMs = 15000);

}  // namespace net
