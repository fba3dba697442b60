#include "ui/dialogs.h"

#include "db/db.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

namespace ui {
namespace {
struct Script {
  bool on = false;
  std::vector<Shown> shown;
  std::deque<bool> questions;
  std::deque<std::optional<QString>> inputs;
  std::deque<QString> files;
  std::deque<ModalDriver> drivers;
};
Script& script() {
  static Script s;
  return s;
}
QWidget* parentWindow() { return QApplication::activeWindow(); }
}  // namespace

void Dialogs::message(const QString& text) {
  if (script().on) {
    script().shown.push_back({BoxKind::Message, text});
    return;
  }
  QMessageBox::information(parentWindow(), QApplication::applicationDisplayName(), text);
}

void Dialogs::error(const QString& text) {
  if (script().on) {
    script().shown.push_back({BoxKind::Error, text});
    return;
  }
  QMessageBox::critical(parentWindow(), QApplication::applicationDisplayName(), text);
}

bool Dialogs::question(const QString& text, const QString& caption) {
  if (script().on) {
    script().shown.push_back({BoxKind::Question, text});
    if (script().questions.empty()) return false;
    const bool a = script().questions.front();
    script().questions.pop_front();
    return a;
  }
  return QMessageBox::question(parentWindow(), caption.isEmpty() ? QApplication::applicationDisplayName() : caption,
                               text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> Dialogs::input(const QString& caption, const QString& prompt, const QString& value) {
  if (script().on) {
    script().shown.push_back({BoxKind::Input, prompt});
    if (script().inputs.empty()) return std::nullopt;
    auto a = script().inputs.front();
    script().inputs.pop_front();
    return a;
  }
  bool ok = false;
  const QString r = QInputDialog::getText(parentWindow(), caption, prompt, QLineEdit::Normal, value, &ok);
  if (!ok) return std::nullopt;
  return r;
}

static QString scriptedFile(BoxKind kind, const QString& caption) {
  script().shown.push_back({kind, caption});
  if (script().files.empty()) return {};
  QString f = script().files.front();
  script().files.pop_front();
  return f;
}

QString Dialogs::openFile(const QString& caption, const QString& filter, const QString& folder) {
  if (script().on) return scriptedFile(BoxKind::OpenFile, caption);
  return QFileDialog::getOpenFileName(parentWindow(), caption, folder, filter);
}

QString Dialogs::saveFile(const QString& caption, const QString& filter, const QString& suggested) {
  if (script().on) return scriptedFile(BoxKind::SaveFile, caption);
  return QFileDialog::getSaveFileName(parentWindow(), caption, suggested, filter);
}

void Dialogs::useScripted(bool on) {
  script() = Script{};
  script().on = on;
}
bool Dialogs::scripted() { return script().on; }
const std::vector<Shown>& Dialogs::shown() { return script().shown; }
QStringList Dialogs::shownTexts() {
  QStringList l;
  for (const auto& s : script().shown) l << s.text;
  return l;
}
void Dialogs::clearShown() { script().shown.clear(); }
void Dialogs::answerQuestions(std::initializer_list<bool> a) { script().questions.insert(script().questions.end(), a); }
void Dialogs::answerInputs(std::initializer_list<std::optional<QString>> a) {
  script().inputs.insert(script().inputs.end(), a);
}
void Dialogs::answerFiles(std::initializer_list<QString> a) { script().files.insert(script().files.end(), a); }

void pushModalDriver(ModalDriver d) { script().drivers.push_back(std::move(d)); }
void clearModalDrivers() { script().drivers.clear(); }

namespace {
// Ends a local event loop when the watched window closes or is destroyed.
class CloseWatcher : public QObject {
 public:
  CloseWatcher(QWidget* w, QEventLoop* loop) : loop_(loop) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Close || e->type() == QEvent::Hide) loop_->quit();
    return false;
  }

 private:
  QEventLoop* loop_;
};
}  // namespace

int showModal(QWidget& window) {
  if (script().on) {
    if (!script().drivers.empty()) {
      ModalDriver d = std::move(script().drivers.front());
      script().drivers.pop_front();
      d(window);
    }
    if (auto* dlg = qobject_cast<QDialog*>(&window)) return dlg->result();
    return 0;
  }
  if (auto* dlg = qobject_cast<QDialog*>(&window)) return dlg->exec();
  QPointer<QWidget> guard(&window);
  window.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  CloseWatcher watcher(&window, &loop);
  QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
  window.show();
  loop.exec(QEventLoop::DialogExec);
  return 0;
}

void runHandler(const std::function<void()>& body) {
  try {
    body();
  } catch (const Silent&) {
  } catch (const db::Error& e) {
    if (!e.suppressed) Dialogs::error(e.text);
  } catch (const std::exception& e) {
    Dialogs::error(QString::fromUtf8(e.what()));
  }
}

void keepPainting() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace ui
