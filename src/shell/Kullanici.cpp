#include "shell/Kullanici.h"

#include "db/db.h"
#include "shell/Utils.h"
#include "shell/firmaadi_ara.h"
#include "shell/session.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"
#include "ui/menukeys.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
// Every column but the password: the list never holds it.
const char* kListColumns =
    "KAYIT_NO, KULLANICIKODU, KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI, DEPERTMAN, GOREVI, UNVANI, USERNAME, "
    "CARIKOD, EMAIL, CEPNO, MACNO, AKTIF";

[[noreturn]] void refuse(const QString& text, QWidget* focus = nullptr) {
  ui::Dialogs::message(text);
  if (focus) focus->setFocus();
  throw ui::Silent{};
}
}  // namespace

Tfrm_kullanici::Tfrm_kullanici(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_kullanici"));
  setWindowTitle(QStringLiteral("Kullanici Tanımları "));
  auto* lay = new QHBoxLayout(this);

  auto* left = new QVBoxLayout;
  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  cxGrid1->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cxGrid1->view()->setSelectionMode(QAbstractItemView::SingleSelection);
  cxGrid1->setColumns(grid::columns({
      {"KULLANICI_KODU", "Kullanıcı Kodu"}, {"KULLANICI_ADI", "Kullanıcı Adı"}, {"KULLANICI_SOYADI", "Soyadı"},
      {"DEPERTMAN", "Departman"},           {"GOREVI", "Görevi"},               {"UNVANI", "Ünvanı"},
      {"USERNAME", "User Name"},            {"AKTIF", "Aktif"},                 {"CARIKOD", "CariKod"}}));
  left->addWidget(cxGrid1, 1);
  auto* note = new QLabel(QStringLiteral("NOT : KALTREX Kullanıcısını Yeni ve Tam Yetkili Bir Kullanıcı Acmadan Silmeyiniz."
                                         "Kaltrex Kullanıcısını Silmeden de Başka Kullanıcılar Acabilirsiniz"),
                          this);
  note->setWordWrap(true);
  left->addWidget(note);
  lay->addLayout(left, 3);

  auto* right = new QVBoxLayout;
  auto* form = new QFormLayout;
  auto edit = [&](QLineEdit*& e, const char* name, const QString& caption, const QString& column, int width) {
    e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(width);  // held to the column's width
    form->addRow(caption, e);
    fields_.emplace_back(e, column);
  };
  edit(edt_sifre, "edt_sifre", QStringLiteral("Sifre"), QStringLiteral("SIFRE"), 10);
  edt_sifre->setEchoMode(QLineEdit::Password);
  form->addRow(QString(), new QLabel(QStringLiteral("Şifre En Fazla 10 Karekter Olabilir"), this));
  edit(edt_adi, "edt_adi", QStringLiteral("Kullanici Adı"), QStringLiteral("KULLANICI_ADI"), 20);
  edit(edt_soyadi, "edt_soyadi", QStringLiteral("Kullanici Soyadı"), QStringLiteral("KULLANICI_SOYADI"), 20);
  edit(edt_kodu, "edt_kodu", QStringLiteral("Kullanici kodu"), QStringLiteral("KULLANICI_KODU"), 15);
  edt_kodu->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), edt_kodu));
  edit(edt_depertman, "edt_depertman", QStringLiteral("Depertman"), QStringLiteral("DEPERTMAN"), 25);
  edit(edt_gorevi, "edt_gorevi", QStringLiteral("Gorevi"), QStringLiteral("GOREVI"), 20);
  edit(edt_unvani, "edt_unvani", QStringLiteral("Unvani"), QStringLiteral("UNVANI"), 20);
  edit(edt_username, "edt_username", QStringLiteral("User name"), QStringLiteral("USERNAME"), 10);
  form->addRow(QString(), new QLabel(QStringLiteral("User name, Nickname olarak Kullanılır. Programa girerken Kullanılmaz"), this));
  edt_carikod = new QLineEdit(this);
  edt_carikod->setObjectName(QStringLiteral("edt_carikod"));
  edt_carikod->setMaxLength(20);
  fields_.emplace_back(edt_carikod, QStringLiteral("CARIKOD"));
  btn_cariara = new QPushButton(QStringLiteral("..."), this);
  btn_cariara->setObjectName(QStringLiteral("btn_cariara"));
  btn_cariara->setToolTip(QStringLiteral("Cari Arama"));
  auto* cariRow = new QHBoxLayout;
  cariRow->addWidget(edt_carikod);
  cariRow->addWidget(btn_cariara);
  form->addRow(QStringLiteral("Carı Kod"), cariRow);
  form->addRow(QString(), new QLabel(QStringLiteral("Kullanıcın CariKodu ile Programda Personel İşlemlerinde bağlantı sağlanmaktadır"), this));
  edit(edt_email, "edt_email", QStringLiteral("Email"), QStringLiteral("EMAIL"), 60);
  edit(edt_macno, "edt_macno", QStringLiteral("MacNo"), QStringLiteral("MACNO"), 30);
  edt_aktif = new QComboBox(this);
  edt_aktif->setObjectName(QStringLiteral("edt_aktif"));
  edt_aktif->addItems({QStringLiteral("E"), QStringLiteral("H")});
  form->addRow(QStringLiteral("Aktif"), edt_aktif);
  edit(edt_cepno, "edt_cepno", QStringLiteral("CepNo"), QStringLiteral("CEPNO"), 20);
  ui::upperCaseInput(edt_adi);
  ui::upperCaseInput(edt_soyadi);
  ui::upperCaseInput(edt_macno);
  right->addLayout(form);

  auto* hak = new QGroupBox(QStringLiteral("Hak Tanım Durumu"), this);
  auto* hakLay = new QVBoxLayout(hak);
  rb_yetkisiz = new QRadioButton(QStringLiteral("Tüm Modullerde Yetkisiz Kullanıcı"), hak);
  rb_yetkisiz->setObjectName(QStringLiteral("rb_yetkisiz"));
  rb_tamyetkili = new QRadioButton(QStringLiteral("Tam Yetkili Kullanıcı"), hak);
  rb_tamyetkili->setObjectName(QStringLiteral("rb_tamyetkili"));
  rb_tamyetkili->setChecked(true);
  hakLay->addWidget(rb_yetkisiz);
  hakLay->addWidget(rb_tamyetkili);
  right->addWidget(hak);

  auto* buttons = new QHBoxLayout;
  btn_kaydet = ui::button(this, "btn_kaydet", QStringLiteral("Kaydet"), buttons);
  btn_yeni = ui::button(this, "btn_yeni", QStringLiteral("Yeni"), buttons);
  btn_sil = ui::button(this, "btn_sil", QStringLiteral("Sil"), buttons);
  btn_iptal = ui::button(this, "btn_iptal", QStringLiteral("İptal"), buttons);
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), buttons);
  right->addLayout(buttons);
  right->addStretch();
  lay->addLayout(right, 2);

  connect(btn_kaydet, &QPushButton::clicked, this, &Tfrm_kullanici::btn_kaydetClick);
  connect(btn_yeni, &QPushButton::clicked, this, &Tfrm_kullanici::btn_yeniClick);
  connect(btn_sil, &QPushButton::clicked, this, &Tfrm_kullanici::btn_silClick);
  connect(btn_iptal, &QPushButton::clicked, this, &Tfrm_kullanici::btn_iptalClick);
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  connect(btn_cariara, &QPushButton::clicked, this, &Tfrm_kullanici::btn_cariaraClick);
  for (auto& [e, col] : fields_) connect(e, &QLineEdit::textEdited, this, [this] { startChange(); });
  connect(edt_aktif, &QComboBox::activated, this, [this] { startChange(); });
  // Leaving the login name with no nickname: the nickname becomes the login name.
  connect(edt_adi, &QLineEdit::editingFinished, this, [this] {
    if (durum_ != Durum::Gozat && edt_username->text().isEmpty()) edt_username->setText(edt_adi->text().left(10));
  });
  edt_macno->installEventFilter(this);
  connect(cxGrid1, &grid::DBGrid::currentRowChanged, this, [this](int) {
    if (durum_ == Durum::Gozat) showCurrent();
  });
  ui::MenuKeys keys;
  keys.kaydet = [this] { btn_kaydetClick(); };
  keys.yeni = [this] { btn_yeniClick(); };
  keys.sil = [this] { btn_silClick(); };
  keys.iptal = [this] { btn_iptalClick(); };
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  edt_kodu->setEnabled(false);
  resize(1100, 560);
  ui::runHandler([this] { listele(); });
}

