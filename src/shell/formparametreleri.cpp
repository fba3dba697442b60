#include "shell/formparametreleri.h"

#include "db/db.h"
#include "sheet/sheet.h"
#include "shell/dm.h"
#include "shell/farkliolan.h"
#include "shell/Utils.h"
#include "shell/session.h"
#include "shell/sirket_ara.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"
#include "ui/menukeys.h"

#include <QCloseEvent>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace formparametreleri {
namespace {
Parametreler read(const QString& formadi, const QString& company) {
  db::Query& q = DM1->qry_formparemetreleri;
  q.setSql(QStringLiteral("select * from FORMPAREMETRELERI where 1=1  and formadi = :formadi and sirketkodu = :sirket order by 1 "));
  q.bind(QStringLiteral("formadi"), db::sqlTextValue(formadi));
  q.bind(QStringLiteral("sirket"), db::sqlTextValue(company));
  q.exec();
  Parametreler p;
  for (const QSqlRecord& r : q.rows()) {
    p.degerler << r.value(QStringLiteral("PARAMETREDEGERI")).toString();
    p.aciklamalar << r.value(QStringLiteral("ACIKLAMA")).toString();
  }
  return p;
}
}  // namespace

Parametreler oku(const QString& formadi, bool companyFirst) {
  if (companyFirst) {
    Parametreler own = read(formadi, login::SIRKET);
    if (!own.degerler.isEmpty()) return own;
  }
  return read(formadi, QStringLiteral("SISTEM"));
}

bool varsayilanlariYukle(const QString& formadi, const Defaults& rows) {
  if (!read(formadi, QStringLiteral("SISTEM")).degerler.isEmpty() &&
      !ui::Dialogs::question(QStringLiteral("Ekran Parametreleri zaten Yüklü.Yeniden Yüklemek İstiyormusunuz ? ")))
    return false;
  db::runDocument([&] {
    db::Query del(QStringLiteral("qry_formparemetreleri"));
    del.setSql(QStringLiteral("delete  from FORMPAREMETRELERI   where SIRKETKODU = 'SISTEM' and FORMADI = :formadi"));
    del.bind(QStringLiteral("formadi"), db::sqlTextValue(formadi));
    del.exec();
    db::Query ins(QStringLiteral("qry_formparemetreleri"));
    for (const auto& [name, value] : rows) {
      ins.setSql(QStringLiteral("INSERT INTO FORMPAREMETRELERI (KULLANICIKODU, SIRKETKODU, FORMADI, PARAMETREADI, "
                                "PARAMETREDEGERI) VALUES ('', 'SISTEM', :f, :n, :v)"));
      ins.bind(QStringLiteral("f"), formadi);
      ins.bind(QStringLiteral("n"), name);
      ins.bind(QStringLiteral("v"), value);
      ins.exec();
    }
  });
  return true;
}

const Defaults& menuVarsayilanlari() {
  static const Defaults d{{QStringLiteral("01-Kurları Otomatik Al"), QStringLiteral("E")}};
  return d;
}

}  // namespace formparametreleri

// ----------------------------------------------------------------------------------------

