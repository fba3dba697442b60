#include "shell/module.h"

#include "db/db.h"
#include "shell/eleman_ara.h"
#include "shell/farkliolan.h"
#include "shell/session.h"
#include "shell/sirket_ara.h"
#include "ui/dialogs.h"
#include "ui/menukeys.h"
#include "ui/widgets.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QStringList kModuleNames{
    "moduller", "kullanicilar", "fatura", "fatura rapor", "fatura hareket raporu", "cari", "cari rapor", "cari hareket",
    "cari hareket rapor", "stok", "stok rapor", "stok hareket raporu", "stok hizli giris", "siparis", "siparis rapor",
    "siparis hareket raporu", "irsaliye", "irsaliye rapor", "irsaliye hareket raporu", "vade", "kurlar", "cek",
    "cek raporu", "senet", "senet raporu", "kasa", "kasa raporu", "banka", "bankalar", "banka raporu", "sirketler",
    "veri kontrol", "satis sarti", "evrak takibi", "mesaj", "parametreler"};

// Captions of the rights grid, by column.
const std::pair<const char*, const char*> kRightsColumns[] = {
    {"KULLANICI_KODU", "K.Kodu"},     {"MODULADI", "Modul Adı"},       {"FORMGIRISI", "Form Girisi"},
    {"KAYIT", "Kayıt"},               {"YENIKAYIT", "Yeni Kayit"},     {"DEGISTIRME", "Degiştirme"},
    {"SILME", "Silme"},               {"RAPOR", "Yazdır"},             {"OZELYETKI1", "Özel Yetki 1"},
    {"OZELYETKI2", "Özel Yetki 2"},   {"OZELYETKI3", "Özel Yetki 3"},  {"OZELYETKI4", "Özel Yetki 4"},
    {"VERIAL", "Veri Al"},            {"VERIVER", "Veri Ver"},         {"KENDIKAYDINIGOR", "Kendi K.Gör"},
    {"ANALIZGOR", "Analiz Gör"},      {"EKVERIGIR", "Ek Veri Gir"},    {"EKISLEMYAP", "Ek İşlem Yap"},
    {"NETUYGULAMA", "Net Uyg."},      {"AGUYGULAMA", "Ağ Uyg."},       {"CARIBILGIGOR", "Cari Bilgi Gör"},
    {"CARITUTARGOR", "Cari Tutar Gör"}, {"EKRANKAPALIGELSIN", "Ekran Kapalı Gelsin"}};

QLineEdit* readOnlyField(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setReadOnly(true);
  return e;
}
}  // namespace

