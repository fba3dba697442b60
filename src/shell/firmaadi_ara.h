// The customer (current-account) picker.
#pragma once
#include "shell/picker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace firmaadi_ara {
inline QString firmackod;          // cleared on close
inline QString firmacarituru;      // cleared on close
inline QString cariarama_param46;  // cleared on close; "E" hides staff cards
inline QString yetki_kkgor;        // own-rows flag of module "cari", read when shown
}  // namespace firmaadi_ara

class Tfrm_firmaadi_ara : public PickerWindow {
  Q_OBJECT
 public:
  explicit Tfrm_firmaadi_ara(QWidget* owner = nullptr);
  QComboBox* cbx_aranacak;
  QCheckBox* CheckBox2;  // contains-matching
  QCheckBox* CheckBox3;  // first 30 cards only
  QLabel* lbl_bilgi;     // the current card's contact details

 protected:
  bool FormShow() override;
  void applySearch(const QString& text) override;
  QString returnColumn() const override { return QStringLiteral("KAYITNO"); }
  void FormClose() override;

 private:
  // The stored column a search-box entry names, or empty when it names none.
  QString searchColumn() const;
  QString filterG(std::map<QString, QVariant>* binds) const;
  void titleClicked(const QString& field);
  void showInfo();
};