void Tfrm_kullanici::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tfrm_kullanici::FormShow() {
  ui::runHandler([this] { yetki.load(QStringLiteral("kullanicilar")); });
}

bool Tfrm_kullanici::eventFilter(QObject* o, QEvent* e) {
  if (o == edt_macno && e->type() == QEvent::MouseButtonDblClick) edt_macnoDblClick();
  return QDialog::eventFilter(o, e);
}

void Tfrm_kullanici::listele(const QVariant& selectKey) {
  db::Query q(QStringLiteral("qry_kullanici"), QStringLiteral("SELECT %1 FROM ELEMANLAR").arg(QString::fromLatin1(kListColumns)));
  q.exec();
  cxGrid1->load(q);
  if (selectKey.isValid())
    for (int r : cxGrid1->shownRows())
      if (cxGrid1->value(QStringLiteral("KAYIT_NO"), r) == selectKey) cxGrid1->setCurrentRow(r);
  showCurrent();
}

void Tfrm_kullanici::showCurrent() {
  loading_ = true;
  const QSqlRecord r = cxGrid1->record();
  for (auto& [e, col] : fields_) {
    if (col == QLatin1String("SIFRE")) continue;
    const QVariant v = r.value(col);
    e->setText(v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 15) : v.toString());
  }
  edt_aktif->setCurrentText(r.value(QStringLiteral("AKTIF")).toString());
  // The password of the one user being edited, read into its masked field only.
  edt_sifre->clear();
  const QVariant key = r.value(QStringLiteral("KAYIT_NO"));
  if (key.isValid() && !key.isNull()) {
    db::Query q(QStringLiteral("qry_sifre"), QStringLiteral("SELECT SIFRE FROM ELEMANLAR WHERE KAYIT_NO = :k"));
    q.bind(QStringLiteral("k"), key);
    q.exec();
    edt_sifre->setText(q.text(QStringLiteral("SIFRE")));
  }
  loading_ = false;
}

