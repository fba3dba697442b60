#include "shell/kur.h"

#include "db/db.h"
#include "net/net.h"
#include "shell/menu.h"
#include "shell/session.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QDate>
#include <QRegularExpression>
#include <stdexcept>

namespace kur {
namespace {
QString url() { return sys::serviceUrl(QStringLiteral("tcmb"), QStringLiteral("https://www.tcmb.gov.tr/kurlar/today.xml")); }

// The BanknoteBuying value after the currency key, from `from` on; advances `from`.
bool rateAfter(const QString& text, const QString& key, qsizetype* from, QString* out) {
  const qsizetype k = text.indexOf(key, *from);
  if (k < 0) return false;
  static const QRegularExpression buying(QStringLiteral("<BanknoteBuying>\\s*([^<]*?)\\s*</BanknoteBuying>"));
  const auto m = buying.match(text, k + key.size());
  if (!m.hasMatch()) return false;
  *out = m.captured(1);
  *from = m.capturedEnd();
  return true;
}

Kurlar fetch() {
  QByteArray body;
  QString error;
  if (!net::get(url(), &body, &error, zamanAsimiMs)) throw std::runtime_error(error.toStdString());
  Kurlar k;
  if (!oku(QString::fromUtf8(body), &k, &error)) throw std::runtime_error(error.toStdString());
  return k;
}

void show(Tfrm_menu& w, const Kurlar& k) {
  w.lbl_usd->setText(goster(k.usd));
  w.lbl_euro->setText(goster(k.euro));
  login::kur_usd = k.usd.toDouble();
  login::kur_euro = k.euro.toDouble();
}
}  // namespace

bool oku(const QString& text, Kurlar* out, QString* error) {
  qsizetype from = 0;
  QString usd, euro;
  const bool found = rateAfter(text, QStringLiteral("US DOLLAR"), &from, &usd) && rateAfter(text, QStringLiteral("EURO"), &from, &euro);
  bool okU = false, okE = false;
  // The file writes its numbers with a decimal point, whatever the workstation uses.
  const double u = usd.toDouble(&okU), e = euro.toDouble(&okE);
  if (!found || !okU || !okE || u <= 0 || e <= 0) {
    if (error) *error = QStringLiteral("Döviz kuru dosyası okunamadı: dolar ve euro alış kurları bulunamadı.");
    return false;
  }
  out->usd = usd;
  out->euro = euro;
  return true;
}

QString goster(const QString& rate) {
  QString r = rate;
  const qsizetype dot = r.indexOf(QLatin1Char('.'));
  if (dot < 0) r += QStringLiteral(".");
  const qsizetype decimals = r.size() - r.indexOf(QLatin1Char('.')) - 1;
  if (decimals < 4) r += QString(4 - decimals, QLatin1Char('0'));
  r.replace(QLatin1Char('.'), QLatin1Char(','));
  return r;
}

void kurbilgileri(Tfrm_menu& w) { show(w, fetch()); }

void guncelle(Tfrm_menu& w) {
  // Both rates are read before either is shown or stored.
  const Kurlar k = fetch();
  db::runDocument([&] {
    for (const auto& [birim, deger] : {std::pair{QStringLiteral("USD"), k.usd}, std::pair{QStringLiteral("EURO"), k.euro}}) {
      db::Query q(QStringLiteral("QRY_CH"));
      q.setSql(QStringLiteral("INSERT INTO KURTAKIBI  (KAYIT_NO, KULLANICIKODU, SIRKETKODU, DOVIZ_ACIKLAMASI, DOVIZ_BIRIMI, "
                              "DOVIZ_TURU, ALISTUTARI, SATISTUTARI, TARIH, SAAT)  VALUES  (NULL, NULL, :SIRKETKODU, "
                              ":DOVIZ_ACIKLAMASI, :DOVIZ_BIRIMI, :DOVIZ_TURU, :ALISTUTARI, :SATISTUTARI, :TARIH, NULL)"));
      q.bind(QStringLiteral("SIRKETKODU"), login::SIRKET);
      q.bind(QStringLiteral("DOVIZ_ACIKLAMASI"), QStringLiteral("MERKEZ BANKASI"));
      q.bind(QStringLiteral("DOVIZ_BIRIMI"), birim);
      q.bind(QStringLiteral("DOVIZ_TURU"), QStringLiteral("NORMAL"));
      q.bind(QStringLiteral("ALISTUTARI"), deger.toDouble());
      q.bind(QStringLiteral("SATISTUTARI"), deger.toDouble());
      q.bind(QStringLiteral("TARIH"), QDate::currentDate());
      q.exec();
    }
  });
  show(w, k);
}

}  // namespace kur
