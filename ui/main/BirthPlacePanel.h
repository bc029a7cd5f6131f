#pragma once

#include "engine/support/DateTime.h"
#include "models/solartime/BirthMoment.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;

namespace ui {

// The birth moment's options beside the main window's birth row: the place (completed from the place table by
// Chinese name, pinyin, initials or English), the longitude it implies (editable for a village the table lacks),
// the time zone (the fixed UTC+8 unless chosen), the solar time, the term method and the 子 convention, and a line
// that offers Asia/Shanghai when a birth of China's 1986-1991 summers is read on the fixed UTC+8. A tool window the
// main window opens; its options go into every chart whether it is shown or not.
class BirthPlacePanel : public QWidget
{
    Q_OBJECT

public:
    explicit BirthPlacePanel(QWidget* parent);

    // The options the controls show; a longitude that is not a number in -180..180 is left out.
    models::MomentOptions options() const;
    // Shows the options, as a record or the preferences give them.
    void setOptions(const models::MomentOptions& options);
    // Shows or hides the summer-time line for a clock time charted with the current options; true when shown.
    bool noteBirth(engine::LocalTime clock);

private:
    void buildControls();
    void buildPlace();
    void buildChoices();
    void buildSummerLine();
    void layOut();
    void placeEdited(const QString& text);
    void choosePlace(const models::Place* place);
    void placeActivated(const QString& text);
    void useChinaZone();
    void setZone(const QString& zone);

    const models::Place* m_place = nullptr;
    std::vector<const models::Place*> m_matches; // the completer's rows, in order
    engine::LocalTime m_lastBirth{};
    bool m_hasBirth = false;

    QLineEdit* m_placeEdit = nullptr;
    QStringListModel* m_matchModel = nullptr;
    QCompleter* m_completer = nullptr;
    QLineEdit* m_longitude = nullptr;
    QComboBox* m_zone = nullptr;
    QComboBox* m_solarTime = nullptr;
    QComboBox* m_terms = nullptr;
    QComboBox* m_lateZi = nullptr;
    QComboBox* m_palaceYear = nullptr;
    QLabel* m_summerHint = nullptr;
    QPushButton* m_useChina = nullptr;
};

} // namespace ui
