#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: product name, version, contact, and a picture and a link that open the maker's home page.
class FormAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FormAbout(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* Picture1 = nullptr;       // program picture; opens the home page
    QLabel* LabelProduct = nullptr;   // product name
    QLabel* LabelVersion = nullptr;   // version
    QLabel* LabelLicence = nullptr;   // the licence
    QLabel* LabelContact = nullptr;   // contact
    QLabel* LabelLink = nullptr;      // home page link
    QPushButton* CommandOK = nullptr; // closes the box
};
