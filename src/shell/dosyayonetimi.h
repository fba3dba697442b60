// The document registry: files on disk linked to records, opened with the shell and
// previewed when they are pictures.
#pragma once
#include "grid/binder.h"
#include "grid/grid.h"
#include "shell/registry.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace dosyayonetimi {
inline int dosyaevrakkayitno = 0;
inline QString dosyaevrakkayitturu;
inline QString dosyacarikod;
inline QString dosyacariunvan;
inline QString dosyaaciklama2;
}  // namespace dosyayonetimi

class Tfrm_dosyayonetimi : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_dosyayonetimi(QWidget* parent = nullptr);
  // However the window ends, the attachment context is cleared for the next opener.
  ~Tfrm_dosyayonetimi() override;

  // Opens the files of one record: the attachment context, its list, then the window.
  static void ac(QWidget* owner, const registry::OpenArgs& args);
  void listOwner();

  grid::DBGrid* cxGrid1;
  grid::Binder* binder;
  QLabel* Image1;
  QLineEdit *edt_konum, *edt_aciklama1, *edt_aciklama2, *edt_pcadi, *edt_kilit, *edt_carikod, *edt_cariunvan;
  QPushButton *btn_dosyabul, *btn_dosyaac, *btn_cariara, *btn_buCari, *btn_buEvrakTuru, *btn_tumDosyalar;
  QPushButton *btn_yeni, *btn_kaydet, *btn_sil, *btn_iptal, *btn_kapat, *btn_islemler;
  QMenu* mnu_islemler;
  QAction *mnu_tumunulistele, *mnu_excel;

 public slots:
  void btn_yeniClick();
  void btn_kaydetClick();
  void btn_silClick();
  void btn_dosyabulClick();
  void btn_dosyaacClick();
  void btn_cariaraClick();
  void ExceleAktarClick();
  void listCommand(int which);  // 0 this customer, 1 this kind, 2 all

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void clearContext();
  void list(const QString& condition, const std::map<QString, QVariant>& binds);
  void preview();
};