void Tfrm_kullanici::startChange() {
  if (loading_ || durum_ != Durum::Gozat || cxGrid1->currentRow() < 0) return;
  durum_ = Durum::Degistir;
  cxGrid1->setEnabled(false);
}

void Tfrm_kullanici::btn_yeniClick() {
  ui::runHandler([this] {
    if (!login::Yetkiler::izin(yetki.yetki_insert)) return;
    durum_ = Durum::Yeni;
    loading_ = true;
    for (auto& [e, col] : fields_) e->clear();
    edt_aktif->setCurrentText(QStringLiteral("E"));
    loading_ = false;
    cxGrid1->setEnabled(false);
    edt_kodu->setText(QString::number(qlonglong(login::nextRecordNo(QStringLiteral("ELEMANLAR")))));
    edt_kodu->setEnabled(true);
    edt_kodu->setFocus();
  });
}

void Tfrm_kullanici::btn_kaydetClick() {
  ui::runHandler([this] { kaydet(); });
}

void Tfrm_kullanici::kaydet() {
  if (!login::Yetkiler::izin(yetki.yetki_post)) return;
  if (durum_ == Durum::Gozat) return;
  const bool yeni = durum_ == Durum::Yeni;
  if (yeni && edt_kodu->text().isEmpty()) refuse(QStringLiteral("Kullanici Kodu boş olamaz !"), edt_kodu);
  if (edt_adi->text().isEmpty()) refuse(QStringLiteral("Kullanici adı boş olamaz !"), edt_adi);
  // An empty password on a change would lock the user out.
  if (edt_sifre->text().isEmpty()) refuse(QStringLiteral("Şifre boş olamaz !"), edt_sifre);
  if (edt_username->text().isEmpty()) refuse(QStringLiteral("User Name Boş Olamaz !"), edt_username);
  const double kod = edt_kodu->text().toDouble();
  if (yeni) {
    db::Query q(QStringLiteral("qry_uyari"), QStringLiteral("select *  from ELEMANLAR where 1=1  and KULLANICI_KODU = :k"));
    q.bind(QStringLiteral("k"), kod);
    q.exec();
    if (!q.isEmpty())
      refuse(QStringLiteral("Bu  Kod ile Kayıtlı Kullanıcı  Var. Yeni Kullanıcı Girerken Lütfen Farklı Bir Kullanıcı Kodu Kullanınız"));
  }
  QStringList names, params;
  for (auto& [e, col] : fields_) {
    if (!yeni && col == QLatin1String("KULLANICI_KODU")) continue;
    names << col;
    params << QLatin1Char(':') + col;
  }
  names << QStringLiteral("AKTIF");
  params << QStringLiteral(":AKTIF");
  QVariant key = cxGrid1->value(QStringLiteral("KAYIT_NO"));
  const bool tam = rb_tamyetkili->isChecked();
  db::runDocument([&] {
    db::Query w(QStringLiteral("qry_kullanici"));
    if (yeni) {
      w.setSql(QStringLiteral("INSERT INTO ELEMANLAR (KULLANICIKODU, %1) VALUES ('', %2)")
                   .arg(names.join(QStringLiteral(", ")), params.join(QStringLiteral(", "))));
    } else {
      QStringList sets;
      for (int i = 0; i < names.size(); ++i) sets << names[i] + QStringLiteral(" = ") + params[i];
      w.setSql(QStringLiteral("UPDATE ELEMANLAR SET %1 WHERE KAYIT_NO = :key").arg(sets.join(QStringLiteral(", "))));
      w.bind(QStringLiteral("key"), key);
    }
    for (auto& [e, col] : fields_) {
      if (!yeni && col == QLatin1String("KULLANICI_KODU")) continue;
      if (col == QLatin1String("KULLANICI_KODU")) w.bind(col, kod);
      else w.bind(col, e->text());
    }
    w.bind(QStringLiteral("AKTIF"), edt_aktif->currentText());
    w.exec();
    if (yeni) {
      key = w.lastInsertId().toLongLong();
      login::hakTanimla(kod, login::SIRKET, tam ? login::HakTuru::Yetkili : login::HakTuru::Yetkisiz);
    }
  });
  durum_ = Durum::Gozat;
  edt_kodu->setEnabled(false);
  cxGrid1->setEnabled(true);
  listele(key);
}

