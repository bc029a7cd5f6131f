#pragma once

class QLocale;
class QTranslator;

namespace ui {

// The locale whose translations Qt's own texts take: the system's when it is Chinese, Simplified Chinese otherwise,
// as every text of the program is Chinese.
QLocale programLocale();

// Loads Qt's translations (OK, Cancel, the file dialogs, the text boxes' menus) for the locale from Qt's
// translations folder and installs them in the application. Returns the installed translator, owned by the
// application; nothing when no translation is found.
QTranslator* installQtTranslations(const QLocale& locale);

} // namespace ui
