// The bank-account picker: the company's bank accounts and cards.
#pragma once
#include "shell/picker.h"

class Tfrm_banka_ara : public PickerWindow {
  Q_OBJECT
 public:
  explicit Tfrm_banka_ara(QWidget* owner = nullptr);

 protected:
  bool FormShow() override;
  void applySearch(const QString& text) override;
  QString returnColumn() const override { return QStringLiteral("BANKAADI"); }
};

namespace cashbank {
void registerWindows();
}
