#include "ui/menukeys.h"

#include <QShortcut>

namespace ui {

void bindMenuKeys(QWidget* window, const MenuKeys& k) {
  const std::pair<QKeySequence, const std::function<void()>*> map[] = {
      {QKeySequence(Qt::Key_F5), &k.kaydet},
      {QKeySequence(Qt::Key_F2), &k.yeni},
      {QKeySequence(Qt::Key_F3), &k.iptal},
      {QKeySequence(Qt::Key_F4), &k.degistir},
      {QKeySequence(Qt::CTRL | Qt::Key_Delete), &k.sil},
      {QKeySequence(Qt::CTRL | Qt::Key_P), &k.yazdir},
      {QKeySequence(Qt::CTRL | Qt::Key_N), &k.notlar},
      {QKeySequence(Qt::CTRL | Qt::Key_F), &k.ara},
      {QKeySequence(Qt::CTRL | Qt::Key_E), &k.excel},
      {QKeySequence(Qt::CTRL | Qt::Key_K), &k.kapat},
      {QKeySequence(Qt::Key_F7), &k.listele},
  };
  for (const auto& [seq, fn] : map) {
    if (!*fn) continue;
    auto* s = new QShortcut(seq, window);
    s->setContext(Qt::WindowShortcut);
    QObject::connect(s, &QShortcut::activated, window, *fn);
  }
}

}  // namespace ui
