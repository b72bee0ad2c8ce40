#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/fit_text.h"

namespace quelvarinox::testing {
namespace {

QFont base_font()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    return font;
}

QLabel& label_of(QWidget& parent, const QString& text, QSize size)
{
    auto* label = new QLabel(text, &parent);
    label->setWordWrap(true);
    label->resize(size);
    return *label;
}

TEST(FitText, KeepsTheBaseFontWhenTheTextFits)
{
    QWidget parent;
    QLabel& label = label_of(parent, QStringLiteral("Corto."), QSize(200, 40));
    fit_text(label, base_font());
    EXPECT_EQ(label.font(), base_font());
}

TEST(FitText, ShrinksALongTextUntilItFitsAndKeepsTheFamily)
{
    QWidget parent;
    QLabel& label = label_of(parent, QString(60, QLatin1Char(' ')).replace(QLatin1Char(' '), QStringLiteral("palabra ")),
                             QSize(250, 120));
    fit_text(label, base_font());
    EXPECT_LT(label.font().pointSizeF(), 10.0);
    EXPECT_GE(label.font().pointSizeF(), 6.0);
    EXPECT_EQ(label.font().family(), base_font().family());
    const QRect needed = QFontMetrics(label.font()).boundingRect(QRect(0, 0, 250, 100000), Qt::TextWordWrap, label.text());
    EXPECT_LE(needed.height(), 120);
}

// A text that cannot fit at any legible size stops at the floor.
TEST(FitText, NeverGoesBelowSixPoints)
{
    QWidget parent;
    QLabel& label = label_of(parent, QString(5000, QLatin1Char('x')).replace(QStringLiteral("xxxxx"), QStringLiteral("xxxx ")),
                             QSize(100, 20));
    fit_text(label, base_font());
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 6.0);
}

}  // namespace
}  // namespace quelvarinox::testing
