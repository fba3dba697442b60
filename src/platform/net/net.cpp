#include "net/net.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace net {

bool get(const QString& url, QByteArray* body, QString* error, int timeoutMs) {
  QNetworkAccessManager manager;
  QNetworkRequest request{QUrl(url)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setRawHeader("Accept", "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
  QNetworkReply* reply = manager.get(request);
  QEventLoop loop;
  QTimer timer;
  timer.setSingleShot(true);
  bool timedOut = false;
  QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
    timedOut = true;
    reply->abort();
  });
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  timer.start(timeoutMs);
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  bool ok = true;
  if (timedOut) {
    if (error) *error = QStringLiteral("%1 adresinden cevap gelmedi (zaman aşımı).").arg(url);
    ok = false;
  } else if (reply->error() != QNetworkReply::NoError) {
    if (error) *error = QStringLiteral("%1: %2").arg(url, reply->errorString());
    ok = false;
  } else if (status >= 400) {
    if (error) *error = QStringLiteral("%1: HTTP %2").arg(url).arg(status);
    ok = false;
  } else if (body) {
    *body = reply->readAll();
  }
  reply->deleteLater();
  return ok;
}

}  // namespace net
