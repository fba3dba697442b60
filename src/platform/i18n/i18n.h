// Switching the interface language of the windows that can translate their texts.
// Translations come from the Qt Linguist files built into the program.
#pragma once
#include <QString>

namespace i18n {
// "tr" (the source texts), "en", "de" or "ar". Windows retranslate on LanguageChange.
bool setLanguage(const QString& code);
QString language();
}  // namespace i18n
