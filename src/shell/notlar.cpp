#include "shell/notlar.h"

#include "db/db.h"
#include "shell/Utils.h"
#include "shell/farkliolan.h"
#include "shell/firmaadi_ara.h"
#include "shell/session.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"
#include "ui/menukeys.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QTime>

namespace {

const char* kColumns[][2] = {{"KAYITNO", "KAYITNO"},     {"CARIKODU", "CARIKODU"},   {"CARIUNVAN", "CARIUNVAN"},
                             {"EVRAKTURU", "EVRAKTURU"}, {"ACIKLAMA1", "ACIKLAMA1"}, {"ACIKLAMA2", "ACIKLAMA2"},
                             {"TARIH1", "TARIH1"},       {"TARIH2", "TARIH2"},       {"KULLANICI", "KULLANICI"},
                             {"UYARSINMI", "UYARSINMI"}, {"SONUC", "SONUC"},         {"KATAGORI", "KATAGORI"},
                             {"SAAT", "SAAT"},           {"DURUM", "DURUM"},         {"ONEMI", "ONEMI"},
                             {"DEGISTIRMETARIHI", "DEGISTIRMETARIHI"}, {"NOTUYAZAN", "NOTUYAZAN"},
                             {"YETKILIADI", "YETKILIADI"}, {"TEL1", "TEL1"},         {"CEPTEL", "CEPTEL"}};

[[noreturn]] void refuse(const char* right) {
  ui::Dialogs::message(QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz.(Yetki:%1)").arg(QString::fromUtf8(right)));
  throw ui::Silent{};
}
}  // namespace

Tfrm_notlar::Tfrm_notlar(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_notlar"));
  setWindowTitle(QStringLiteral("Acıklama-Notlar"));
  auto* outer = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  btn_yeni = ui::button(this, "btn_yeni", QStringLiteral("Yeni"), bar);
  btn_kaydet = ui::button(this, "btn_kaydet", QStringLiteral("Kaydet"), bar);
  btn_sil = ui::button(this, "btn_sil", QStringLiteral("Sil"), bar);
  btn_iptal = ui::button(this, "btn_iptal", QStringLiteral("İptal"), bar);
  btn_islemler = ui::button(this, "btn_islemler", QStringLiteral("İşlemler"), bar);
  mnu_islemler = new QMenu(this);
  mnu_tumunulistele = mnu_islemler->addAction(QStringLiteral("Tümünü Listele"));
  mnu_caritumnotlar = mnu_islemler->addAction(QStringLiteral("Bu Cari Karta Ait Tüm Notları Getir"));
  mnu_kopya = mnu_islemler->addAction(QStringLiteral("Kopyasını Oluştur"));
  mnu_notlistesi = mnu_islemler->addAction(QStringLiteral("Aciklama-Not Listesi"));
  mnu_excel = mnu_islemler->addAction(QStringLiteral("Excele Aktar"));
  mnu_notlistesi->setEnabled(false);
  mnu_excel->setEnabled(false);
  btn_islemler->setMenu(mnu_islemler);
  bar->addStretch();
  btn_solda = ui::button(this, "btn_solda", QStringLiteral("◧"), bar);
  btn_solda->setToolTip(QStringLiteral("Giriş paneli solda"));
  btn_ustte = ui::button(this, "btn_ustte", QStringLiteral("⬒"), bar);
  btn_ustte->setToolTip(QStringLiteral("Giriş paneli üstte"));
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), bar);
  outer->addLayout(bar);

  main_ = new QBoxLayout(QBoxLayout::TopToBottom);
  outer->addLayout(main_, 1);
  panel_ = new QWidget(this);
  auto* form = new QGridLayout(panel_);
  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  cxGrid1->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  std::vector<grid::Column> cols;
  for (auto& c : kColumns) {
    grid::Column col;
    col.field = QString::fromLatin1(c[0]);
    col.caption = QString::fromLatin1(c[1]);
    cols.push_back(col);
  }
  cxGrid1->setColumns(cols);
  binder = new grid::Binder(cxGrid1);

  int row = 0, col = 0;
  auto place = [&](const QString& caption, QWidget* w, int span = 1) {
    form->addWidget(new QLabel(caption, panel_), row, col * 2);
    form->addWidget(w, row, col * 2 + 1, 1, span);
    if (++col == 3 || span > 1) {
      col = 0;
      ++row;
    }
  };
  auto line = [&](QLineEdit*& e, const char* name, const QString& caption, const char* field, int width,
                  grid::Binder::Kind kind = grid::Binder::Kind::Text) {
    e = new QLineEdit(panel_);
    e->setObjectName(QString::fromLatin1(name));
    binder->bind(e, QString::fromLatin1(field), width, kind);
    place(caption, e);
  };
  auto combo = [&](QComboBox*& c, const char* name, const QString& caption, const char* field, int width,
                   const QStringList& items) {
    c = new QComboBox(panel_);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    binder->bind(c, QString::fromLatin1(field), width);
    place(caption, c);
  };
  line(edt_carikodu, "edt_carikodu", QStringLiteral("Cari Kodu"), "CARIKODU", 20);
  btn_cariara = new QPushButton(QStringLiteral("..."), panel_);
  btn_cariara->setObjectName(QStringLiteral("btn_cariara"));
  form->addWidget(btn_cariara, row, 2);
  col = 2;
  line(edt_cariunvan, "edt_cariunvan", QStringLiteral("Cari Ünvan"), "CARIUNVAN", 120);
  line(edt_aciklama1, "edt_aciklama1", QStringLiteral("Acıklama 1"), "ACIKLAMA1", 255);
  btn_adres1 = new QPushButton(QStringLiteral("A"), panel_);
  btn_adres1->setObjectName(QStringLiteral("btn_adres1"));
  btn_adres1->setToolTip(QStringLiteral("Adres bilgisi"));
  form->addWidget(btn_adres1, row, 2);
  col = 2;
  line(edt_tarih1, "edt_tarih1", QStringLiteral("Kayıt Tarihi"), "TARIH1", 0, grid::Binder::Kind::Date);
  row++;
  col = 0;
  edt_aciklama2 = new QPlainTextEdit(panel_);
  edt_aciklama2->setObjectName(QStringLiteral("edt_aciklama2"));
  edt_aciklama2->setMaximumHeight(70);
  binder->bind(edt_aciklama2, QStringLiteral("ACIKLAMA2"), 1000);
  form->addWidget(new QLabel(QStringLiteral("Acıklama 2"), panel_), row, 0);
  form->addWidget(edt_aciklama2, row, 1, 1, 3);
  btn_adres2 = new QPushButton(QStringLiteral("A"), panel_);
  btn_adres2->setObjectName(QStringLiteral("btn_adres2"));
  btn_adres2->setToolTip(QStringLiteral("Adres ve vergi bilgisi"));
  form->addWidget(btn_adres2, row, 4);
  ++row;
  line(edt_tarih2, "edt_tarih2", QStringLiteral("Hatırlatma Tarihi"), "TARIH2", 0, grid::Binder::Kind::Date);
  combo(cmb_uyarsinmi, "cmb_uyarsinmi", QStringLiteral("Uyarsın mı ?"), "UYARSINMI", 5, {QStringLiteral("EVET"), QStringLiteral("HAYIR")});
  combo(cmb_sonuc, "cmb_sonuc", QStringLiteral("Sonuç"), "SONUC", 25,
        {"YAPILDI", "YAPILMADI", "ERTELENDİ", "İPTAL", "DEĞİŞTİRİLDİ", "DİĞER"});
  combo(cmb_katagori, "cmb_katagori", QStringLiteral("Tür"), "KATAGORI", 50,
        {"SATIŞ", "DESTEK", "EĞİTİM", "SERVİS", "PERİYODİK", "OFİS", "DİĞER"});
  combo(cmb_durum, "cmb_durum", QStringLiteral("Durum"), "DURUM", 30, {"BEKLEMEDE", "TEKRAR HATIRLATILDI"});
  combo(cmb_onemi, "cmb_onemi", QStringLiteral("Önemi"), "ONEMI", 15, {"DÜŞÜK", "ORTA", "NORMAL", "YÜKSEK", "ACİL"});
  line(edt_kullanici, "edt_kullanici", QStringLiteral("Kullanıcı"), "KULLANICI", 15);
  line(edt_saat, "edt_saat", QStringLiteral("Saat"), "SAAT", 0, grid::Binder::Kind::Time);
  line(edt_notuyazan, "edt_notuyazan", QStringLiteral("Yazan"), "NOTUYAZAN", 20);
  line(edt_yetkiliadi, "edt_yetkiliadi", QStringLiteral("Yetkili "), "YETKILIADI", 20);
  line(edt_tel1, "edt_tel1", QStringLiteral("Tel"), "TEL1", 15);
  line(edt_ceptel, "edt_ceptel", QStringLiteral("Cep Tel"), "CEPTEL", 15);
  main_->addWidget(panel_);
  main_->addWidget(cxGrid1, 1);

  previous_ = {{cmb_sonuc, {QStringLiteral("SONUC"), QStringLiteral("SONUC")}},
               {cmb_durum, {QStringLiteral("DURUM"), QStringLiteral("DURUM")}},
               {cmb_katagori, {QStringLiteral("KATAGORI"), QStringLiteral("KATAGORI")}},
               {cmb_onemi, {QStringLiteral("ONEMI"), QStringLiteral("ONEMI")}},
               {edt_notuyazan, {QStringLiteral("NOTUYAZAN"), QStringLiteral("NOTUYAZAN")}},
               {edt_tarih1, {QStringLiteral("NOTUYAZAN"), QStringLiteral("NOTUYAZAN")}},
               {edt_saat, {QStringLiteral("NOTUYAZAN"), QStringLiteral("NOTUYAZAN")}}};
  for (auto& [w, cols2] : previous_) {
    if (auto* c = qobject_cast<QComboBox*>(w)) c->lineEdit()->installEventFilter(this);
    else w->installEventFilter(this);
  }

  connect(btn_yeni, &QPushButton::clicked, this, &Tfrm_notlar::btn_yeniClick);
  connect(btn_kaydet, &QPushButton::clicked, this, &Tfrm_notlar::btn_kaydetClick);
  connect(btn_sil, &QPushButton::clicked, this, &Tfrm_notlar::btn_silClick);
  connect(btn_iptal, &QPushButton::clicked, this, &Tfrm_notlar::btn_iptalClick);
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  connect(btn_cariara, &QPushButton::clicked, this, &Tfrm_notlar::btn_cariaraClick);
  connect(btn_adres1, &QPushButton::clicked, this, [this] { adresClick(false); });
  connect(btn_adres2, &QPushButton::clicked, this, [this] { adresClick(true); });
  connect(mnu_kopya, &QAction::triggered, this, &Tfrm_notlar::KopyasiniOlusturClick);
  connect(mnu_tumunulistele, &QAction::triggered, this, &Tfrm_notlar::TumunuListeleClick);
  connect(mnu_caritumnotlar, &QAction::triggered, this, &Tfrm_notlar::CariTumNotlarClick);
  connect(btn_solda, &QPushButton::clicked, this, [this] {
    main_->setDirection(QBoxLayout::LeftToRight);
    panel_->setFixedWidth(593);
    panel_->setMaximumHeight(QWIDGETSIZE_MAX);
    showMaximized();
  });
  connect(btn_ustte, &QPushButton::clicked, this, [this] {
    main_->setDirection(QBoxLayout::TopToBottom);
    panel_->setMinimumWidth(0);
    panel_->setMaximumWidth(QWIDGETSIZE_MAX);
    panel_->setFixedHeight(317);
  });
  ui::MenuKeys keys;
  keys.yeni = [this] { btn_yeniClick(); };
  keys.kaydet = [this] { btn_kaydetClick(); };
  keys.sil = [this] { btn_silClick(); };
  keys.iptal = [this] { btn_iptalClick(); };
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  binder->load();
  resize(1100, 700);
}