Tfrm_module::Tfrm_module(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_module"));
  setWindowTitle(QStringLiteral("Moduller"));
  auto* lay = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  lay->addWidget(PageControl1);

  // --- tab 1 ---
  auto* t1 = new QWidget;
  auto* l1 = new QVBoxLayout(t1);
  l1->addWidget(new QLabel(QStringLiteral("<b>KULLANICIYA HAK TANIMLA </b>  Yeni Kullanıcı yada Şirket için Hak Tanımlama Ekranı"), t1));
  auto* f1 = new QFormLayout;
  edt_kullanici = readOnlyField(t1, "edt_kullanici");
  edt_kullanici_kodu = readOnlyField(t1, "edt_kullanici_kodu");
  auto* userRow = new QHBoxLayout;
  userRow->addWidget(edt_kullanici, 2);
  userRow->addWidget(edt_kullanici_kodu, 1);
  btn_kullaniciara = ui::button(t1, "btn_kullaniciara", QStringLiteral("..."), userRow);
  btn_kullaniciara->setToolTip(QStringLiteral("Kullanıcı Arama"));
  f1->addRow(QStringLiteral("Kullanıcı"), userRow);
  edt_sirketkodu = readOnlyField(t1, "edt_sirketkodu");
  auto* compRow = new QHBoxLayout;
  compRow->addWidget(edt_sirketkodu);
  btn_sirketara = ui::button(t1, "btn_sirketara", QStringLiteral("Şirket Kodu Ara "), compRow);
  f1->addRow(QStringLiteral("Şirket"), compRow);
  l1->addLayout(f1);
  auto* kind = new QHBoxLayout;
  rb_yetkisiz = new QRadioButton(QStringLiteral("Yetkisiz"), t1);
  rb_yetkili = new QRadioButton(QStringLiteral("Yetkili"), t1);
  rb_ozel = new QRadioButton(QStringLiteral("Özel"), t1);
  rb_yetkisiz->setObjectName(QStringLiteral("rb_yetkisiz"));
  rb_yetkili->setObjectName(QStringLiteral("rb_yetkili"));
  rb_ozel->setObjectName(QStringLiteral("rb_ozel"));
  rb_yetkili->setChecked(true);
  kind->addWidget(rb_yetkisiz);
  kind->addWidget(rb_yetkili);
  kind->addWidget(rb_ozel);
  kind->addStretch();
  l1->addLayout(kind);
  auto* ozel = new QGroupBox(QStringLiteral(" Özel Secili ise "), t1);
  auto* ozelLay = new QHBoxLayout(ozel);
  auto check = [&](QCheckBox*& c, const char* name, const QString& text) {
    c = new QCheckBox(text, ozel);
    c->setObjectName(QString::fromLatin1(name));
    ozelLay->addWidget(c);
  };
  check(chk_formgirisi, "chk_formgirisi", QStringLiteral("Forma Giriş"));
  check(chk_kayit, "chk_kayit", QStringLiteral("Kayıt"));
  check(chk_yenikayit, "chk_yenikayit", QStringLiteral("Yeni Kayıt"));
  check(chk_degistirme, "chk_degistirme", QStringLiteral("Değiştirme"));
  check(chk_silme, "chk_silme", QStringLiteral("Silme"));
  check(chk_yazdir, "chk_yazdir", QStringLiteral("Yazdır"));
  check(chk_ozel1, "chk_ozel1", QStringLiteral("Özel Yetki 1"));
  check(chk_ozel2, "chk_ozel2", QStringLiteral("Özel Yetki 2"));
  l1->addWidget(ozel);
  auto* grantRow = new QHBoxLayout;
  btn_haktanimla = ui::button(t1, "btn_haktanimla", QStringLiteral("Hak Tanımla"), grantRow);
  grantRow->addStretch();
  l1->addLayout(grantRow);
  grd_haklar1 = new grid::DBGrid(t1);
  grd_haklar1->setObjectName(QStringLiteral("grd_haklar1"));
  l1->addWidget(grd_haklar1, 1);
  PageControl1->addTab(t1, QStringLiteral("Yeni Hak Tanımla"));

  // --- tab 2 ---
  auto* t2 = new QWidget;
  auto* l2 = new QVBoxLayout(t2);
  l2->addWidget(new QLabel(QStringLiteral("<b>VAR OLAN KULLANICI HAKLARINI GÖR</b>  Önceden Hak Tanımlanan Kullanıcının Haklarının"
                                          " Değiştirilmesi Ekranı"),
                           t2));
  auto* top2 = new QHBoxLayout;
  Edit2 = readOnlyField(t2, "Edit2");
  Edit1 = readOnlyField(t2, "Edit1");
  top2->addWidget(new QLabel(QStringLiteral("Kullanıcı"), t2));
  top2->addWidget(Edit2, 2);
  top2->addWidget(Edit1, 1);
  btn_kullaniciara2 = ui::button(t2, "btn_kullaniciara2", QStringLiteral("..."), top2);
  btn_kullaniciara2->setToolTip(QStringLiteral("Kullanıcı Ara"));
  top2->addWidget(new QLabel(QStringLiteral("Şirket"), t2));
  Edit3 = readOnlyField(t2, "Edit3");
  top2->addWidget(Edit3, 1);
  btn_sirketara2 = ui::button(t2, "btn_sirketara2", QStringLiteral("..."), top2);
  btn_sirketara2->setToolTip(QStringLiteral("Şirket Ara"));
  top2->addWidget(new QLabel(QStringLiteral("Modül"), t2));
  edt_moduladi = new QComboBox(t2);
  edt_moduladi->setObjectName(QStringLiteral("edt_moduladi"));
  edt_moduladi->setEditable(true);
  edt_moduladi->addItems({"fatura", "irsaliye", "siparis", "cari", "stok", "kasa", "cek", "senet", "banka", "kasa"});
  edt_moduladi->setCurrentText(QString());
  edt_moduladi->lineEdit()->installEventFilter(this);
  top2->addWidget(edt_moduladi, 1);
  btn_listele = ui::button(t2, "btn_listele", QStringLiteral("Listele"), top2);
  btn_listele->setToolTip(QStringLiteral("İlgili Arama Yap"));
  l2->addLayout(top2);
  grd_haklar2 = new grid::DBGrid(t2);
  grd_haklar2->setObjectName(QStringLiteral("grd_haklar2"));
  l2->addWidget(grd_haklar2, 1);
  auto* rowButtons = new QHBoxLayout;
  btn_hakkaydet = ui::button(t2, "btn_hakkaydet", QStringLiteral("Kaydet"), rowButtons);
  btn_hakyeni = ui::button(t2, "btn_hakyeni", QStringLiteral("Yeni kayit"), rowButtons);
  btn_haksil = ui::button(t2, "btn_haksil", QStringLiteral("Kayit sil"), rowButtons);
  btn_hakvazgec = ui::button(t2, "btn_hakvazgec", QStringLiteral("Vazgeç"), rowButtons);
  rowButtons->addStretch();
  rowButtons->addWidget(new QLabel(QStringLiteral("Kullanıcı Haklarını Kopyala"), t2));
  edt_kopya = readOnlyField(t2, "edt_kopya");
  rowButtons->addWidget(edt_kopya);
  btn_kopyaara = ui::button(t2, "btn_kopyaara", QStringLiteral("..."), rowButtons);
  btn_kopyaara->setToolTip(QStringLiteral("Kopyalanacak Şirket Ara"));
  btn_kopyala = ui::button(t2, "btn_kopyala", QStringLiteral("Kopyala"), rowButtons);
  l2->addLayout(rowButtons);
  PageControl1->addTab(t2, QStringLiteral("Olan Hakları Değiştir"));

  // --- tab 3 ---
  auto* t3 = new QWidget;
  auto* l3 = new QVBoxLayout(t3);
  l3->addWidget(new QLabel(QStringLiteral("Modül Adlarının Girildiği Ekran"), t3));
  grd_moduller = new grid::DBGrid(t3);
  grd_moduller->setObjectName(QStringLiteral("grd_moduller"));
  l3->addWidget(grd_moduller, 1);
  auto* modButtons = new QHBoxLayout;
  btn_modulkaydet = ui::button(t3, "btn_modulkaydet", QStringLiteral("Kaydet"), modButtons);
  btn_modulyeni = ui::button(t3, "btn_modulyeni", QStringLiteral("Yeni kayit"), modButtons);
  btn_modulsil = ui::button(t3, "btn_modulsil", QStringLiteral("Kayit sil"), modButtons);
  btn_modulvazgec = ui::button(t3, "btn_modulvazgec", QStringLiteral("Vazgeç"), modButtons);
  modButtons->addStretch();
  l3->addLayout(modButtons);
  PageControl1->addTab(t3, QStringLiteral("Moduller"));

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), bottom);
  lay->addLayout(bottom);

  setupRightsGrid(grd_haklar1, false);
  setupRightsGrid(grd_haklar2, true);
  grd_moduller->setColumns(grid::columns({{"MODULNO", "Modul No"}, {"FORMADI", "Form Adı"}, {"MODULADI", "Modul Adı"},
                      {"MENUSU", "MENUSU"}, {"ACIKLAMA", "ACIKLAMA"}}));
  grd_moduller->onTitleClick = [this](const QString& f) { ui::runHandler([&] { listModules(f); }); };

  connect(btn_kullaniciara, &QPushButton::clicked, this, [this] { pickUser(edt_kullanici, edt_kullanici_kodu, true); });
  connect(btn_kullaniciara2, &QPushButton::clicked, this, [this] { pickUser(Edit2, Edit1, false); });
  connect(btn_sirketara, &QPushButton::clicked, this, [this] { pickCompany(edt_sirketkodu); });
  connect(btn_sirketara2, &QPushButton::clicked, this, [this] { pickCompany(Edit3); });
  connect(btn_kopyaara, &QPushButton::clicked, this, [this] { pickCompany(edt_kopya); });
  connect(btn_haktanimla, &QPushButton::clicked, this, &Tfrm_module::btn_haktanimlaClick);
  connect(btn_listele, &QPushButton::clicked, this, &Tfrm_module::btn_listeleClick);
  connect(btn_kopyala, &QPushButton::clicked, this, &Tfrm_module::btn_kopyalaClick);
  connect(btn_hakkaydet, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      if (!login::Yetkiler::izin(yetki.yetki_post)) return;
      grd_haklar2->post();
      listRights(grd_haklar2);
    });
  });
  connect(btn_hakyeni, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      if (!login::Yetkiler::izin(yetki.yetki_insert)) return;
      if (!grd_haklar2->editable()) listRights(grd_haklar2);
      std::map<QString, QVariant> defaults{{QStringLiteral("KULLANICI_KODU"), edt_kullanici_kodu->text().toDouble()},
                                           {QStringLiteral("SIRKETKODU"), login::SIRKET}};
      for (const QString& c : login::yetkiKolonlari()) defaults[c] = QStringLiteral("H");
      grd_haklar2->append(defaults);
    });
  });
  connect(btn_haksil, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      if (!login::Yetkiler::izin(yetki.yetki_delete)) return;
      if (grd_haklar2->currentRow() < 0 || !ui::Dialogs::question(QStringLiteral("Silmek istiyormusunuz ?"))) return;
      grd_haklar2->deleteCurrent();
    });
  });
  connect(btn_hakvazgec, &QPushButton::clicked, this, [this] { grd_haklar2->cancel(); });
  connect(btn_modulkaydet, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      if (!login::Yetkiler::izin(yetki.yetki_post)) return;
      grd_moduller->post();
    });
  });
  connect(btn_modulyeni, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      if (!login::Yetkiler::izin(yetki.yetki_insert)) return;
      grd_moduller->append({{QStringLiteral("SIRKETKODU"), login::SIRKET}});
    });
  });
  connect(btn_modulsil, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      if (!login::Yetkiler::izin(yetki.yetki_delete)) return;
      if (grd_moduller->currentRow() < 0 || !ui::Dialogs::question(QStringLiteral("Silmek istiyormusunuz ?"))) return;
      grd_moduller->deleteCurrent();
    });
  });
  connect(btn_modulvazgec, &QPushButton::clicked, this, [this] { grd_moduller->cancel(); });
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  connect(grd_haklar2, &grid::DBGrid::rowDoubleClicked, this, [this](int) {
    ui::runHandler([this] {
      Tfrm_farkliolan picker(this);
      farkliolan::tabloadi = QStringLiteral("KULLANICILAR");
      farkliolan::alanadi = QStringLiteral("MODULADI");
      const QString v = picker.dosya_ara_modal();
      if (v != QLatin1String("-1")) edt_moduladi->setCurrentText(v);
    });
  });
  // Showing either rights tab starts with the rights list closed.
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int i) {
    if (i == 0) grd_haklar1->clear();
    if (i == 1) grd_haklar2->clear();
  });
  ui::MenuKeys keys;
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  resize(1200, 640);
}

