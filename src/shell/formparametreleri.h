// Screen parameters: numbered settings per window in FORMPAREMETRELERI, read by position,
// with "SISTEM" rows as the defaults every company uses; and their editor window.
#pragma once
#include "grid/grid.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <utility>
#include <vector>

namespace formparametreleri {

struct Parametreler {
  QStringList degerler;     // PARAMETREDEGERI by position
  QStringList aciklamalar;  // ACIKLAMA by position
  // Parameter i (1-based); empty beyond the rows that exist.
  QString param(int i) const { return degerler.value(i - 1); }
  QString aciklama(int i) const { return aciklamalar.value(i - 1); }
};

// The window's "SISTEM" rows; with companyFirst, the session company's rows when it has any.
Parametreler oku(const QString& formadi, bool companyFirst = false);

using Defaults = std::vector<std::pair<QString, QString>>;  // numbered name, default value
// The defaults command: asks before replacing existing "SISTEM" rows; false when declined.
bool varsayilanlariYukle(const QString& formadi, const Defaults& rows);
const Defaults& menuVarsayilanlari();

}  // namespace formparametreleri

class Tfrm_formparametreleri : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_formparametreleri(QWidget* parent = nullptr);

  QLineEdit* edt_sirket;
  QPushButton* btn_sirketsec;
  QComboBox* ComboBox1;
  QPushButton* btn_listele;
  QPushButton* btn_islemler;
  QMenu* mnu_islemler;
  QAction* mnu_tumunulistele;
  QAction* mnu_excelden;
  QAction* mnu_anamenu;
  QAction* mnu_excele;
  grid::DBGrid* cxGrid1;
  QPushButton* btn_kaydet;
  QPushButton* btn_yeni;
  QPushButton* btn_sil;
  QPushButton* btn_iptal;
  QPushButton* btn_kapat;

 public slots:
  void btn_sirketsecClick();
  void ComboBox1DblClick();
  void btn_listeleClick();
  void TumunuListeleClick();
  void ExceldenGeriYukleClick();
  void AnaMenuParametreYukleClick();
  void btn_kaydetClick();
  void btn_yeniClick();
  void btn_silClick();
  void btn_iptalClick();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void listele(bool allWindows);
  QString listedCompany_;
};