void Tfrm_notlar::ac(QWidget* owner, const registry::OpenArgs& a) {
  Tfrm_notlar w(owner);
  notlar::notevrakkayitno = a.ownerNo.toInt();
  notlar::notevrakkayitturu = a.ownerKind;
  notlar::notcarikodu = a.cariKod;
  notlar::notcariunvan = a.cariUnvan;
  // The main window's quick entry opens it small, without the layout buttons.
  if (a.flags.count(QStringLiteral("gizliYerlesim"))) {
    w.btn_solda->hide();
    w.btn_ustte->hide();
  }
  if (auto h = a.flags.find(QStringLiteral("yukseklik")); h != a.flags.end()) w.resize(w.width(), h->second.toInt());
  if (!a.ownerKind.isEmpty()) ui::runHandler([&] { w.listOwner(); });
  ui::showModal(w);
  w.close();
}

void Tfrm_notlar::listOwner() {
  list(QStringLiteral("select * from ACIKLAMALAR where 1=1  and EVRAKKAYITNO = :no and EVRAKTURU = :tur "),
       {{QStringLiteral("no"), notlar::notevrakkayitno}, {QStringLiteral("tur"), db::sqlTextValue(notlar::notevrakkayitturu)}});
}

void Tfrm_notlar::list(const QString& sql, const std::map<QString, QVariant>& binds) {
  lastSql_ = sql;
  lastBinds_ = binds;
  db::Query q(QStringLiteral("qry_aciklamalar"));
  q.setSql(sql);
  for (const auto& [k, v] : binds) q.bind(k, v);
  q.exec();
  cxGrid1->setEditable(QStringLiteral("ACIKLAMALAR"), QStringLiteral("KAYITNO"));
  cxGrid1->load(q);
  binder->load();
}

