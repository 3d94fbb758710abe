#include "app/MainWindowFixture.h"
#include "support/TemporaryFolder.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <fstream>

namespace spurline {
namespace {

// Pixels whose colour differs by more than a tenth of the full scale in any channel, as a
// fraction of the picture.
double DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return 1;
    }
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long long differing = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int d = std::max({std::abs(qRed(p[col]) - qRed(q[col])),
                                    std::abs(qGreen(p[col]) - qGreen(q[col])),
                                    std::abs(qBlue(p[col]) - qBlue(q[col]))});
            differing += d > 255 / 10 ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(x.width()) * x.height());
}

// A site crowded with long remarks on both sides of the band, planned and existing.
std::string CrowdedSite(const testing::TemporaryFolder& folder) {
    const std::string path = folder.File("crowded.frq");
    std::ofstream file(path, std::ios::binary);
    file << "Crowded Hill\r\n05 Dec 2026 11:54:39\r\nMany users\r\n";
    const char* const roles[] = {"Tx", "Rx", "Both"};
    for (int i = 0; i < 36; ++i) {
        file << "       " << 150 + i / 2 << '.' << (i % 2 ? "50000" : "12500") << ','
             << (i % 3 == 2 ? "+4600.00" : "0") << ",12.50," << roles[i % 3] << ','
             << (i % 4 ? "Exist" : "Plan") << ',' << (i % 3 == 0 ? "N/A" : "12.50")
             << ",County council emergency planning link " << i << ",\r\n";
    }
    return path;
}

class GraphPictureTest : public MainWindowFixture {
protected:
    void SetUp() override {
        CreateWindow(Locale::English());
        window->resize(1000, 720);
        ShowWindow();
    }

    // Saves the graph as PNG and as SVG through Edit > "Save graph as...", rasterises the SVG
    // and returns the share of pixels that differ.
    double SvgAgainstScreen(const std::string& name) {
        const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
        if (rsvg.isEmpty()) {
            return -1;
        }
        const std::string png = folder.File(name + ".png");
        const std::string svg = folder.File(name + ".svg");
        const std::string drawn = folder.File(name + "-svg.png");
        for (const std::string& path : {png, svg}) {
            dialogs.answers.push_back(path);
            Find<QAction>("mnuSaveGraph")->trigger();
        }
        QProcess convert;
        convert.start(rsvg, {QString::fromStdString(svg), QStringLiteral("-o"),
                             QString::fromStdString(drawn)});
        EXPECT_TRUE(convert.waitForFinished(60000));
        EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
        const QImage screen(QString::fromStdString(png));
        const QImage picture(QString::fromStdString(drawn));
        EXPECT_FALSE(screen.isNull());
        EXPECT_EQ(picture.size(), screen.size());
        return DifferentPixels(screen, picture);
    }

    testing::TemporaryFolder folder;
};

// The SVG picture is the picture on screen: same label boxes, solid bars and text lines, in the
// level view too. A few per cent of the pixels may differ where the two renderers smooth the
// glyph edges differently.
TEST_F(GraphPictureTest, SvgMatchesTheWindowsPicture) {
    Find<QAction>("mnuShowRemarks")->setChecked(true);
    struct Case {
        const char* name;
        bool crowded;
        bool levels;
    };
    for (const Case& c : {Case{"example", false, false}, Case{"crowded", true, false},
                          Case{"levels", false, true}}) {
        SCOPED_TRACE(c.name);
        if (c.crowded) {
            Open(CrowdedSite(folder));
        } else {
            OpenExample();
        }
        if (c.levels) {
            Find<QRadioButton>("optShow1")->click();
            Find<QAction>("mnuLevels")->trigger();
            Find<QAction>("mnuLevelView")->trigger();
            ASSERT_TRUE(window->graph().levelView);
        }
        Find<QAction>("mnuCalculate")->trigger();
        ASSERT_GT(window->products().Count(), 0);
        const double differing = SvgAgainstScreen(c.name);
        if (differing < 0) {
            GTEST_SKIP() << "rsvg-convert is not installed (scripts/install-deps)";
        }
        EXPECT_LT(differing, 0.025);
    }
}

} // namespace
} // namespace spurline
