#include "shell/sirketgirisi.h"

#include "db/db.h"
#include "shell/session.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"
#include "ui/menukeys.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
const QStringList kCompanyTables{
    QStringLiteral("FIRMALAR"), QStringLiteral("FATURA"),     QStringLiteral("FATURAHAREKETI"), QStringLiteral("IRSALIYE"),
    QStringLiteral("IRSALIYEHAREKETI"), QStringLiteral("STOK"), QStringLiteral("STOKHAREKETI"), QStringLiteral("SIPARIS"),
    QStringLiteral("SIPARISHAREKETI"), QStringLiteral("CARI_HAREKET"), QStringLiteral("CEKLER"), QStringLiteral("SENETLER"),
    QStringLiteral("BANKA"),    QStringLiteral("KASA"),       QStringLiteral("TTUTARLARI"),     QStringLiteral("ODEMEPLANI"),
    QStringLiteral("ISPROGRAMI"), QStringLiteral("SERINOLAR")};
}

Tfrm_sirketgirisi::Tfrm_sirketgirisi(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_sirketgirisi"));
  setWindowTitle(QStringLiteral("Şirket Oluşturma"));
  auto* lay = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto edit = [&](QLineEdit*& e, const char* name, const QString& caption, const QString& column, int width) {
    e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(width);
    form->addRow(caption, e);
    fields_.emplace_back(e, column);
  };
  edit(edt_sirketkodu, "edt_sirketkodu", QStringLiteral("Sirket Kodu"), QStringLiteral("SIRKETKODU"), 20);
  edit(edt_sirketadi, "edt_sirketadi", QStringLiteral("Sirket Adı"), QStringLiteral("SIRKETADI"), 40);
  edit(edt_aciklama, "edt_aciklama", QStringLiteral("Aciklama"), QStringLiteral("ACIKLAMA"), 40);
  edit(edt_sirketunvani, "edt_sirketunvani", QStringLiteral("Sirket Ünvanı"), QStringLiteral("SIRKETUNVANI"), 40);
  edit(edt_sirketadresi, "edt_sirketadresi", QStringLiteral("Sirket Adresı"), QStringLiteral("SIRKETADRESI"), 60);
  edit(edt_vdairesi, "edt_vdairesi", QStringLiteral("V.dairesi"), QStringLiteral("VDAIRESI"), 20);
  edit(edt_vno, "edt_vno", QStringLiteral("V.no"), QStringLiteral("VNO"), 15);
  lbl_datayolu = new QLabel(QStringLiteral("Data yolunu boş birakabilirsiniz"), this);
  lbl_datayolu->hide();
  form->addRow(QString(), lbl_datayolu);
  chk_haktanimla = new QCheckBox(QStringLiteral("Yeni Şirkete Tam Yetkili Olarak Hak Tanımla"), this);
  chk_haktanimla->setObjectName(QStringLiteral("chk_haktanimla"));
  chk_haktanimla->setChecked(true);
  chk_haktanimla->hide();
  form->addRow(QString(), chk_haktanimla);
  chk_haksilme = new QCheckBox(QStringLiteral("Hak Tanımlarını Silme"), this);
  chk_haksilme->setObjectName(QStringLiteral("chk_haksilme"));
  chk_haksilme->setChecked(true);
  chk_haksilme->hide();
  btn_tumkayitlarisil = new QPushButton(QStringLiteral("Şirketin Tüm Kayıtlarını Sil"), this);
  btn_tumkayitlarisil->setObjectName(QStringLiteral("btn_tumkayitlarisil"));
  btn_tumkayitlarisil->hide();
  auto* danger = new QHBoxLayout;
  danger->addWidget(chk_haksilme);
  danger->addWidget(btn_tumkayitlarisil);
  danger->addStretch();
  form->addRow(QString(), danger);
  lay->addLayout(form);

  auto* buttons = new QHBoxLayout;
  btn_kaydet = ui::button(this, "btn_kaydet", QStringLiteral(" Kaydet     "), buttons);
  btn_yeni = ui::button(this, "btn_yeni", QStringLiteral("   Yeni   "), buttons);
  btn_sil = ui::button(this, "btn_sil", QStringLiteral(" Sil  "), buttons);
  btn_iptal = ui::button(this, "btn_iptal", QStringLiteral("   İptal   "), buttons);
  btn_degistir = ui::button(this, "btn_degistir", QStringLiteral("Değiştir"), buttons);
  btn_ozel = ui::button(this, "btn_ozel", QStringLiteral("Özel İşlemler"), buttons);
  mnu_ozel = new QMenu(this);
  mnu_tumbilgilerisil = mnu_ozel->addAction(QStringLiteral("Tüm Şirket Bilgilerini Sil"));
  mnu_excele = mnu_ozel->addAction(QStringLiteral("Excele Aktar"));
  btn_ozel->setMenu(mnu_ozel);
  buttons->addStretch();
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), buttons);
  lay->addLayout(buttons);

  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  cxGrid1->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lay->addWidget(cxGrid1, 1);
  PopupMenu1 = new QMenu(this);
  mnu_tumunugoster = PopupMenu1->addAction(QStringLiteral("Tümünü Göster"));
  cxGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(cxGrid1->view(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu1->popup(cxGrid1->view()->viewport()->mapToGlobal(p)); });
  connect(mnu_tumunugoster, &QAction::triggered, this, [this] { ui::runHandler([this] { listele(true); }); });
  connect(cxGrid1, &grid::DBGrid::currentRowChanged, this, [this](int) {
    if (durum_ == Durum::Gozat) showCurrent();
  });

  connect(btn_kaydet, &QPushButton::clicked, this, &Tfrm_sirketgirisi::btn_kaydetClick);
  connect(btn_yeni, &QPushButton::clicked, this, &Tfrm_sirketgirisi::btn_yeniClick);
  connect(btn_sil, &QPushButton::clicked, this, &Tfrm_sirketgirisi::btn_silClick);
  connect(btn_iptal, &QPushButton::clicked, this, &Tfrm_sirketgirisi::btn_iptalClick);
  connect(btn_degistir, &QPushButton::clicked, this, &Tfrm_sirketgirisi::btn_degistirClick);
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  connect(btn_tumkayitlarisil, &QPushButton::clicked, this, &Tfrm_sirketgirisi::btn_tumkayitlarisilClick);
  connect(mnu_tumbilgilerisil, &QAction::triggered, this, [this] {
    chk_haksilme->show();
    btn_tumkayitlarisil->show();
  });
  ui::MenuKeys keys;
  keys.kaydet = [this] { btn_kaydetClick(); };
  keys.yeni = [this] { btn_yeniClick(); };
  keys.sil = [this] { btn_silClick(); };
  keys.iptal = [this] { btn_iptalClick(); };
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  setEditing(false);
  resize(900, 600);
}

