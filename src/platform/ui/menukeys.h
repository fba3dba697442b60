// The menu keys every record and list window shares: F5 save, F2 new, F3 cancel, F4 change,
// Ctrl+Del delete, Ctrl+P print, Ctrl+N notes, Ctrl+F search, Ctrl+E export, Ctrl+K close,
// F7 list or refresh. A window binds the commands it has; the others stay unbound.
#pragma once
#include <QWidget>
#include <functional>

namespace ui {

struct MenuKeys {
  std::function<void()> kaydet, yeni, iptal, degistir, sil, yazdir, notlar, ara, excel, kapat, listele;
};

void bindMenuKeys(QWidget* window, const MenuKeys& keys);

}  // namespace ui