void Tfrm_module::setupRightsGrid(grid::DBGrid* g, bool editable) {
  std::vector<grid::Column> cols;
  for (auto [f, c] : kRightsColumns) {
    grid::Column col;
    col.field = QString::fromLatin1(f);
    col.caption = QString::fromUtf8(c);
    if (login::yetkiKolonlari().contains(col.field)) col.items = {QStringLiteral("E"), QStringLiteral("H")};
    if (col.field == QLatin1String("MODULADI")) col.items = kModuleNames;
    cols.push_back(col);
  }
  g->setColumns(cols);
  // Only the session company's rows are shown, whatever company a listing asks for.
  g->setRowFilter([](const QSqlRecord& r) { return r.value(QStringLiteral("SIRKETKODU")).toString() == login::SIRKET; });
  g->cellColor = [](const QSqlRecord& r, const QString& f) -> QColor {
    if (!login::yetkiKolonlari().contains(f)) return {};
    const QString v = r.value(f).toString();
    static const QStringList strict{QStringLiteral("OZELYETKI3"), QStringLiteral("OZELYETKI4"), QStringLiteral("VERIAL"),
                                    QStringLiteral("VERIVER"), QStringLiteral("KENDIKAYDINIGOR"), QStringLiteral("ANALIZGOR"),
                                    QStringLiteral("EKVERIGIR"), QStringLiteral("EKISLEMYAP"), QStringLiteral("NETUYGULAMA"),
                                    QStringLiteral("AGUYGULAMA"), QStringLiteral("CARIBILGIGOR"), QStringLiteral("CARITUTARGOR"),
                                    QStringLiteral("EKRANKAPALIGELSIN")};
    if (v == QLatin1String("E")) return QColor(144, 238, 144);
    if (v == QLatin1String("H") || strict.contains(f)) return QColor(255, 160, 160);
    return {};
  };
  if (!editable) g->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  g->onTitleClick = [this, g](const QString& f) { ui::runHandler([&] { listRights(g, f); }); };
}

