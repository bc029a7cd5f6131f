#include "ui/about/FormAbout.h"

#include "ui/common/Links.h"
#include "ui/common/QtText.h"
#include "ui/common/Version.h"
#include "ui/common/WidgetBuilders.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <string>

using ui::toQt;

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text)
{
    return ui::named(new QLabel(text, parent), name);
}

} // namespace

FormAbout::FormAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("关于排盘"));

    Picture1 = label(this, "Picture1", {});
    Picture1->setPixmap(QPixmap(QStringLiteral(":/icons/chengshu-bazi.png"))
                            .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setToolTip(toQt(ui::links::kHome));
    Picture1->installEventFilter(this);

    LabelProduct = label(this, "LabelProduct", toQt(ui::kProductName));
    QFont large = LabelProduct->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    LabelProduct->setFont(large);
    LabelVersion = label(this, "LabelVersion", toQt("版本 " + std::string(ui::productVersion())));
    LabelLicence = label(this, "LabelLicence", QStringLiteral("以 MIT 许可证发布"));
    LabelContact = label(this, "LabelContact", toQt("网站：" + std::string(ui::links::kHomeName)));
    const QString home = toQt(ui::links::kHome).toHtmlEscaped();
    LabelLink = label(this, "LabelLink", QStringLiteral("<a href=\"%1\">%1</a>").arg(home));
    LabelLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(LabelLink, &QLabel::linkActivated, this, [] { ui::links::openPage(ui::links::kHome); });

    CommandOK = ui::named(new QPushButton(QStringLiteral("确定"), this), "CommandOK");
    CommandOK->setDefault(true);
    connect(CommandOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(18);
    grid->addWidget(Picture1, 0, 0, 5, 1, Qt::AlignTop);
    grid->addWidget(LabelProduct, 0, 1);
    grid->addWidget(LabelVersion, 1, 1);
    grid->addWidget(LabelLicence, 2, 1);
    grid->addWidget(LabelContact, 3, 1);
    grid->addWidget(LabelLink, 4, 1);
    grid->addWidget(CommandOK, 5, 1, Qt::AlignRight);
    setFixedSize(sizeHint());
}

// A click on the picture opens the home page, as the link does.
bool FormAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        ui::links::openPage(ui::links::kHome);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
