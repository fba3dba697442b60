// Notes and reminders attached to any record, or without an owner from the main window.
#pragma once
#include "grid/binder.h"
#include "grid/grid.h"
#include "shell/registry.h"
#include "shell/rights.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace notlar {
// Attachment context: set by the opener, taken by new notes, cleared when the window closes.
inline int notevrakkayitno = 0;
inline QString notevrakkayitturu;
inline QString notcarikodu;
inline QString notcariunvan;

// Due rule: a note is due on a day when its reminder date is on or before that day, its
// reminder switch is "EVET" and it is not done. The condition binds :tarih.
inline const QString kVadesiGelen =
    QStringLiteral(" and TARIH2 <= :tarih and UYARSINMI = 'EVET' and SONUC = 'YAPILMADI'");
}  // namespace notlar

class QBoxLayout;

class Tfrm_notlar : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_notlar(QWidget* parent = nullptr);
  // However the window ends, the attachment context is cleared for the next opener.
  ~Tfrm_notlar() override;

  // Opens the notes of one record: the attachment context and its list, then the window.
  static void ac(QWidget* owner, const registry::OpenArgs& args);
  // The owner's notes (every company: the owner number names the record).
  void listOwner();

  grid::DBGrid* cxGrid1;
  grid::Binder* binder;
  QLineEdit *edt_carikodu, *edt_cariunvan, *edt_aciklama1, *edt_tarih1, *edt_tarih2, *edt_kullanici, *edt_saat,
      *edt_notuyazan, *edt_yetkiliadi, *edt_tel1, *edt_ceptel;
  QPlainTextEdit* edt_aciklama2;
  QComboBox *cmb_uyarsinmi, *cmb_sonuc, *cmb_katagori, *cmb_durum, *cmb_onemi;
  QPushButton *btn_cariara, *btn_adres1, *btn_adres2, *btn_solda, *btn_ustte;
  QPushButton *btn_yeni, *btn_kaydet, *btn_sil, *btn_iptal, *btn_kapat, *btn_islemler;
  QMenu* mnu_islemler;
  QAction *mnu_tumunulistele, *mnu_caritumnotlar, *mnu_kopya, *mnu_notlistesi, *mnu_excel;
  login::Yetkiler yetki;

 public slots:
  void FormShow();
  void btn_yeniClick();
  void btn_kaydetClick();
  void btn_silClick();
  void btn_iptalClick();
  void btn_cariaraClick();
  void adresClick(bool ikinci);
  void KopyasiniOlusturClick();
  void TumunuListeleClick();
  void CariTumNotlarClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void clearContext();
  void list(const QString& sql, const std::map<QString, QVariant>& binds);
  void pickPrevious(const QString& column, const QString& into);
  QBoxLayout* main_;
  QWidget* panel_;
  bool shown_ = false;
  QString lastSql_;
  std::map<QString, QVariant> lastBinds_;
  std::map<QObject*, std::pair<QString, QString>> previous_;  // widget -> (picker column, row column)
};
