// The main window: the whole session runs inside it. Buttons and menus open every module
// behind its rights check; the left column holds the figures, the quick lookup and the
// quick entry list; the middle the reminder list and the rates; the right a grid and a
// list view; a tray icon and a poll for unread messages.
#pragma once
#include "grid/grid.h"
#include "shell/registry.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

class Tfrm_menu;

namespace menu {
inline Tfrm_menu* frm_menu = nullptr;
inline QString MenuCA_CARIKODU;
inline int secilenhizligiris = -1;
// Filled by the reminder, rate and figure services of the main window.
inline std::function<void(Tfrm_menu&)> Yenile;        // rebuilds the reminder list
inline std::function<void(Tfrm_menu&)> kurbilgileri;  // fetches the day's rates
inline std::function<void(Tfrm_menu&)> rakamlar;      // recomputes the figures of the date field
}  // namespace menu

namespace login {
inline QString ana_param1;
}

class Tfrm_menu : public QMainWindow {
  Q_OBJECT
 public:
  explicit Tfrm_menu(QWidget* parent = nullptr);
  ~Tfrm_menu() override;

  // --- controls ---
  QWidget* Panel1;
  QPushButton *btn_isemri, *btn_cari, *btn_ruduzazer, *btn_kasa, *btn_banka, *btn_cek, *btn_senet;
  QMenuBar* MainMenu1;
  QGroupBox* GroupBox1;
  QDateEdit* cxDateEdit1;
  QListWidget* ListBox3;
  QListWidget* ListBox2;
  QGroupBox* GroupBox2;
  QLabel* Label23;
  QLineEdit* Edit1;
  QLabel* LBL_BULUNAN;
  QLabel* Label24;
  QLabel* Image1;
  QGroupBox* GroupBox5;
  QListWidget* ListBox1;
  QCalendarWidget* Calendar1;
  QLabel *Label2, *Label3, *lbl_usd, *Label1, *lbl_euro;
  QGroupBox* grb_tablo;
  grid::DBGrid* DBGrid1;
  QTreeWidget* ListView1;
  QMenu* PopupMenu1;
  QMenu* PopupMenu2;
  QMenu* PopupMenu3;
  QStatusBar* StatusBar1;
  QSystemTrayIcon* TrayIcon1 = nullptr;
  QTimer* Timer1;
  db::Query Query1{QStringLiteral("Query1")};
  // The reminder category whose rows the grid lists; empty when it lists anything else.
  QString listeKategori;

  // A menu action by its component name (MainMenu1, PopupMenu1..3).
  QAction* action(const QString& name) const;

  // --- behaviour ---
  void FormShow();
  // Activation: the first show and each return from a window this window opened.
  void activate();
  // Runs one command of the command table by its component name.
  void command(const QString& name);
  void SirketDegistir();
  void TumHatirlatmalariKapat();
  void MesajKontrol();
  void ExceleAktar();
  void CariKartBilgisi(const QString& cariKod);
  void CariHareketi(const QString& cariKod);
  void HizliYeniKayit(int position);
  void ProgramiKapat();  // tray: disconnect, then end
  void retranslate();
  // Shows the grid with the rows of a statement (the reminder and figure lists use it).
  void showGrid(const QString& sql, const std::map<QString, QVariant>& binds = {});
  // Runs the grid's statement again (after a quick action).
  void refreshGrid();

  static QString title(int gap1, int gap2);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void build();
  void buildMenus();
  void openWindow(const QString& window, const registry::OpenArgs& args = {});
  bool shown_ = false;
  bool activating_ = false;
  bool closeWithoutQuestion_ = false;
  std::map<QString, QAction*> actions_;
};
