#include "shell/firmaadi_ara.h"

#include "shell/rights.h"
#include "shell/session.h"
#include "ui/dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>

namespace {
const QStringList kSearchItems{
    QStringLiteral("FIRMA_ADI2"), QStringLiteral("FIRMA_ADI"), QStringLiteral("CARIKOD"),  QStringLiteral("YETKILI1"),
    QStringLiteral("YETKILI2"),   QStringLiteral("YETKILI3"),  QStringLiteral("TEL1"),     QStringLiteral("TEL2"),
    QStringLiteral("TEL3"),       QStringLiteral("CEP_TEL"),   QStringLiteral("FAX_TEL"),  QStringLiteral("E_MAIL"),
    QStringLiteral("HESAPNO"),    QStringLiteral("WEB_ADRESI"), QStringLiteral("MUSTERITIPI"), QStringLiteral("KAYITTURU"),
    QStringLiteral("SEKTOR"),     QStringLiteral("DURUM"),     QStringLiteral("IL"),       QStringLiteral("ILCE"),
    QStringLiteral("ULKE"),       QStringLiteral("ADRES"),     QStringLiteral("VDAIRESI"), QStringLiteral("VNO"),
    QStringLiteral("OZELKOD1"),   QStringLiteral("OZELKOD2"),  QStringLiteral("OZELKOD3"), QStringLiteral("NOTU"),
    QStringLiteral("ILGILI"),     QStringLiteral("BANKA")};

// Second names of the card stand for the card column they name, so indexes serve.
QString cardColumn(const QString& name) {
  static const std::map<QString, QString> second{
      {QStringLiteral("FIRMA_KODU"), QStringLiteral("KAYITNO")},       {QStringLiteral("FIRMA_ADI"), QStringLiteral("CARIUNVAN")},
      {QStringLiteral("FAX_TEL"), QStringLiteral("FAX")},              {QStringLiteral("CEP_TEL"), QStringLiteral("CEPNO")},
      {QStringLiteral("E_MAIL"), QStringLiteral("EMAIL")},             {QStringLiteral("V_DAIRESI"), QStringLiteral("VDAIRESI")},
      {QStringLiteral("V_NO"), QStringLiteral("VNO")},                 {QStringLiteral("WEB_ADRESI"), QStringLiteral("WEB")},
      {QStringLiteral("KAYIT_TARIHI"), QStringLiteral("KAYITTARIHI")}, {QStringLiteral("HESAPPARABIRIMI"), QStringLiteral("PARABIRIMI")},
      {QStringLiteral("SONFATURATARIHI"), QStringLiteral("SONISLEMTARIHI")},
      {QStringLiteral("SONFATURATUTARI"), QStringLiteral("SONISLEMTUTARI")}, {QStringLiteral("AMBAR"), QStringLiteral("KARGO")}};
  auto it = second.find(name.toUpper());
  return it == second.end() ? name.toUpper() : it->second;
}

std::vector<grid::Column> cardColumns() {
  const std::pair<const char*, const char*> spec[] = {
      {"KAYITNO", "K.NO"},       {"CARIKOD", "CARIKOD"},     {"CARIUNVAN", "CARI UNVAN"},
      {"TEL1", "TEL1"},          {"CEPNO", "CEP NO"},        {"KAYITTARIHI", "K.TARIHI"},
      {"BORC", "BORC"},          {"ALACAK", "ALACAK"},       {"BAKIYE", "BAKIYE"},
      {"DURUM", "D"},            {"PARABIRIMI", "PB"},       {"ADRES", "ADRES"},
      {"IL", "IL"},              {"ILCE", "ILCE"},           {"ILGILI", "ILGILI"},
      {"ODENMEMISEVRAKTUTARI", "TOPLAM RISK"}, {"CEKRISKI", "CEKRISKI"}, {"SENETRISKI", "SENETRISKI"},
      {"YETKILI1", "YETKILI1"},  {"SONISLEMTARIHI", "SON FATURA"}, {"SONODEMETARIHI", "SON ÖDEME"},
      {"ARACPLAKASI", "ARACPLAKASI"}, {"SONPOLICENO", "SONPOLICENO"}, {"SONPOLICETURU", "SONPOLICETURU"},
      {"SUBEKODU", "SUBEKODU"}};
  std::vector<grid::Column> cols;
  for (auto [f, c] : spec) {
    grid::Column col;
    col.field = QString::fromLatin1(f);
    col.caption = QString::fromUtf8(c);
    if (col.field == QLatin1String("BORC") || col.field == QLatin1String("ALACAK") || col.field == QLatin1String("BAKIYE") ||
        col.field.endsWith(QLatin1String("RISKI")) || col.field == QLatin1String("ODENMEMISEVRAKTUTARI"))
      col.decimals = 2;
    cols.push_back(col);
  }
  return cols;
}
}  // namespace

