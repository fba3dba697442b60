#include "shell/rights.h"

#include "db/db.h"
#include "shell/dm.h"
#include "shell/session.h"
#include "ui/dialogs.h"

#include <QSqlField>
#include <QSqlRecord>

namespace login {
namespace {
// The user code is a number: a missing or malformed one matches no row (the server would
// read '' or '5x' as a number and could match another user's rows).
bool noUser() {
  bool ok = false;
  kul_kod.toDouble(&ok);
  return !ok;
}
QVariant userCode() { return kul_kod.toDouble(); }

db::Query& scratch() {
  static db::Query q(QStringLiteral("Query1"));
  return q;
}

// The user's rights row for a module in the current company (the first, should there be
// several); empty when there is none.
QSqlRecord rightsRow(db::Query& q, const QString& modul) {
  if (noUser()) return {};
  q.setSql(QStringLiteral("select * from KULLANICILAR where 1=1 and KULLANICI_KODU = :kod and MODULADI = :modul "
                          "and SIRKETKODU = :sirket order by KAYITNO"));
  q.bind(QStringLiteral("kod"), userCode());
  q.bind(QStringLiteral("modul"), db::sqlTextValue(modul));
  q.bind(QStringLiteral("sirket"), db::sqlTextValue(SIRKET));
  q.exec();
  return q.isEmpty() ? QSqlRecord() : q.row(0);
}
}  // namespace

void yetkibul(const QString& modul, const QString& yetki) {
  gy_modul = modul;
  gy_yetki = yetki;
  gy_durumu = QStringLiteral("H");
  const QSqlRecord r = rightsRow(scratch(), modul);
  scratch().close();
  const int i = r.indexOf(yetki);  // case-insensitive; an unknown column finds nothing
  if (i >= 0 && !r.value(i).toString().isEmpty()) gy_durumu = r.value(i).toString();
}

bool yetkiVar(const QString& modul, const QString& yetki) {
  yetkibul(modul, yetki);
  if (gy_durumu == QLatin1String("E")) return true;
  ui::Dialogs::message(gy_modul + QStringLiteral(" modülünde ") + gy_yetki + QStringLiteral(" yetkisine sahip değilsiniz."));
  return false;
}

bool ekranGirisiVar(const QString& modul, bool showRefusal) {
  const QString value = rightsRow(scratch(), modul).value(QStringLiteral("FORMGIRISI")).toString();
  scratch().close();
  if (!value.isEmpty() && value != QLatin1String("H")) return true;
  if (showRefusal) ui::Dialogs::message(QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz.(") + modul + QStringLiteral(")"));
  return false;
}

void Yetkiler::load(const QString& modul) {
  *this = Yetkiler{};
  const QSqlRecord r = rightsRow(DM1->qry_kullanicilar, modul);
  if (r.isEmpty()) return;
  auto v = [&](const char* column) { return r.value(QString::fromLatin1(column)).toString(); };
  yetki_post = v("KAYIT");
  yetki_insert = v("YENIKAYIT");
  yetki_edit = v("DEGISTIRME");
  yetki_delete = v("SILME");
  yetki_show = v("FORMGIRISI");
  yetki_print = v("RAPOR");
  yetki_ozel1 = v("OZELYETKI1");
  yetki_ozel2 = v("OZELYETKI2");
  yetki_ozel3 = v("OZELYETKI3");
  yetki_ozel4 = v("OZELYETKI4");
  yetki_val = v("VERIAL");
  yetki_vver = v("VERIVER");
  yetki_kkgor = v("KENDIKAYDINIGOR");
  yetki_agor = v("ANALIZGOR");
  yetki_evgir = v("EKVERIGIR");
  yetki_eiyap = v("EKISLEMYAP");
  yetki_netuyg = v("NETUYGULAMA");
  yetki_aguyg = v("AGUYGULAMA");
  yetki_cbgor = v("CARIBILGIGOR");
  yetki_ctgor = v("CARITUTARGOR");
  yetki_ekrankapgel = v("EKRANKAPALIGELSIN");
  yetki_tam = v("TAMYETKI");
}

bool Yetkiler::izin(const QString& flag) {
  if (flag == QLatin1String("E")) return true;
  ui::Dialogs::message(QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz"));
  return false;
}

QString Yetkiler::kendiKayitlari(const QString& column) const {
  if (yetki_kkgor != QLatin1String("E")) return {};
  return QStringLiteral(" and ") + column + QStringLiteral(" =") + db::sqlQuote(userim) + QLatin1Char(' ');
}

bool Yetkiler::kilitAcik(const QString& kilit) const {
  return kilit != QLatin1String("E") || yetki_tam == QLatin1String("E");
}

const QStringList& yetkiKolonlari() {
  static const QStringList c{
      QStringLiteral("KAYIT"),       QStringLiteral("YENIKAYIT"),       QStringLiteral("DEGISTIRME"),
      QStringLiteral("SILME"),       QStringLiteral("FORMGIRISI"),      QStringLiteral("RAPOR"),
      QStringLiteral("OZELYETKI1"),  QStringLiteral("OZELYETKI2"),      QStringLiteral("OZELYETKI3"),
      QStringLiteral("OZELYETKI4"),  QStringLiteral("VERIAL"),          QStringLiteral("VERIVER"),
      QStringLiteral("KENDIKAYDINIGOR"), QStringLiteral("ANALIZGOR"),   QStringLiteral("EKVERIGIR"),
      QStringLiteral("EKISLEMYAP"),  QStringLiteral("NETUYGULAMA"),     QStringLiteral("AGUYGULAMA"),
      QStringLiteral("CARIBILGIGOR"), QStringLiteral("CARITUTARGOR"),   QStringLiteral("EKRANKAPALIGELSIN"),
      QStringLiteral("TAMYETKI")};
  return c;
}

int hakTanimla(const QVariant& kullaniciKodu, const QString& sirket, HakTuru tur, const QStringList& ozel) {
  QStringList values;
  for (const QString& c : yetkiKolonlari()) {
    bool yes = false;
    if (tur == HakTuru::Yetkili)
      yes = c != QLatin1String("KENDIKAYDINIGOR") && c != QLatin1String("EKRANKAPALIGELSIN");
    else if (tur == HakTuru::Ozel)
      yes = ozel.contains(c);
    values << (yes ? QStringLiteral("'E'") : QStringLiteral("'H'"));
  }
  db::Transaction t;
  db::Query del(QStringLiteral("Query3"));
  del.setSql(QStringLiteral("delete  from KULLANICILAR   WHERE KULLANICI_KODU = :kod and SIRKETKODU = :sirket"));
  del.bind(QStringLiteral("kod"), kullaniciKodu);
  del.bind(QStringLiteral("sirket"), sirket);
  del.exec();
  db::Query ins(QStringLiteral("qry_kullanicilar"));
  ins.setSql(QStringLiteral("INSERT INTO KULLANICILAR (KULLANICIKODU, SIRKETKODU, KULLANICI_KODU, MODULADI, %1) "
                            "SELECT '', :sirket, :kod, MODULADI, %2 FROM MODULLER ORDER BY KAYITNO")
                 .arg(yetkiKolonlari().join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
  ins.bind(QStringLiteral("kod"), kullaniciKodu);
  ins.bind(QStringLiteral("sirket"), sirket);
  ins.exec();
  t.commit();
  return ins.affectedRows();
}

}  // namespace login
