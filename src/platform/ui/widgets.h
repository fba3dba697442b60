// Small builders for the windows' controls.
#pragma once
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
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

// Typing shows in Turkish upper case (i -> İ), the caret staying where it was.
inline void upperCaseInput(QLineEdit* e) {
  QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString& t) {
    const QString up = QLocale(QLocale::Turkish).toUpper(t);
    if (up == t) return;
    const int pos = e->cursorPosition();
    e->setText(up);
    e->setCursorPosition(pos);
  });
}

}  // namespace ui
