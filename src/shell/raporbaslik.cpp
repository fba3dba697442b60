#include "shell/raporbaslik.h"

#include "db/db.h"
#include "shell/farkliolan.h"
#include "shell/session.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"
#include "ui/menukeys.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Tfrm_raporbaslik::Tfrm_raporbaslik(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_raporbaslik"));
  setWindowTitle(QStringLiteral("Rapor Başlıkları"));
  auto* lay = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Şirket"), this));
  edt_sirket = new QLineEdit(this);
  edt_sirket->setObjectName(QStringLiteral("edt_sirket"));
  edt_sirket->setReadOnly(true);
  top->addWidget(edt_sirket);
  top->addWidget(new QLabel(QStringLiteral("Modul"), this));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(true);
  ComboBox1->addItems({"Fatura", "FaturaKaydi", "FaturaRapor", "FaturaHareketRapor", "Cari", "CariRapor", "CariHareketRapor",
                       "Stok", "StokRapor", "StokHareketRapor", "Sipariş", "SiparişRapor", "SiparişHareketRapor", "İrsaliye",
                       "İrsaliyeRapor", "İrsaliyeHareketRapor", "Kasa", "KasaRapor", "Banka", "BankaRapor", "Cek", "CekRapor",
                       "Senet", "SenetRapor", "İsemri", "İsemriRapor", "Sözleşme", "SözleşmeRapor", "Nakliye",
                       "NakliyeRapor", "Tercüme", "TercümeRapor", "Ruduzazer", "RuduzazerRapor"});
  ComboBox1->setCurrentText(QString());
  ComboBox1->setMinimumWidth(180);
  ComboBox1->lineEdit()->installEventFilter(this);
  top->addWidget(ComboBox1);
  btn_listele = new QPushButton(QStringLiteral("Listele"), this);
  btn_listele->setObjectName(QStringLiteral("btn_listele"));
  top->addWidget(btn_listele);
  btn_raporyolu = new QPushButton(QStringLiteral("Rapor Yolu Seç..."), this);
  btn_raporyolu->setObjectName(QStringLiteral("btn_raporyolu"));
  top->addWidget(btn_raporyolu);
  btn_islemler = new QPushButton(QStringLiteral("İşlemler"), this);
  mnu_islemler = new QMenu(this);
  // These items have no action in this window.
  mnu_islemler->addAction(QStringLiteral("Tümünü Listele"))->setEnabled(false);
  mnu_islemler->addAction(QStringLiteral("Excele Aktar"))->setEnabled(false);
  mnu_islemler->addAction(QStringLiteral("Excelden Geri Yükle"))->setEnabled(false);
  btn_islemler->setMenu(mnu_islemler);
  top->addWidget(btn_islemler);
  top->addStretch();
  lay->addLayout(top);

  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  cxGrid1->setColumns(grid::columns({{"KAYITNO", "KNO"}, {"MODUL", "MODUL"}, {"SIRALAMA", "SIRA"}, {"RAPORADI", "RAPOR ADI"},
                      {"RAPORYOLU", "RAPOR YOLU"}, {"RAPORTURU", "TURU"}, {"USERKODU", "USER KODU"},
                      {"KISAYOLKODU", "KISAYOLU"}}));
  cxGrid1->setFooter({{QStringLiteral("KAYITNO"), grid::SummaryKind::Count, 0}});
  lay->addWidget(cxGrid1, 1);

  auto* buttons = new QHBoxLayout;
  btn_yeni = ui::button(this, "btn_yeni", QStringLiteral("Yeni"), buttons);
  btn_kaydet = ui::button(this, "btn_kaydet", QStringLiteral("Kaydet"), buttons);
  btn_sil = ui::button(this, "btn_sil", QStringLiteral("Sil"), buttons);
  btn_iptal = ui::button(this, "btn_iptal", QStringLiteral("İptal"), buttons);
  buttons->addStretch();
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), buttons);
  lay->addLayout(buttons);

  connect(btn_listele, &QPushButton::clicked, this, &Tfrm_raporbaslik::btn_listeleClick);
  connect(btn_raporyolu, &QPushButton::clicked, this, &Tfrm_raporbaslik::btn_raporyoluClick);
  connect(btn_yeni, &QPushButton::clicked, this, &Tfrm_raporbaslik::btn_yeniClick);
  connect(btn_kaydet, &QPushButton::clicked, this, &Tfrm_raporbaslik::btn_kaydetClick);
  connect(btn_sil, &QPushButton::clicked, this, &Tfrm_raporbaslik::btn_silClick);
  connect(btn_iptal, &QPushButton::clicked, this, [this] { cxGrid1->cancel(); });
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  ui::MenuKeys keys;
  keys.yeni = [this] { btn_yeniClick(); };
  keys.kaydet = [this] { btn_kaydetClick(); };
  keys.sil = [this] { btn_silClick(); };
  keys.iptal = [this] { cxGrid1->cancel(); };
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  resize(1000, 560);
}