void Tfrm_module::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tfrm_module::FormShow() {
  ui::runHandler([this] {
    yetki.load(QStringLiteral("moduller"));
    edt_sirketkodu->setText(login::SIRKET);
    listModules();
  });
}

bool Tfrm_module::eventFilter(QObject* o, QEvent* e) {
  if (o == edt_moduladi->lineEdit() && e->type() == QEvent::MouseButtonDblClick) {
    ui::runHandler([this] {
      Tfrm_farkliolan picker(this);
      farkliolan::tabloadi = QStringLiteral("MODULLER");
      farkliolan::alanadi = QStringLiteral("MODULADI");
      const QString v = picker.dosya_ara_modal();
      if (v != QLatin1String("-1")) edt_moduladi->setCurrentText(v);
    });
    return true;
  }
  return QDialog::eventFilter(o, e);
}

void Tfrm_module::pickUser(QLineEdit* name, QLineEdit* code, bool clearFirst) {
  ui::runHandler([&] {
    if (clearFirst) {
      name->clear();
      code->clear();
    }
    Tfrm_eleman_ara picker(this);
    const QString v = picker.dosya_ara_modal();
    if (v == QLatin1String("-1")) return;
    const QSqlRecord r = picker.current();
    name->setText(r.value(QStringLiteral("KULLANICI_ADI")).toString() + QLatin1Char(' ') +
                  r.value(QStringLiteral("KULLANICI_SOYADI")).toString());
    code->setText(v);
  });
}

