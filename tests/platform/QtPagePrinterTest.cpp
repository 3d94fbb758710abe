#include "platform/QtPagePrinter.h"

#include "output/PrintFlow.h"
#include "support/TemporaryFolder.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <gtest/gtest.h>

namespace spurline {
namespace {

// Where Arial is missing, fontconfig gives Liberation Sans, made with Arial's advance widths: the
// printed columns then fall where they fall with Arial.
TEST(QtPagePrinter, ArialOrItsStandInHasArialsWidths) {
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(2048); // one pixel per font unit
    arial.setHintingPreference(QFont::PreferNoHinting);
    const QString family = QFontInfo(arial).family();
    EXPECT_TRUE(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"))
        << family.toStdString();
    // Arial's advance widths in 1/2048 em.
    const std::pair<char, double> widths[] = {{' ', 569}, {'a', 1139}, {'i', 455}, {'m', 1706},
                                              {'r', 682}, {'W', 1933}, {'0', 1139}};
    const QFontMetricsF metrics(arial);
    for (const auto& [letter, units] : widths) {
        EXPECT_NEAR(metrics.horizontalAdvance(QLatin1Char(letter)), units, 0.5) << letter;
    }

    // The column width of the printout: Arial's average character width, 904 units, at 10 pt.
    testing::TemporaryFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(folder.File("x.pdf")));
    QtPagePrinter page(printer, {});
    page.SetFont(FontSpec{});
    EXPECT_NEAR(AverageCharWidth(page), 904.0 / 2048 * 10 / 72, 0.0005);
}

} // namespace
} // namespace spurline