Tfrm_formparametreleri::Tfrm_formparametreleri(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_formparametreleri"));
  setWindowTitle(QStringLiteral("Ekran Parametreleri"));
  auto* lay = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Şirket"), this));
  edt_sirket = new QLineEdit(QStringLiteral("SISTEM"), this);
  edt_sirket->setObjectName(QStringLiteral("edt_sirket"));
  top->addWidget(edt_sirket);
  btn_sirketsec = new QPushButton(QStringLiteral("Şirket Seç"), this);
  btn_sirketsec->setObjectName(QStringLiteral("btn_sirketsec"));
  top->addWidget(btn_sirketsec);
  top->addWidget(new QLabel(QStringLiteral("Ekran"), this));
  ComboBox1 = new QComboBox(this);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(true);
  ComboBox1->addItems({QStringLiteral("fatura"), QStringLiteral("cari"), QStringLiteral("cari hareket"), QStringLiteral("stok"),
                       QStringLiteral("siparis"), QStringLiteral("irsaliye"), QStringLiteral("kurlar"), QStringLiteral("cek"),
                       QStringLiteral("senet"), QStringLiteral("kasa"), QStringLiteral("banka"), QStringLiteral("bankalar"),
                       QStringLiteral("sozlesme"), QStringLiteral("uyari")});
  ComboBox1->setCurrentText(QString());
  ComboBox1->setMinimumWidth(160);
  ComboBox1->lineEdit()->installEventFilter(this);
  top->addWidget(ComboBox1);
  btn_listele = new QPushButton(QStringLiteral("Listele"), this);
  btn_listele->setObjectName(QStringLiteral("btn_listele"));
  top->addWidget(btn_listele);
  btn_islemler = new QPushButton(QStringLiteral("İşlemler"), this);
  btn_islemler->setObjectName(QStringLiteral("btn_islemler"));
  mnu_islemler = new QMenu(this);
  mnu_tumunulistele = mnu_islemler->addAction(QStringLiteral("Tümünü Listele"));
  mnu_excelden = mnu_islemler->addAction(QStringLiteral("Excelden Geri Yükle"));
  mnu_anamenu = mnu_islemler->addAction(QStringLiteral("Ana Menu Parametre Yükle"));
  mnu_excele = mnu_islemler->addAction(QStringLiteral("Excele Aktar"));
  btn_islemler->setMenu(mnu_islemler);
  top->addWidget(btn_islemler);
  top->addStretch();
  lay->addLayout(top);

  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  lay->addWidget(cxGrid1, 1);

  auto* buttons = new QHBoxLayout;
  btn_kaydet = ui::button(this, "btn_kaydet", QStringLiteral(" Kaydet     "), buttons);
  btn_yeni = ui::button(this, "btn_yeni", QStringLiteral("   Yeni   "), buttons);
  btn_sil = ui::button(this, "btn_sil", QStringLiteral(" Sil  "), buttons);
  btn_iptal = ui::button(this, "btn_iptal", QStringLiteral("   İptal   "), buttons);
  buttons->addStretch();
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), buttons);
  lay->addLayout(buttons);

  connect(btn_sirketsec, &QPushButton::clicked, this, &Tfrm_formparametreleri::btn_sirketsecClick);
  connect(btn_listele, &QPushButton::clicked, this, &Tfrm_formparametreleri::btn_listeleClick);
  connect(mnu_tumunulistele, &QAction::triggered, this, &Tfrm_formparametreleri::TumunuListeleClick);
  connect(mnu_excelden, &QAction::triggered, this, &Tfrm_formparametreleri::ExceldenGeriYukleClick);
  connect(mnu_anamenu, &QAction::triggered, this, &Tfrm_formparametreleri::AnaMenuParametreYukleClick);
  connect(btn_kaydet, &QPushButton::clicked, this, &Tfrm_formparametreleri::btn_kaydetClick);
  connect(btn_yeni, &QPushButton::clicked, this, &Tfrm_formparametreleri::btn_yeniClick);
  connect(btn_sil, &QPushButton::clicked, this, &Tfrm_formparametreleri::btn_silClick);
  connect(btn_iptal, &QPushButton::clicked, this, &Tfrm_formparametreleri::btn_iptalClick);
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  ui::MenuKeys keys;
  keys.kaydet = [this] { btn_kaydetClick(); };
  keys.yeni = [this] { btn_yeniClick(); };
  keys.sil = [this] { btn_silClick(); };
  keys.iptal = [this] { btn_iptalClick(); };
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  resize(900, 560);
}

bool Tfrm_formparametreleri::eventFilter(QObject* o, QEvent* e) {
  if (o == ComboBox1->lineEdit() && e->type() == QEvent::MouseButtonDblClick) {
    ComboBox1DblClick();
    return true;
  }
  return QDialog::eventFilter(o, e);
}

void Tfrm_formparametreleri::btn_sirketsecClick() {
  ui::runHandler([this] {
    Tfrm_sirket_ara picker(this);
    const QString v = picker.dosya_ara_modal();
    if (v != QLatin1String("-1")) edt_sirket->setText(v);
  });
}

void Tfrm_formparametreleri::ComboBox1DblClick() {
  ui::runHandler([this] {
    Tfrm_farkliolan picker(this);
    farkliolan::tabloadi = QStringLiteral("FORMPAREMETRELERI");
    farkliolan::alanadi = QStringLiteral("FORMADI");
    const QString v = picker.dosya_ara_modal();
    if (v != QLatin1String("-1")) ComboBox1->setCurrentText(v);
  });
}

void Tfrm_formparametreleri::listele(bool allWindows) {
  listedCompany_ = edt_sirket->text();
  db::Query& q = DM1->qry_formparemetreleri;
  q.setSql(QStringLiteral("select * from FORMPAREMETRELERI where 1=1  and SIRKETKODU = :sirket%1 order by 1 ")
               .arg(allWindows ? QString() : QStringLiteral(" and FORMADI = :formadi")));
  q.bind(QStringLiteral("sirket"), db::sqlTextValue(listedCompany_));
  if (!allWindows) q.bind(QStringLiteral("formadi"), db::sqlTextValue(ComboBox1->currentText()));
  q.exec();
  cxGrid1->setEditable(QStringLiteral("FORMPAREMETRELERI"), QStringLiteral("KAYITNO"),
                       {{QStringLiteral("SIRKETKODU"), listedCompany_}});
  cxGrid1->load(q);
}