void Tfrm_module::pickCompany(QLineEdit* into) {
  ui::runHandler([&] {
    Tfrm_sirket_ara picker(this);
    const QString v = picker.dosya_ara_modal();
    if (v != QLatin1String("-1")) into->setText(v);
  });
}

void Tfrm_module::listRights(grid::DBGrid* g, const QString& orderBy) {
  QString user = Edit1->text(), company = Edit3->text(), module = edt_moduladi->currentText();
  if (g == grd_haklar1) {
    user = edt_kullanici_kodu->text();
    company = edt_sirketkodu->text();
    module.clear();
  }
  db::Query q(QStringLiteral("qry_haklar"));
  QString sql = QStringLiteral("select * from KULLANICILAR where 1=1  and KULLANICI_KODU = :kod and SIRKETKODU = :sirket");
  if (!module.isEmpty()) sql += QStringLiteral(" and MODULADI = :modul");
  if (!orderBy.isEmpty() && g->columnIndex(orderBy) >= 0) sql += QStringLiteral("  order by KULLANICILAR.") + orderBy;
  q.setSql(sql);
  q.bind(QStringLiteral("kod"), user.toDouble());
  q.bind(QStringLiteral("sirket"), company);
  if (!module.isEmpty()) q.bind(QStringLiteral("modul"), module);
  q.exec();
  g->setEditable(QStringLiteral("KULLANICILAR"), QStringLiteral("KAYITNO"));
  g->load(q);
}

void Tfrm_module::listModules(const QString& orderBy) {
  db::Query q(QStringLiteral("qry_moduller"));
  QString sql = QStringLiteral("select * from MODULLER where 1=1 ");
  if (!orderBy.isEmpty() && grd_moduller->columnIndex(orderBy) >= 0) sql += QStringLiteral("  order by MODULLER.") + orderBy;
  q.exec(sql);
  grd_moduller->setEditable(QStringLiteral("MODULLER"), QStringLiteral("KAYITNO"));
  grd_moduller->load(q);
}

void Tfrm_module::btn_listeleClick() {
  ui::runHandler([this] {
    if (Edit1->text().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Kullanıcı Kodu Boş Olamaz.Lütfen Bir Kullanıcı Seciniz"));
      Edit1->setFocus();
      return;
    }
    if (Edit3->text().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Şirket Kodu Boş Olamaz.Lütfen Şirket Kodu Seciniz"));
      Edit3->setFocus();
      return;
    }
    listRights(grd_haklar2);
  });
}

