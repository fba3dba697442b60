// The staff picker: users are shared by all companies.
#pragma once
#include "shell/picker.h"

class Tfrm_eleman_ara : public PickerWindow {
  Q_OBJECT
 public:
  explicit Tfrm_eleman_ara(QWidget* owner = nullptr);

 protected:
  bool FormShow() override;
  void applySearch(const QString& text) override;
  QString returnColumn() const override { return QStringLiteral("KULLANICI_KODU"); }
};