void Tfrm_sirketgirisi::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tfrm_sirketgirisi::FormShow() {
  ui::runHandler([this] {
    yetki.load(QStringLiteral("sirketler"));
    listele(false);
    setEditing(false);
  });
}

void Tfrm_sirketgirisi::listele(bool all, const QVariant& selectKey) {
  db::Query q(QStringLiteral("qry_sirketler"));
  if (all) q.setSql(QStringLiteral("select * from SIRKETLER where 1=1 "));
  else
    q.setSql(QStringLiteral("select * from SIRKETLER where 1=1  and (VDAIRESI <> :gg1 or VDAIRESI is null) "
                            "and (VNO <> :gg2 or VNO is null)"));
  if (!all) {
    q.bind(QStringLiteral("gg1"), db::sqlTextValue(QStringLiteral("GG")));
    q.bind(QStringLiteral("gg2"), db::sqlTextValue(QStringLiteral("GG")));
  }
  q.exec();
  cxGrid1->load(q);
  if (selectKey.isValid())
    for (int r : cxGrid1->shownRows())
      if (cxGrid1->value(QStringLiteral("KAYITNO"), r) == selectKey) cxGrid1->setCurrentRow(r);
  showCurrent();
}

void Tfrm_sirketgirisi::showCurrent() {
  for (auto& [e, col] : fields_) e->setText(cxGrid1->value(col).toString());
}

void Tfrm_sirketgirisi::setEditing(bool on) {
  for (auto& [e, col] : fields_) e->setEnabled(on && (e != edt_sirketkodu || durum_ == Durum::Yeni));
  cxGrid1->setEnabled(!on);
}

void Tfrm_sirketgirisi::btn_yeniClick() {
  durum_ = Durum::Yeni;
  for (auto& [e, col] : fields_) e->clear();
  setEditing(true);
  lbl_datayolu->show();
  chk_haktanimla->show();
  edt_sirketkodu->setFocus();
}

void Tfrm_sirketgirisi::btn_degistirClick() {
  if (cxGrid1->currentRow() < 0) return;
  durum_ = Durum::Degistir;
  setEditing(true);
}

void Tfrm_sirketgirisi::btn_iptalClick() {
  durum_ = Durum::Gozat;
  setEditing(false);
  chk_haktanimla->hide();
  lbl_datayolu->hide();
  showCurrent();
}

void Tfrm_sirketgirisi::btn_kaydetClick() {
  ui::runHandler([this] { kaydet(); });
}

