#include "shell/farkliolan.h"

#include "shell/session.h"
#include "ui/dialogs.h"

#include <QRegularExpression>

namespace {
bool isIdentifier(const QString& s) {
  static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return re.match(s).hasMatch();
}
}  // namespace

Tfrm_farkliolan::Tfrm_farkliolan(QWidget* owner)
    : PickerWindow(owner, QStringLiteral("frm_farkliolan"), QStringLiteral("GİRİLMİŞ DEĞERLER BULMA")) {
  PopupMenu1 = new QMenu(this);
  mnu_tumsirketler = PopupMenu1->addAction(QStringLiteral("Tüm Şirketlerdeki  Kayıtları Göster"));
  mnu_tumgirilmisler = PopupMenu1->addAction(QStringLiteral("Tüm Girilmişleri Göster"));
  mnu_excel = PopupMenu1->addAction(QStringLiteral("Excele Aktar"));
  cxGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(cxGrid1->view(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu1->popup(cxGrid1->view()->viewport()->mapToGlobal(p)); });
  connect(mnu_tumsirketler, &QAction::triggered, this, [this] {
    ui::runHandler([this] {
      if (!valid()) return;
      using namespace farkliolan;
      list(QStringLiteral("SELECT %1,count(*) ADET from %2 where 1=1   group by 1").arg(alanadi, tabloadi));
    });
  });
  connect(mnu_tumgirilmisler, &QAction::triggered, this, [this] {
    ui::runHandler([this] {
      if (!valid()) return;
      using namespace farkliolan;
      const bool scoped = tabloadi.compare(QStringLiteral("ELEMANLAR"), Qt::CaseInsensitive) != 0;
      list(QStringLiteral("SELECT %1,count(*) ADET from %2 where 1=1 %3  group by %2.%1")
               .arg(alanadi, tabloadi, scoped ? QStringLiteral(" and SIRKETKODU = :sirket") : QString()),
           scoped ? std::map<QString, QVariant>{{QStringLiteral("sirket"), login::SIRKET}} : std::map<QString, QVariant>{});
    });
  });
}

bool Tfrm_farkliolan::valid() const {
  using namespace farkliolan;
  return !tabloadi.isEmpty() && !alanadi.isEmpty() && isIdentifier(tabloadi) && isIdentifier(alanadi) &&
         (alanadi2.isEmpty() || isIdentifier(alanadi2));
}

bool Tfrm_farkliolan::companyScoped() const {
  static const QStringList shared{QStringLiteral("ELEMANLAR"), QStringLiteral("MODULLER"),
                                  QStringLiteral("FORMPAREMETRELERI"), QStringLiteral("SIRKETLER")};
  return !shared.contains(farkliolan::tabloadi.toUpper());
}

QString Tfrm_farkliolan::returnColumn() const {
  return farkliolan::tabloadi.toUpper() == QLatin1String("SIRKETLER") ? QStringLiteral("SIRKETKODU") : farkliolan::alanadi;
}

bool Tfrm_farkliolan::FormShow() {
  using namespace farkliolan;
  if (!valid()) return false;
  const QString T = tabloadi.toUpper();
  const QString C = alanadi;
  if (T == QLatin1String("SIRKETLER")) {
    setWindowTitle(QStringLiteral("SIRKETLER"));
    edt_ara->hide();
    list(QStringLiteral("SELECT SIRKETKODU,SIRKETADI from SIRKETLER where 1=1  group by 1"));
    return false;
  }
  QString F;
  std::map<QString, QVariant> binds;
  if (companyScoped()) {
    F += QStringLiteral(" and sirketkodu = :sirket");
    binds[QStringLiteral("sirket")] = login::SIRKET;
  }
  if (!alandegeri2.isEmpty()) {
    F += QStringLiteral(" and %1 = :deger2").arg(alanadi2);
    binds[QStringLiteral("deger2")] = alandegeri2;
  }
  if (!alandegeri.isEmpty()) {
    F += QStringLiteral(" and %1 like :deger").arg(C);
    binds[QStringLiteral("deger")] = QStringLiteral("%") + alandegeri + QStringLiteral("%");
  }
  if (T == QLatin1String("FORMPAREMETRELERI")) F += QStringLiteral(" and %1 <> 'menu'").arg(C);
  if (T == QLatin1String("FIRMALAR") && C.toUpper() == QLatin1String("CARIKOD"))
    list(QStringLiteral("SELECT DISTINCT CARIKOD from FIRMALAR where 1=1 %1 order by 1 desc ").arg(F), binds);
  else
    list(QStringLiteral("SELECT %1,count(*) ADET from %2 where 1=1 %3  group by %1").arg(C, tabloadi, F), binds);
  if (T == QLatin1String("ELEMANLAR")) {
    setWindowTitle(QStringLiteral("KULLANICILAR"));
    std::vector<grid::Column> cols(2);
    cols[0].field = C;
    cols[0].caption = QStringLiteral("KULLANICI ADLARI");
    cols[1].field = QStringLiteral("ADET");
    cols[1].visible = false;
    cxGrid1->setColumns(cols);
  }
  edt_ara->setFocus();
  return false;
}

void Tfrm_farkliolan::applySearch(const QString& text) {
  using namespace farkliolan;
  if (!valid()) return;
  const bool scoped = companyScoped();
  std::map<QString, QVariant> binds{{QStringLiteral("s"), text + QStringLiteral("%")}};
  if (scoped) binds[QStringLiteral("sirket")] = login::SIRKET;
  list(QStringLiteral("select %1 from %2 Where  %1 like  upper(:s)%3 group by 1 ")
           .arg(alanadi, tabloadi, scoped ? QStringLiteral("  and SIRKETKODU = :sirket") : QString()),
       binds);
  focusAfterSearch(alanadi, text);
}

void Tfrm_farkliolan::FormClose() {
  farkliolan::alandegeri.clear();
  farkliolan::alandegeri2.clear();
}
