#include "ui/solartime/FormPTY.h"

#include "models/solartime/CityTable.h"
#include "ui/common/ChartFont.h"
#include "ui/common/QtText.h"
#include "ui/common/Twips.h"
#include "ui/common/WidgetBuilders.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

FormPTY::FormPTY(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPTY"));
    setWindowTitle(QStringLiteral("平太阳时"));
    TextPTY = ui::named(new QPlainTextEdit(this), "TextPTY");
    TextPTY->setFont(ui::chartFont()); // the columns line up only in it
    TextPTY->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextPTY->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TextPTY);
    resize(ui::twips(5400), ui::twips(7200));
    Form_Load();
}

void FormPTY::Form_Load()
{
    TextPTY->setPlainText(ui::toQt(models::cityTableText()));
}