void Tfrm_formparametreleri::btn_listeleClick() {
  ui::runHandler([this] {
    if (ComboBox1->currentText().isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Ekran Secmelisiniz"));
      return;
    }
    listele(false);
  });
}

void Tfrm_formparametreleri::TumunuListeleClick() {
  ui::runHandler([this] { listele(true); });
}

void Tfrm_formparametreleri::ExceldenGeriYukleClick() {
  ui::runHandler([this] {
    const QString path = ui::Dialogs::openFile(QStringLiteral("Excel Dosyası Seçiniz"), QStringLiteral("Excel Dosyaları (*.xls *.xlsx)"));
    if (path.isEmpty()) return;  // cancelled: the table is left as it was
    // The whole workbook is read and checked before anything is deleted.
    sheet::Sheet book;
    QString error;
    if (!sheet::read(path, &book, &error)) {
      ui::Dialogs::error(error);
      return;
    }
    struct Row {
      int sheetRow;
      QStringList cells;
    };
    std::vector<Row> rows;
    auto cellText = [](const QVariant& v) -> QString {
      if (v.isNull() || !v.isValid()) return {};
      if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 15);
      if (v.typeId() == QMetaType::QDate) return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
      return v.toString();
    };
    for (size_t r = 0; r < book.rows.size() && r < 3000; ++r) {
      const auto& cells = book.rows[r];
      if (cells.empty() || cellText(cells[0]).isEmpty()) continue;
      QStringList texts;
      for (size_t c = 0; c < 5; ++c) texts << (c < cells.size() ? cellText(cells[c]) : QString());
      rows.push_back({int(r + 1), texts});
    }
    if (rows.empty()) {
      ui::Dialogs::message(QStringLiteral("Dosyada aktarılacak satır bulunamadı."));
      return;
    }
    Utils::excelAktar([&](int& failedRow) {
      db::Query del(QStringLiteral("qry_formparemetreleri"), QStringLiteral("delete  from FORMPAREMETRELERI  "));
      del.exec();
      db::Query ins(QStringLiteral("qry_formparemetreleri"));
      for (const Row& r : rows) {
        failedRow = r.sheetRow;
        ins.setSql(QStringLiteral("INSERT INTO FORMPAREMETRELERI (KULLANICIKODU, SIRKETKODU, FORMADI, PARAMETREADI, "
                                  "PARAMETREDEGERI) VALUES (:a, :b, :c, :d, :e)"));
        ins.bind(QStringLiteral("a"), r.cells[0]);
        ins.bind(QStringLiteral("b"), r.cells[1]);
        ins.bind(QStringLiteral("c"), r.cells[2]);
        ins.bind(QStringLiteral("d"), r.cells[3]);
        ins.bind(QStringLiteral("e"), r.cells[4]);
        ins.exec();
        ui::keepPainting();
      }
    });
    listele(ComboBox1->currentText().isEmpty());
    ui::Dialogs::message(QStringLiteral("Form Parametrelerine Excel den Veri Alma İşlemi Başarı ile Tamamlandı"));
  });
}

void Tfrm_formparametreleri::AnaMenuParametreYukleClick() {
  ui::runHandler([] { formparametreleri::varsayilanlariYukle(QStringLiteral("menu"), formparametreleri::menuVarsayilanlari()); });
}

void Tfrm_formparametreleri::btn_kaydetClick() {
  ui::runHandler([this] { cxGrid1->post(); });
}

void Tfrm_formparametreleri::btn_yeniClick() {
  ui::runHandler([this] {
    if (!cxGrid1->editable()) listele(true);
    cxGrid1->append({{QStringLiteral("SIRKETKODU"), edt_sirket->text()}});
  });
}

void Tfrm_formparametreleri::btn_silClick() {
  ui::runHandler([this] {
    if (cxGrid1->rowCount() == 0) return;
    if (!ui::Dialogs::question(QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "))) return;
    cxGrid1->deleteCurrent();
    ui::Dialogs::message(QStringLiteral(" Kayıt  Silindi "));
  });
}

void Tfrm_formparametreleri::btn_iptalClick() { cxGrid1->cancel(); }

void Tfrm_formparametreleri::closeEvent(QCloseEvent* e) {
  // This administration window closes the shared connection; the next statement reopens it.
  db::Connection::instance().close();
  QDialog::closeEvent(e);
}