void Tfrm_module::btn_haktanimlaClick() {
  ui::runHandler([this] {
    if (edt_kullanici_kodu->text().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Kullanıcı Kodu Boş Olamaz.Lütfen Bir Kullanıcı Seciniz"));
      edt_kullanici_kodu->setFocus();
      return;
    }
    if (edt_sirketkodu->text().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Şirket Kodu Boş Olamaz.Lütfen Şirket Kodu Seciniz"));
      edt_sirketkodu->setFocus();
      return;
    }
    login::HakTuru tur = rb_yetkisiz->isChecked() ? login::HakTuru::Yetkisiz
                         : rb_ozel->isChecked()   ? login::HakTuru::Ozel
                                                  : login::HakTuru::Yetkili;
    QStringList ozel;
    const std::pair<QCheckBox*, const char*> boxes[] = {{chk_formgirisi, "FORMGIRISI"}, {chk_kayit, "KAYIT"},
                                                        {chk_yenikayit, "YENIKAYIT"},  {chk_degistirme, "DEGISTIRME"},
                                                        {chk_silme, "SILME"},          {chk_yazdir, "RAPOR"},
                                                        {chk_ozel1, "OZELYETKI1"},     {chk_ozel2, "OZELYETKI2"}};
    for (auto [box, col] : boxes)
      if (box->isChecked()) ozel << QString::fromLatin1(col);
    db::runDocument([&] { login::hakTanimla(edt_kullanici_kodu->text().toDouble(), edt_sirketkodu->text(), tur, ozel); });
    listRights(grd_haklar1);
    ui::Dialogs::message(QStringLiteral("İşlem Tamamlandı"));
  });
}

void Tfrm_module::btn_kopyalaClick() {
  ui::runHandler([this] {
    if (!ui::Dialogs::question(QStringLiteral("Hakları Kopyalama İşlemi Yapmak İstiyormusunuz ? "))) return;
    const std::vector<int> rows = grd_haklar2->shownRows();
    if (rows.empty()) {
      ui::Dialogs::message(QStringLiteral("Kopyalanacak Kayıt Yok "));
      return;
    }
    if (edt_kopya->text().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("KOPYALANACAK ŞİRKET KODU BOŞ OLAMAZ "));
      return;
    }
    QStringList keys;
    for (int r : rows) keys << QString::number(grd_haklar2->value(QStringLiteral("KAYITNO"), r).toLongLong());
    const QVariant user = grd_haklar2->value(QStringLiteral("KULLANICI_KODU"), rows.front());
    const QString target = edt_kopya->text();
    // Copying rows onto their own company would first delete the very rows it copies.
    if (target == grd_haklar2->value(QStringLiteral("SIRKETKODU"), rows.front()).toString()) {
      ui::Dialogs::message(QStringLiteral("İşlem Tamam"));
      return;
    }
    const QString columns = QStringLiteral("KULLANICIKODU, KULLANICI_KODU, MODULADI, ") +
                            login::yetkiKolonlari().join(QStringLiteral(", ")) + QStringLiteral(", YONETICI");
    db::runDocument([&] {
      db::Query del(QStringLiteral("Query3"));
      del.setSql(QStringLiteral("delete  from KULLANICILAR   WHERE KULLANICILAR.KULLANICI_KODU = :kod and "
                                "KULLANICILAR.SIRKETKODU = :sirket"));
      del.bind(QStringLiteral("kod"), user);
      del.bind(QStringLiteral("sirket"), target);
      del.exec();
      db::Query ins(QStringLiteral("qry_kopya"));
      ins.setSql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, %1) SELECT :sirket, %1 FROM KULLANICILAR "
                                "WHERE KAYITNO IN (%2) ORDER BY KAYITNO")
                     .arg(columns, keys.join(QLatin1Char(','))));
      ins.bind(QStringLiteral("sirket"), target);
      ins.exec();
    });
    ui::Dialogs::message(QStringLiteral("İşlem Tamam"));
  });
}

void Tfrm_module::closeEvent(QCloseEvent* e) {
  db::Connection::instance().close();
  QDialog::closeEvent(e);
}