void Tfrm_raporbaslik::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tfrm_raporbaslik::FormShow() { edt_sirket->setText(QStringLiteral("SISTEM")); }

bool Tfrm_raporbaslik::eventFilter(QObject* o, QEvent* e) {
  if (o == ComboBox1->lineEdit() && e->type() == QEvent::MouseButtonDblClick) {
    ComboBox1DblClick();
    return true;
  }
  return QDialog::eventFilter(o, e);
}

void Tfrm_raporbaslik::listele() {
  db::Query q(QStringLiteral("qry_raporbaslik"));
  q.setSql(QStringLiteral("select * from RAPORBASLIK where 1=1  and sirketkodu = :sirket and MODUL = :modul order by SIRALAMA  "));
  q.bind(QStringLiteral("sirket"), edt_sirket->text());
  q.bind(QStringLiteral("modul"), ComboBox1->currentText());
  q.exec();
  cxGrid1->setEditable(QStringLiteral("RAPORBASLIK"), QStringLiteral("KAYITNO"),
                       {{QStringLiteral("SIRKETKODU"), edt_sirket->text()}});
  cxGrid1->load(q);
}

void Tfrm_raporbaslik::btn_listeleClick() {
  ui::runHandler([this] {
    if (ComboBox1->currentText().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Ekran Secmelisiniz"));
      return;
    }
    listele();
  });
}

void Tfrm_raporbaslik::ComboBox1DblClick() {
  ui::runHandler([this] {
    Tfrm_farkliolan picker(this);
    farkliolan::tabloadi = QStringLiteral("RAPORBASLIK");
    farkliolan::alanadi = QStringLiteral("MODUL");
    const QString v = picker.dosya_ara_modal();
    if (v == QLatin1String("-1")) return;
    ComboBox1->setCurrentText(v);
    listele();
    showMaximized();
  });
}

void Tfrm_raporbaslik::btn_yeniClick() {
  ui::runHandler([this] {
    if (!cxGrid1->editable()) listele();
    const bool first = cxGrid1->rowCount() == 0;
    std::map<QString, QVariant> defaults{
        {QStringLiteral("SIRKETKODU"), edt_sirket->text().isEmpty() ? login::SIRKET : edt_sirket->text()},
        {QStringLiteral("MODUL"), ComboBox1->currentText()},
        {QStringLiteral("RAPORTURU"), QStringLiteral("fr3")}};
    if (first) defaults[QStringLiteral("SIRALAMA")] = QStringLiteral("01");
    cxGrid1->append(defaults);
  });
}

void Tfrm_raporbaslik::btn_kaydetClick() {
  ui::runHandler([this] { cxGrid1->post(); });
}

void Tfrm_raporbaslik::btn_silClick() {
  ui::runHandler([this] {
    if (cxGrid1->rowCount() == 0) return;
    if (!ui::Dialogs::question(QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "))) return;
    cxGrid1->deleteCurrent();
    ui::Dialogs::message(QStringLiteral(" Kayıt  Silindi "));
  });
}

void Tfrm_raporbaslik::btn_raporyoluClick() {
  ui::runHandler([this] {
    if (cxGrid1->currentRow() < 0) return;
    const QString path = ui::Dialogs::openFile(QStringLiteral("Rapor Şablonu Seçiniz"),
                                               QStringLiteral("Rapor Şablonları (*.fr3 *.frf *.rav);;Tüm Dosyalar (*)"));
    if (path.isEmpty()) return;
    cxGrid1->setValue(QStringLiteral("RAPORYOLU"), path);
    cxGrid1->setValue(QStringLiteral("RAPORTURU"), path.right(3));
  });
}
