#include "i18n/i18n.h"

#include <QCoreApplication>
#include <QTranslator>

namespace i18n {
namespace {
QTranslator* g_translator = nullptr;
QString g_language = QStringLiteral("tr");
}  // namespace

bool setLanguage(const QString& code) {
  if (g_translator) {
    QCoreApplication::removeTranslator(g_translator);
    delete g_translator;
    g_translator = nullptr;
  }
  g_language = QStringLiteral("tr");
  if (code == QLatin1String("tr") || code.isEmpty()) return true;
  auto* t = new QTranslator;
  if (!t->load(QStringLiteral(":/i18n/ordavin_") + code + QStringLiteral(".qm"))) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  g_translator = t;
  g_language = code;
  return true;
}

QString language() { return g_language; }

}  // namespace i18n