void Tfrm_kullanici::btn_silClick() {
  ui::runHandler([this] {
    if (cxGrid1->rowCount() == 1)
      refuse(QStringLiteral("ÖNEMLİ UYARI !...Tek Kullanıcı Var. İkinci Bir Kullanıcı Acmadan ve Tam Yetkili Yapmadan "
                            "Kullanıcı SİLEMEZSİNİZ."));
    if (cxGrid1->currentRow() < 0) return;
    if (!login::Yetkiler::izin(yetki.yetki_delete)) return;
    if (!ui::Dialogs::question(QStringLiteral("Silmek istiyormusunuz ?"))) return;
    const QVariant kod = cxGrid1->value(QStringLiteral("KULLANICI_KODU"));
    const QVariant key = cxGrid1->value(QStringLiteral("KAYIT_NO"));
    db::runDocument([&] {
      db::Query del(QStringLiteral("Query3"), QStringLiteral("delete  from KULLANICILAR   WHERE KULLANICI_KODU = :k"));
      del.bind(QStringLiteral("k"), kod);
      del.exec();
      db::Query u(QStringLiteral("qry_kullanici"), QStringLiteral("DELETE FROM ELEMANLAR WHERE KAYIT_NO = :key"));
      u.bind(QStringLiteral("key"), key);
      u.exec();
    });
    listele();
  });
}

void Tfrm_kullanici::btn_iptalClick() {
  durum_ = Durum::Gozat;
  edt_kodu->setEnabled(false);
  cxGrid1->setEnabled(true);
  ui::runHandler([this] { showCurrent(); });
}

void Tfrm_kullanici::btn_cariaraClick() {
  ui::runHandler([this] {
    Tfrm_firmaadi_ara picker(this);
    picker.setWindowTitle(QStringLiteral("Personel Seciniz"));
    firmaadi_ara::firmacarituru = QStringLiteral("PERSONEL");
    firmaadi_ara::cariarama_param46 = QStringLiteral("H");
    const QString v = picker.dosya_ara_modal();
    if (v == QLatin1String("-1")) return;
    const QSqlRecord r = picker.current();
    startChange();
    edt_cepno->setText(r.value(QStringLiteral("CEPNO")).toString());
    edt_email->setText(r.value(QStringLiteral("EMAIL")).toString());
    edt_carikod->setText(r.value(QStringLiteral("CARIKOD")).toString());
  });
}

void Tfrm_kullanici::edt_macnoDblClick() {
  startChange();
  edt_macno->setText(login::usermacid);
}

void Tfrm_kullanici::closeEvent(QCloseEvent* e) {
  db::Connection::instance().close();
  QDialog::closeEvent(e);
}