Tfrm_firmaadi_ara::Tfrm_firmaadi_ara(QWidget* owner)
    : PickerWindow(owner, QStringLiteral("frm_firmaadi_ara"), QStringLiteral("Firma Adı Arama")) {
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("Aranacak Alan"), this));
  cbx_aranacak = new QComboBox(this);
  cbx_aranacak->setObjectName(QStringLiteral("cbx_aranacak"));
  cbx_aranacak->setEditable(true);
  cbx_aranacak->addItems(kSearchItems);
  cbx_aranacak->setCurrentText(QStringLiteral("FIRMA_ADI"));
  top->addWidget(cbx_aranacak);
  CheckBox2 = new QCheckBox(QStringLiteral("İçindeki Kelimeyi Ara"), this);
  CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
  CheckBox3 = new QCheckBox(QStringLiteral("İlk 30 Stok Kartını Getir."), this);
  CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
  CheckBox3->setChecked(true);
  top->addWidget(CheckBox2);
  top->addWidget(CheckBox3);
  top->addStretch();
  body->insertLayout(0, top);
  lbl_bilgi = new QLabel(this);
  lbl_bilgi->setObjectName(QStringLiteral("lbl_bilgi"));
  lbl_bilgi->setWordWrap(true);
  lbl_bilgi->setFrameShape(QFrame::StyledPanel);
  lbl_bilgi->setTextInteractionFlags(Qt::TextSelectableByMouse);
  body->addWidget(lbl_bilgi);

  cxGrid1->setColumns(cardColumns());
  cxGrid1->cellColor = [](const QSqlRecord& r, const QString& field) -> QColor {
    if (field == QLatin1String("DURUM")) {
      const QString d = r.value(QStringLiteral("DURUM")).toString();
      if (d == QLatin1String("A")) return QPalette().color(QPalette::Inactive, QPalette::Highlight).lighter(130);
      if (d == QLatin1String("B")) return QColor(255, 232, 230);
    }
    if (field == QLatin1String("ODENMEMISEVRAKTUTARI") && r.value(field).toDouble() > 0) return QColor(192, 220, 192);
    return {};
  };
  cxGrid1->onTitleClick = [this](const QString& field) { titleClicked(field); };
  connect(cxGrid1, &grid::DBGrid::currentRowChanged, this, [this](int) { showInfo(); });
  resize(980, 560);
}

QString Tfrm_firmaadi_ara::filterG(std::map<QString, QVariant>* binds) const {
  using namespace firmaadi_ara;
  QString g = QStringLiteral(" and SIRKETKODU = :sirket");
  (*binds)[QStringLiteral("sirket")] = db::sqlTextValue(login::SIRKET);
  if (!firmackod.isEmpty()) {
    g += QStringLiteral(" and CARIKOD = :kod");
    (*binds)[QStringLiteral("kod")] = db::sqlTextValue(firmackod);
  }
  if (!firmacarituru.isEmpty()) {
    g += QStringLiteral(" and KAYITTURU = :tur");
    (*binds)[QStringLiteral("tur")] = db::sqlTextValue(firmacarituru);
  }
  if (yetki_kkgor == QLatin1String("E")) {
    g += QStringLiteral(" and KULLANICI = :kullanici");
    (*binds)[QStringLiteral("kullanici")] = db::sqlTextValue(login::userim);
  }
  if (cariarama_param46 == QLatin1String("E")) g += QStringLiteral(" and KAYITTURU <> 'PERSONEL'");
  return g;
}

bool Tfrm_firmaadi_ara::FormShow() {
  login::Yetkiler y;
  y.load(QStringLiteral("cari"));
  firmaadi_ara::yetki_kkgor = y.yetki_kkgor;
  std::map<QString, QVariant> binds;
  const QString g = filterG(&binds);
  const QString limit = CheckBox3->isChecked() ? QStringLiteral(" LIMIT 30") : QString();
  list(QStringLiteral("select * from FIRMALAR where 1=1 %1 order by 1 DESC %2").arg(g, limit), binds);
  edt_ara->setFocus();
  showInfo();
  // A preset code that names a card is answered at once with the newest such card.
  return !firmaadi_ara::firmackod.isEmpty() && cxGrid1->rowCount() > 0;
}

