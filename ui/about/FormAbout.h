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
    QLabel* Picture1 = nullptr;
    QLabel* LabelProduct = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelContact = nullptr;
    QLabel* LabelLink = nullptr;
    QPushButton* CommandOK = nullptr;
};
