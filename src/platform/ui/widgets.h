// Small builders for the windows' controls.
#pragma once
#include <QLayout>
#include <QPushButton>

namespace ui {

// A push button with its component name, added to a layout; Enter never presses it by default.
inline QPushButton* button(QWidget* parent, const char* name, const QString& text, QLayout* into) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  into->addWidget(b);
  return b;
}

}  // namespace ui