void Tfrm_sirketgirisi::kaydet() {
  if (durum_ == Durum::Gozat) return;
  const bool yeni = durum_ == Durum::Yeni;
  const QString kod = edt_sirketkodu->text();
  const bool grant = yeni && chk_haktanimla->isChecked();
  if (yeni) {
    if (kod.trimmed().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Şirket Kodu Boş Olamaz"));
      edt_sirketkodu->setFocus();
      return;
    }
    db::Query q(QStringLiteral("qry_uyari"), QStringLiteral("select *  from SIRKETLER where 1=1  and sirketkodu = :k"));
    q.bind(QStringLiteral("k"), db::sqlTextValue(kod));
    q.exec();
    if (!q.isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Bu  Kod ile Kayıtlı Şirket Var. Lütfen Farklı Bir Şirket Kodu Kullanınız"));
      return;
    }
  }
  QVariant key = cxGrid1->value(QStringLiteral("KAYITNO"));
  db::runDocument([&] {
    db::Query w(QStringLiteral("qry_sirketler"));
    QStringList names, params, sets;
    for (auto& [e, col] : fields_) {
      if (!yeni && col == QLatin1String("SIRKETKODU")) continue;
      names << col;
      params << QLatin1Char(':') + col;
      sets << col + QStringLiteral(" = :") + col;
    }
    if (yeni)
      w.setSql(QStringLiteral("INSERT INTO SIRKETLER (KULLANICIKODU, DATAYOLU, %1) VALUES ('', '', %2)")
                   .arg(names.join(QStringLiteral(", ")), params.join(QStringLiteral(", "))));
    else {
      w.setSql(QStringLiteral("UPDATE SIRKETLER SET %1 WHERE KAYITNO = :key").arg(sets.join(QStringLiteral(", "))));
      w.bind(QStringLiteral("key"), key);
    }
    for (auto& [e, col] : fields_)
      if (yeni || col != QLatin1String("SIRKETKODU")) w.bind(col, e->text());
    w.exec();
    if (yeni) key = w.lastInsertId().toLongLong();
    if (grant) login::hakTanimla(login::kul_kod.toDouble(), kod, login::HakTuru::Yetkili);
  });
  durum_ = Durum::Gozat;
  setEditing(false);
  lbl_datayolu->hide();
  chk_haktanimla->hide();
  listele(false, key);
  if (yeni)
    ui::Dialogs::message(
        grant ? QStringLiteral("Yeni Şirket Başarıyla Oluşturuldu. Bu Kullanıcı için şirkete hak tanımları yapıldı. Sistemde "
                               "kayıtlı başka kullanıcı varsa Kullanıcı Yetkilerinden(Anamenu-Sistem-Kullanıcı Yetkileri) o "
                               "kullanıcılarada bu şirket için hak tanımları yapılması gerekir.")
              : QStringLiteral("Yeni Şirket Başarıyla Oluşturuldu."));
}

QStringList Tfrm_sirketgirisi::companyTables() const {
  const QStringList present = db::tables();
  QStringList out;
  for (const QString& t : kCompanyTables)
    if (present.contains(t)) out << t;
  return out;
}

void Tfrm_sirketgirisi::btn_silClick() {
  ui::runHandler([this] {
    if (cxGrid1->currentRow() < 0) return;
    const QString kod = cxGrid1->value(QStringLiteral("SIRKETKODU")).toString();
    // Any row left in the company's own tables would be orphaned by the delete.
    QStringList probes;
    for (const QString& t : companyTables())
      probes << QStringLiteral("(SELECT 1 FROM %1 WHERE SIRKETKODU = :k LIMIT 1)").arg(t);
    if (!probes.isEmpty()) {
      db::Query q(QStringLiteral("qry_uyari"), probes.join(QStringLiteral(" UNION ALL ")));
      q.bind(QStringLiteral("k"), kod);
      q.exec();
      if (!q.isEmpty()) {
        ui::Dialogs::message(QStringLiteral("Bu Şirkette Kayıt Olduğundan Şirketi Silemezsiniz.Öncelikte Şirketin Tüm "
                                            "Kayıtlarını Silmelisiniz"));
        return;
      }
    }
    if (!ui::Dialogs::question(kod + QStringLiteral(" - Bu Şirketi Silmek İstiyormusunuz ? "))) return;
    db::Query d(QStringLiteral("qry_sirketler"), QStringLiteral("DELETE FROM SIRKETLER WHERE KAYITNO = :key"));
    d.bind(QStringLiteral("key"), cxGrid1->value(QStringLiteral("KAYITNO")));
    d.exec();
    listele(false);
    ui::Dialogs::message(QStringLiteral(" Şirket Kaydı  Silindi "));
  });
}

void Tfrm_sirketgirisi::btn_tumkayitlarisilClick() {
  ui::runHandler([this] {
    if (!login::Yetkiler::izin(yetki.yetki_ozel2)) return;
    if (cxGrid1->currentRow() < 0) return;
    if (!ui::Dialogs::question(QStringLiteral("Bu Şirketin Tüm Kayıtlarını Silmek İstiyormusunuz ? "))) return;
    const QString kod = cxGrid1->value(QStringLiteral("SIRKETKODU")).toString();
    QStringList tables = companyTables();
    if (!chk_haksilme->isChecked()) tables << QStringLiteral("KULLANICILAR");
    db::runDocument([&] {
      for (const QString& t : tables) {
        db::Query q(QStringLiteral("Query3"), QStringLiteral("delete  from %1   WHERE sirketkodu = :k").arg(t));
        q.bind(QStringLiteral("k"), db::sqlTextValue(kod));
        q.exec();
        ui::keepPainting();
      }
    });
    ui::Dialogs::message(QStringLiteral(" Tüm Kayıtlar  Silindi "));
  });
}

void Tfrm_sirketgirisi::closeEvent(QCloseEvent* e) {
  db::Connection::instance().close();
  QDialog::closeEvent(e);
}
