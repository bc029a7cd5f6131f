#pragma once

#include <QDialog>

class QPlainTextEdit;

// The mean-solar-time window: the places with their longitude and their difference from zone time.
class FormPTY : public QDialog
{
    Q_OBJECT

public:
    explicit FormPTY(QWidget* parent = nullptr);

private:
    void Form_Load();

    QPlainTextEdit* TextPTY = nullptr; // the places table
};
