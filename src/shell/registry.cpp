#include "shell/registry.h"

namespace registry {
namespace {
std::map<QString, Opener>& openers() {
  static std::map<QString, Opener> m;
  return m;
}
std::map<QString, Picker>& pickers() {
  static std::map<QString, Picker> m;
  return m;
}
}  // namespace

void registerWindow(const QString& name, Opener opener) { openers()[name] = std::move(opener); }
void registerPicker(const QString& name, Picker picker) { pickers()[name] = std::move(picker); }
bool hasWindow(const QString& name) { return openers().count(name) > 0; }

bool open(const QString& name, QWidget* owner, const OpenArgs& args) {
  auto it = openers().find(name);
  if (it == openers().end()) return false;
  it->second(owner, args);
  return true;
}

PickResult pick(const QString& name, QWidget* owner, const OpenArgs& args) {
  auto it = pickers().find(name);
  if (it == pickers().end()) return {};
  return it->second(owner, args);
}

void clear() {
  openers().clear();
  pickers().clear();
}

}  // namespace registry