void Tfrm_notlar::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tfrm_notlar::FormShow() {
  ui::runHandler([this] {
    yetki.load(QStringLiteral("notlar"));
    if (notlar::notevrakkayitturu.isEmpty())
      list(QStringLiteral("select * from ACIKLAMALAR where 1=1  and SIRKETKODU = :sirket order by 1 limit 0"),
           {{QStringLiteral("sirket"), login::SIRKET}});
  });
}

void Tfrm_notlar::btn_yeniClick() {
  ui::runHandler([this] {
    if (yetki.yetki_insert != QLatin1String("E")) refuse("YeniKayıt");
    if (!cxGrid1->editable()) FormShow();
    // Copied names are cut to their columns' widths.
    cxGrid1->append({{QStringLiteral("EVRAKKAYITNO"), notlar::notevrakkayitno},
                     {QStringLiteral("EVRAKTURU"), Utils::fit(notlar::notevrakkayitturu, 20)},
                     {QStringLiteral("CARIKODU"), Utils::fit(notlar::notcarikodu, 20)},
                     {QStringLiteral("CARIUNVAN"), Utils::fit(notlar::notcariunvan, 120)},
                     {QStringLiteral("KULLANICI"), Utils::fit(login::kullanici1, 15)},
                     {QStringLiteral("SIRKETKODU"), login::SIRKET},
                     {QStringLiteral("TARIH1"), QDate::currentDate()},
                     {QStringLiteral("DEGISTIRMETARIHI"), QDate::currentDate()},
                     {QStringLiteral("SAAT"), QTime::currentTime()},
                     {QStringLiteral("UYARSINMI"), QStringLiteral("EVET")},
                     {QStringLiteral("SONUC"), QStringLiteral("YAPILMADI")}});
    binder->load();
  });
}

