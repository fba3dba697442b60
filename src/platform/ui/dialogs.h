// Every message box, question, input box and file dialog of the program goes through
// here, and so does every modal window. Production shows real boxes; tests switch to the
// scripted backend, which records messages in order, answers questions from a queue and
// hands modal windows to a callback that drives and closes them.
#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>

namespace ui {

// Thrown to end an event handler silently after the user has been told what is wrong.
struct Silent {};

enum class BoxKind { Message, Error, Question, Input, OpenFile, SaveFile };

struct Shown {
  BoxKind kind;
  QString text;
};

class Dialogs {
 public:
  // Information box ("ShowMessage").
  static void message(const QString& text);
  // The default error box: what reaches the application's exception handler.
  static void error(const QString& text);
  // Yes/No question; true on Yes.
  static bool question(const QString& text, const QString& caption = {});
  // Input box; nullopt on Cancel.
  static std::optional<QString> input(const QString& caption, const QString& prompt, const QString& value = {});
  static QString openFile(const QString& caption, const QString& filter, const QString& folder = {});
  static QString saveFile(const QString& caption, const QString& filter, const QString& suggested = {});

  // --- scripted backend ---
  static void useScripted(bool on);
  static bool scripted();
  static const std::vector<Shown>& shown();
  static QStringList shownTexts();  // texts of every box, in order
  static void clearShown();
  static void answerQuestions(std::initializer_list<bool> answers);
  static void answerInputs(std::initializer_list<std::optional<QString>> answers);
  static void answerFiles(std::initializer_list<QString> paths);
};

// Shows a window modally and returns its result code. QDialog runs exec(); any other
// top-level widget (the main window) is shown application-modal in a local event loop
// that ends when it closes. In scripted mode the window goes to the test's callback.
int showModal(QWidget& window);
using ModalDriver = std::function<void(QWidget&)>;
// Test callbacks, taken in order, one per modal window shown.
void pushModalDriver(ModalDriver driver);
void clearModalDrivers();

// Runs an event handler's body: a Silent ends it quietly, any other failure reaches the
// default error box. No exception ever leaves an event handler.
void runHandler(const std::function<void()>& body);

// Lets painting go on during long loops without letting user input in.
void keepPainting();

}  // namespace ui
