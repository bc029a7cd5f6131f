#pragma once

#include "models/chart/ChartRequest.h"

#include <QString>

#include <optional>

// The main window's choices kept between sessions: the birth place and moment options, the layout and the star
// and analysis options of the last chart. An INI file in the user's configuration folder
// (~/.config/chengshu-bazi/chengshu-bazi.ini), or the file CHENGSHU_SETTINGS names.
namespace ui {

// The choices as a request without a birth: the moment options, the layout, the stars and the analysis.
using Preferences = models::ChartRequest;

// The settings file in use.
QString preferencesFile();

// The stored choices; nothing before the first chart (the window then starts as it always has). A value that no
// longer reads (a place the table lost, a word of another version) keeps its default.
std::optional<Preferences> loadPreferences();

// Keeps the choices of a chart just made.
void savePreferences(const models::ChartRequest& request);

// Whether the chart was last shown drawn (图表) rather than as text; text until chosen.
bool drawnViewChosen();
void saveDrawnView(bool drawn);

} // namespace ui
