// The distinct-value picker: the values already entered in one column of one table.
#pragma once
#include "shell/picker.h"

#include <QMenu>

namespace farkliolan {
inline QString tabloadi;     // kept after close
inline QString alanadi;      // kept after close
inline QString alanadi2;     // kept after close
inline QString alandegeri2;  // cleared on close
inline QString alandegeri;   // cleared on close
}  // namespace farkliolan

class Tfrm_farkliolan : public PickerWindow {
  Q_OBJECT
 public:
  explicit Tfrm_farkliolan(QWidget* owner = nullptr);
  QMenu* PopupMenu1;
  QAction* mnu_tumsirketler;
  QAction* mnu_tumgirilmisler;
  QAction* mnu_excel;

 protected:
  bool FormShow() override;
  void applySearch(const QString& text) override;
  QString returnColumn() const override;
  void FormClose() override;

 private:
  bool valid() const;
  bool companyScoped() const;
};
