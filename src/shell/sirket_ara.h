// The company picker.
#pragma once
#include "shell/picker.h"

#include <QMenu>

class Tfrm_sirket_ara : public PickerWindow {
  Q_OBJECT
 public:
  explicit Tfrm_sirket_ara(QWidget* owner = nullptr);
  QMenu* PopupMenu1;
  QAction* mnu_tumunugoster;

 protected:
  bool FormShow() override;
  void applySearch(const QString& text) override;
  QString returnColumn() const override { return QStringLiteral("SIRKETKODU"); }
};
