#pragma once

#include "engine/LandPP.h"
#include "engine/support/DateTime.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The reverse-lookup window: from eight characters and a first year to the earliest moment they fall, which it can
// hand to the main window's date lists.
class FormNiBZ : public QDialog
{
    Q_OBJECT

public:
    // Receives the found moment when the user asks to chart it; the window closes right after.
    using BirthMomentSink = std::function<void(const engine::LocalTime&)>;

    explicit FormNiBZ(BirthMomentSink setBirthMoment, QWidget* parent = nullptr);

private:
    struct Request
    {
        std::array<std::string, 4> pillars; // year, month, day, hour: a stem followed by a branch
        int firstYear = 0;
        bool astroTerms = false; // months open at the astronomical 节 rather than the mean formula's
    };

    void buildControls();
    void buildPillarColumns();
    void Form_Load();
    void Command1_Click();
    void CommandPP_Click();
    Request readRequest() const;
    std::array<QComboBox*, 4> stemLists() const;   // year, month, day, hour
    std::array<QComboBox*, 4> branchLists() const; // year, month, day, hour

    LandPP m_landPP;
    BirthMomentSink m_setBirthMoment;

    QGroupBox* Frame1 = nullptr;         // "八字回推": groups the pillar lists
    QLabel* Label1 = nullptr;            // "年柱" head
    QLabel* Label2 = nullptr;            // "月柱" head
    QLabel* Label3 = nullptr;            // "日柱" head
    QLabel* Label4 = nullptr;            // "时柱" head
    QComboBox* ComboYearG = nullptr;     // year stem
    QComboBox* ComboMonthG = nullptr;    // month stem
    QComboBox* ComboDayG = nullptr;      // day stem
    QComboBox* ComboHourG = nullptr;     // hour stem
    QComboBox* ComboYearZ = nullptr;     // year branch
    QComboBox* ComboMonthZ = nullptr;    // month branch
    QComboBox* ComboDayZ = nullptr;      // day branch
    QComboBox* ComboHourZ = nullptr;     // hour branch
    QLabel* Label6 = nullptr;            // "起始年" head
    QComboBox* ComboStartYear = nullptr; // first year of the search
    QCheckBox* CheckAstro = nullptr;     // search against the astronomical terms
    QPushButton* Command1 = nullptr;     // run the lookup
    QPushButton* CommandPP = nullptr;    // chart the found moment in the main window
    QPlainTextEdit* Text1 = nullptr;     // the request and its answer
    QLineEdit* TextTime = nullptr;       // the found moment
    QLabel* Label5 = nullptr;            // note on the search range
};
