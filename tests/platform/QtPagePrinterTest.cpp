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
    struct Case {
        char letter;
        double units; // Arial's advance width in 1/2048 em
    };
    const Case cases[] = {{' ', 569}, {'a', 1139}, {'e', 1139}, {'i', 455},  {'m', 1706},
                          {'r', 682}, {'t', 569},  {'W', 1933}, {'0', 1139}, {'.', 569}};
    const QFontMetricsF metrics(arial);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        EXPECT_NEAR(metrics.horizontalAdvance(QLatin1Char(c.letter)), c.units, 0.5);
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