void Tfrm_notlar::btn_kaydetClick() {
  ui::runHandler([this] {
    if (yetki.yetki_post != QLatin1String("E")) refuse("Kaydet");
    cxGrid1->post();
    binder->load();
  });
}

void Tfrm_notlar::btn_silClick() {
  ui::runHandler([this] {
    if (yetki.yetki_delete != QLatin1String("E")) refuse("Silme");
    if (cxGrid1->rowCount() == 0) return;
    if (!ui::Dialogs::question(QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "))) return;
    cxGrid1->deleteCurrent();
    binder->load();
    ui::Dialogs::message(QStringLiteral(" Kayıt  Silindi "));
  });
}

void Tfrm_notlar::btn_iptalClick() {
  cxGrid1->cancel();
  binder->load();
}

void Tfrm_notlar::btn_cariaraClick() {
  ui::runHandler([this] {
    if (cxGrid1->currentRow() < 0) return;
    Tfrm_firmaadi_ara picker(this);
    if (picker.dosya_ara_modal() == QLatin1String("-1")) return;
    const QSqlRecord r = picker.current();
    auto v = [&](const char* f) { return r.value(QString::fromLatin1(f)).toString(); };
    cxGrid1->setValue(QStringLiteral("CARIUNVAN"), v("CARIUNVAN"));
    cxGrid1->setValue(QStringLiteral("CARIKODU"), v("CARIKOD"));
    cxGrid1->setValue(QStringLiteral("NOTUYAZAN"), v("ILGILI").left(20));
    cxGrid1->setValue(QStringLiteral("YETKILIADI"), v("YETKILI1").left(20));
    cxGrid1->setValue(QStringLiteral("TEL1"), v("TEL1"));
    cxGrid1->setValue(QStringLiteral("CEPTEL"), v("CEPNO"));
    binder->load();
  });
}

void Tfrm_notlar::adresClick(bool ikinci) {
  ui::runHandler([&] {
    if (cxGrid1->currentRow() < 0) return;
    Tfrm_firmaadi_ara picker(this);
    picker.setWindowTitle(QStringLiteral(" Firma Bilgisi"));
    if (picker.dosya_ara_modal() == QLatin1String("-1")) return;
    const QSqlRecord r = picker.current();
    auto v = [&](const char* f) { return r.value(QString::fromLatin1(f)).toString(); };
    // The address once (the old text repeated it).
    QString text = v("CARIUNVAN") + QLatin1Char(' ') + v("ILGILI") + QLatin1Char('-') + v("ADRES") + QLatin1Char(' ') +
                   v("ILCE") + QLatin1Char(' ') + v("IL") + QLatin1Char(' ') + v("ULKE");
    if (ikinci) {
      text += QStringLiteral("- ") + v("VDAIRESI") + QLatin1Char(' ') + v("VNO") + QStringLiteral("- ") + v("SEVKADRESI");
      cxGrid1->setValue(QStringLiteral("ACIKLAMA2"), text.left(1000));
    } else {
      cxGrid1->setValue(QStringLiteral("ACIKLAMA1"), text.left(255));
    }
    binder->load();
  });
}

void Tfrm_notlar::KopyasiniOlusturClick() {
  ui::runHandler([this] {
    if (yetki.yetki_insert != QLatin1String("E")) refuse("YeniKayıt");
    if (cxGrid1->currentRow() < 0) return;
    const QVariant key = cxGrid1->value(QStringLiteral("KAYITNO"));
    if (key.isNull()) return;  // an unsaved row has nothing to copy yet
    const QString columns = QStringLiteral(
        "KULLANICIKODU, SIRKETKODU, CARIKODU, CARIUNVAN, EVRAKKAYITNO, EVRAKTURU, ACIKLAMA1, ACIKLAMA2, TARIH1, TARIH2, "
        "KULLANICI, UYARSINMI, SONUC, KATAGORI, SAAT, DURUM, ONEMI, DEGISTIRMETARIHI, NOTUYAZAN, YETKILIADI, TEL1, CEPTEL");
    db::Query q(QStringLiteral("qry_aciklamalar"));
    q.setSql(QStringLiteral("INSERT INTO ACIKLAMALAR (%1) SELECT %1 FROM ACIKLAMALAR WHERE KAYITNO = :k").arg(columns));
    q.bind(QStringLiteral("k"), key);
    q.exec();
    const qlonglong copy = q.lastInsertId().toLongLong();
    list(lastSql_, lastBinds_);  // the copy shows beside the original
    for (int r : cxGrid1->shownRows())
      if (cxGrid1->value(QStringLiteral("KAYITNO"), r).toLongLong() == copy) cxGrid1->setCurrentRow(r);
  });
}

void Tfrm_notlar::TumunuListeleClick() {
  ui::runHandler([this] {
    list(QStringLiteral("select * from ACIKLAMALAR where 1=1  and SIRKETKODU = :sirket "), {{QStringLiteral("sirket"), login::SIRKET}});
  });
}

void Tfrm_notlar::CariTumNotlarClick() {
  ui::runHandler([this] {
    if (notlar::notcarikodu.isEmpty()) return;
    list(QStringLiteral("select * from ACIKLAMALAR where 1=1  and SIRKETKODU = :sirket and CARIKODU = :kod "),
         {{QStringLiteral("sirket"), login::SIRKET}, {QStringLiteral("kod"), db::sqlTextValue(notlar::notcarikodu)}});
  });
}

bool Tfrm_notlar::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonDblClick) {
    QObject* key = o;
    for (auto& [w, cols] : previous_)
      if (auto* c = qobject_cast<QComboBox*>(w); c && c->lineEdit() == o) key = w;
    auto it = previous_.find(key);
    if (it != previous_.end()) {
      pickPrevious(it->second.first, it->second.second);
      return true;
    }
  }
  return QDialog::eventFilter(o, e);
}

void Tfrm_notlar::pickPrevious(const QString& column, const QString& into) {
  ui::runHandler([&] {
    if (cxGrid1->currentRow() < 0) return;
    Tfrm_farkliolan picker(this);
    farkliolan::tabloadi = QStringLiteral("ACIKLAMALAR");
    farkliolan::alanadi = column;
    const QString v = picker.dosya_ara_modal();
    if (v == QLatin1String("-1")) return;
    binder->set(into, v);
  });
}

Tfrm_notlar::~Tfrm_notlar() { clearContext(); }

void Tfrm_notlar::clearContext() {
  notlar::notevrakkayitno = 0;
  notlar::notevrakkayitturu.clear();
  notlar::notcarikodu.clear();
  notlar::notcariunvan.clear();
}

void Tfrm_notlar::closeEvent(QCloseEvent* e) {
  clearContext();
  QDialog::closeEvent(e);
}
