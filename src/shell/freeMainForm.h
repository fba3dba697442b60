// The template designer's file browser: pick a template on disk and edit it.
#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

class Tfrm_freeMainForm : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_freeMainForm(QWidget* parent = nullptr);

  QComboBox* DriveComboBox1;
  QListWidget* DirectoryListBox1;
  QListWidget* FileListBox1;
  QComboBox* FilterComboBox1;
  QLineEdit* edt_konum;
  QPushButton* btn_konum;
  QPushButton* btn_fr3duzenle;
  QPushButton* btn_kapat;

  QString folder() const { return folder_; }
  void setFolder(const QString& folder);
  // Opens the designer on a template file (true when it was shown).
  bool edit(const QString& path);

 public slots:
  void btn_fr3duzenleClick();
  void btn_konumClick();

 private:
  void fillFiles();
  QString folder_;
};