QString Tfrm_firmaadi_ara::searchColumn() const {
  const QString typed = cbx_aranacak->currentText().trimmed().toUpper();
  bool allowed = kSearchItems.contains(typed);
  for (const grid::Column& c : cxGrid1->columns())
    if (c.field.compare(typed, Qt::CaseInsensitive) == 0) allowed = true;
  return allowed ? cardColumn(typed) : QString();
}

void Tfrm_firmaadi_ara::applySearch(const QString& text) {
  using namespace firmaadi_ara;
  const QString column = searchColumn();
  if (column.isEmpty()) return;
  const bool contains = CheckBox2->isChecked();
  QString tail;
  std::map<QString, QVariant> binds{{QStringLiteral("sirket"), login::SIRKET}};
  if (cariarama_param46 == QLatin1String("E")) tail += QStringLiteral(" and kayitturu <> 'PERSONEL' ");
  if (yetki_kkgor == QLatin1String("E")) {
    tail += QStringLiteral(" and kullanici = :kullanici");
    binds[QStringLiteral("kullanici")] = login::userim;
  }
  const QString limit = CheckBox3->isChecked() ? QStringLiteral(" LIMIT 30") : QString();
  // Caps Lock cannot be read here: it counts as off, so the first try is lower-case.
  binds[QStringLiteral("s")] = (contains ? QStringLiteral("%") : QString()) + text + QStringLiteral("%");
  list(QStringLiteral("select * from FIRMALAR Where  %1 like  lower(:s)  and SIRKETKODU = :sirket  %2 order by 1 DESC %3")
           .arg(column, tail, limit),
       binds);
  if (cxGrid1->rowCount() == 0)
    list(QStringLiteral("select * from FIRMALAR Where  upper(%1) like  upper(:s)  and SIRKETKODU = :sirket  %2 order by 1 ")
             .arg(column, tail),
         binds);
  if (cxGrid1->rowCount() == 0) {
    binds[QStringLiteral("s")] = QStringLiteral("%") + text + QStringLiteral("%");
    list(QStringLiteral("select  * from FIRMALAR Where  upper(%1) like  upper(:s)  and SIRKETKODU = :sirket  %2 order by 1 ")
             .arg(column, tail),
         binds);
  }
  focusAfterSearch(column, text);
  showInfo();
}

void Tfrm_firmaadi_ara::titleClicked(const QString& field) {
  ui::runHandler([&] {
    cbx_aranacak->setCurrentText(field);
    std::map<QString, QVariant> binds;
    const QString g = filterG(&binds);
    list(QStringLiteral("select * from FIRMALAR where 1=1 %1 order by %2 DESC ").arg(g, cardColumn(field)), binds);
    edt_ara->setFocus();
  });
}

void Tfrm_firmaadi_ara::showInfo() {
  if (cxGrid1->currentRow() < 0) {
    lbl_bilgi->clear();
    return;
  }
  auto v = [this](const char* f) { return cxGrid1->value(QString::fromLatin1(f)).toString(); };
  lbl_bilgi->setText(QStringLiteral("<b>%1</b> (%2)  İlgili: %3  E-Mail: %4  Web: %5<br>Tel: %6 / %7 / %8  Cep: %9")
                         .arg(v("CARIUNVAN").toHtmlEscaped(), v("CARIKOD").toHtmlEscaped(), v("ILGILI").toHtmlEscaped(),
                              v("EMAIL").toHtmlEscaped(), v("WEB").toHtmlEscaped(), v("TEL1").toHtmlEscaped(),
                              v("TEL2").toHtmlEscaped(), v("TEL3").toHtmlEscaped(), v("CEPNO").toHtmlEscaped()) +
                     QStringLiteral("<br>%1 %2 / %3  Yetkili Cep: %4  Özel Kod 1: %5<br>%6")
                         .arg(v("ADRES").toHtmlEscaped(), v("ILCE").toHtmlEscaped(), v("IL").toHtmlEscaped(),
                              v("YETKILICEPNO").toHtmlEscaped(), v("OZELKOD1").toHtmlEscaped(), v("NOTU").toHtmlEscaped()));
}

void Tfrm_firmaadi_ara::FormClose() {
  firmaadi_ara::firmackod.clear();
  firmaadi_ara::firmacarituru.clear();
  firmaadi_ara::cariarama_param46.clear();
}
