#include "shell/windows.h"

#include "shell/eleman_ara.h"
#include "shell/farkliolan.h"
#include "shell/firmaadi_ara.h"
#include "shell/dosyayonetimi.h"
#include "shell/formparametreleri.h"
#include "shell/hatirlatma.h"
#include "shell/kur.h"
#include "shell/menu.h"
#include "shell/rakamlar.h"
#include "shell/gunlukrapor.h"
#include "shell/notlar.h"
#include "shell/freeMainForm.h"
#include "shell/raporbaslik.h"
#include "shell/Kullanici.h"
#include "shell/module.h"
#include "shell/sirketgirisi.h"
#include "shell/registry.h"
#include "shell/select.h"
#include "shell/sirket_ara.h"
#include "ui/dialogs.h"

namespace shell {
namespace {
template <class Window>
void modal(QWidget* owner, const registry::OpenArgs&) {
  Window w(owner);
  ui::showModal(w);
}
}  // namespace

void registerWindows() {
  menu::Yenile = hatirlatma::Yenile;
  menu::kurbilgileri = kur::kurbilgileri;
  menu::rakamlar = rakamlar::hedefhesabi;
  registry::registerPicker(QStringLiteral("farkliolan"), runPicker<Tfrm_farkliolan>);
  registry::registerPicker(QStringLiteral("firmaadi_ara"), runPicker<Tfrm_firmaadi_ara>);
  registry::registerPicker(QStringLiteral("eleman_ara"), runPicker<Tfrm_eleman_ara>);
  registry::registerPicker(QStringLiteral("sirket_ara"), runPicker<Tfrm_sirket_ara>);
  registry::registerWindow(QStringLiteral("formparametreleri"), modal<Tfrm_formparametreleri>);
  registry::registerWindow(QStringLiteral("kullanici"), modal<Tfrm_kullanici>);
  registry::registerWindow(QStringLiteral("module"), modal<Tfrm_module>);
  registry::registerWindow(QStringLiteral("sirketgirisi"), modal<Tfrm_sirketgirisi>);
  registry::registerWindow(QStringLiteral("raporbaslik"), modal<Tfrm_raporbaslik>);
  registry::registerWindow(QStringLiteral("gunlukrapor"), modal<Tfrm_gunlukrapor>);
  registry::registerWindow(QStringLiteral("select"), modal<Tfrm_select>);
  registry::registerWindow(QStringLiteral("about"), modal<Tfrm_about>);
  registry::registerWindow(QStringLiteral("notlar"), &Tfrm_notlar::ac);
  registry::registerWindow(QStringLiteral("dosyayonetimi"), &Tfrm_dosyayonetimi::ac);
  // The designer: the opener may preset a template's location.
  registry::registerWindow(QStringLiteral("freeMainForm"), [](QWidget* owner, const registry::OpenArgs& args) {
    Tfrm_freeMainForm w(owner);
    auto konum = args.flags.find(QStringLiteral("konum"));
    if (konum != args.flags.end()) w.edt_konum->setText(konum->second.toString());
    ui::showModal(w);
  });
}

}  // namespace shell
