#pragma once

#include "engine/LandPP.h"
#include "engine/support/DateTime.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

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

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* ComboYearG = nullptr;
    QComboBox* ComboMonthG = nullptr;
    QComboBox* ComboDayG = nullptr;
    QComboBox* ComboHourG = nullptr;
    QComboBox* ComboYearZ = nullptr;
    QComboBox* ComboMonthZ = nullptr;
    QComboBox* ComboDayZ = nullptr;
    QComboBox* ComboHourZ = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* ComboStartYear = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* CommandPP = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLineEdit* TextTime = nullptr;
    QLabel* Label5 = nullptr;
};
