#include "ui/about/FormAbout.h"

#include "tests/ui/WidgetTesting.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {

TEST(FormAbout, NamesProductVersionAndHomePage)
{
    FormAbout box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("关于排盘"));
    const struct
    {
        const char* name;
        QString text;
    } kLabels[] = {
        {"LabelProduct", QStringLiteral("澄枢八字排盘")},
        {"LabelVersion", QStringLiteral("版本 ") + QStringLiteral(EXPECTED_VERSION)}, // the CMake project version
        {"LabelLicence", QStringLiteral("以 MIT 许可证发布")},
        {"LabelContact", QStringLiteral("网站：澄枢网")},
    };
    for (const auto& c : kLabels) {
        SCOPED_TRACE(c.name);
        auto* label = uitest::child<QLabel>(box, c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), c.text);
    }
    auto* link = uitest::child<QLabel>(box, "LabelLink");
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->text().contains(QStringLiteral("href=\"https://www.chengshu.org/\"")));
}

TEST(FormAbout, PictureComesFromTheLinkedResources)
{
    FormAbout box;
    auto* picture = uitest::child<QLabel>(box, "Picture1");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
}

} // namespace
