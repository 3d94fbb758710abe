#include "app/CalculationRunner.h"
#include "app/ColumnWidths.h"
#include "app/IntermodPanel.h"
#include "app/MainWindowFixture.h"
#include "support/PlainNumbers.h"

#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

namespace spurline {
namespace {

class SessionTest : public MainWindowFixture {
protected:
    void SetUp() override {
        CreateWindow(Locale::English());
        window->SetAddFreqDialog([this](bool editMode) { editModes.push_back(editMode); });
        window->SetDocumentOpener([this](const QString& path, const std::function<void()>&) {
            opened << path;
            return true;
        });
        ShowWindow();
        if (HasFatalFailure()) {
            return;
        }
        tbsIntermods = Find<QTabWidget>("tbsIntermods");
        statusline = Find<QLabel>("statusline");
        cmdCalculate = Find<QPushButton>("cmdCalculate");
        cmdDelete = Find<QPushButton>("cmdDelete");
    }

    void ClickHeader(QTableView* view, int column) {
        QHeaderView* header = view->horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }

    void SetCheck(const char* name, bool checked) {
        auto* box = Find<QCheckBox>(name);
        if (box->isChecked() != checked) {
            box->click();
        }
    }

    void ChooseOptions(bool threeFrequencies) {
        tbsIntermods->setCurrentIndex(2);
        SetCheck("chkWideband", false);
        SetCheck("chkImOrder3", true);
        SetCheck("chkThreeFrequencies", threeFrequencies);
    }

    bool OutOfDateShown() const {
        return lvIntermods->palette().color(QPalette::Base) == QColor(255, 0, 0);
    }

    std::vector<bool> editModes;
    QStringList opened;
    QTabWidget* tbsIntermods = nullptr;
    QLabel* statusline = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdDelete = nullptr;
};

// Texts of a menu's or the menu bar's items in order; a separator shows as "-", a submenu by its
// title.
QStringList MenuItems(const QWidget* menu) {
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

TEST_F(SessionTest, MenusButtonsTabsAndColumnsAtStartUp) {
    EXPECT_EQ(MenuItems(window->menuBar()), QStringList({"&File", "&Intermods", "&Edit", "H&elp"}));
    // Each menu's items joined by "|", a separator as "-", a submenu by its title.
    const std::pair<const char*, const char*> items[] = {
        {"mnuFile", "&New...|&Save as...|&Open...|&Open recent|&Export|Import CSV...|"
                    "Export CSV...|&Print...|-|E&xit"},
        {"mnuIntermods", "&Calculate|Find clean &frequencies...|Site &summary...|Spectrum &graph|-|"
                         "Levels and &margins|Site &level values..."},
        {"mnuSpectrumGraph", "&Show remarks|Le&vel view|Auto &refresh|Auto &zoom"},
        {"mnuAutoZoom", "&Victims|&Extents"},
        {"mnuEdit", "Cu&t|&Copy|&Delete|-|Select &all|Select c&hecked|&Invert selection|-|"
                    "Save graph as..."},
        {"mnuHelp", "&Contents...|&About..."},
        {"mnuOpenRecent", "none"}};
    for (const auto& [menu, texts] : items) {
        EXPECT_EQ(MenuItems(Find<QMenu>(menu)).join('|'), QString::fromLatin1(texts)) << menu;
    }
    // "name=shortcut" in the portable text form.
    for (const QString& item :
         QStringLiteral(
             "mnuNew=Ctrl+N mnuSave=Ctrl+S mnuOpen=Ctrl+O mnuExport=Ctrl+E "
             "mnuPrint=Ctrl+P mnuExit=Ctrl+Q mnuCalculate=F5 mnuShowRemarks= "
             "mnuCut=Ctrl+X mnuCopy=Ctrl+C mnuDelete=Del mnuSelectAll=Ctrl+A "
             "mnuSelectChecked=Ctrl+H mnuInvertSelection=Ctrl+I mnuContents=F1 mnuAbout=")
             .split(' ')) {
        const QString name = item.section('=', 0, 0);
        EXPECT_EQ(Find<QAction>(name.toLatin1().constData())->shortcut(),
                  QKeySequence(item.section('=', 1)))
            << item.toStdString();
    }
    // "name=caption" of the buttons, check boxes and options.
    for (const QString& item :
         QStringLiteral("cmdAdd=&Add...|cmdDelete=&Delete|cmdClear=Clea&r All|cmdSave=&Save...|"
                        "cmdLoad=&Load...|cmdPrint=&Print|cmdHelp=&Help|cmdQuit=&Quit|"
                        "cmdCalculate=&Calculate|chkImOrder2=&2nd Order|chkImOrder3=&3rd Order|"
                        "chkImOrder5=&5th Order|chkImOrder7=&7th Order|chkImOrder9=&9th Order|"
                        "chkPlotFirstOrder=&fundamental|optShow1=All &receivers|"
                        "optShow2=&Planned receivers only|optShow3=&Existing receivers ony|"
                        "optShow0= &Any frequency (low detail)|"
                        "chkWideband=Include harmonics and &sum products (2nd && 3rd order only)|"
                        "chkSuperWideband=&Worst-case bandwidth (sum of component bandwidths)|"
                        "chkThreeFrequencies=Calculate 3 frequency &difference components")
             .split('|')) {
        const QString name = item.section('=', 0, 0);
        EXPECT_EQ(Find<QAbstractButton>(name.toLatin1().constData())->text(), item.section('=', 1))
            << item.toStdString();
    }
    EXPECT_EQ(Find<QGroupBox>("fraFilter")->title(), QStringLiteral("Dispaly intermods affecting"));
    EXPECT_EQ(Find<QLabel>("lblFrequencies")->text(), QStringLiteral("Frequencies"));
    EXPECT_EQ(Find<QLabel>("lblIntermods")->text(), QStringLiteral("Intermodulation products"));
    EXPECT_EQ(tbsIntermods->currentIndex(), 1);
    EXPECT_EQ(
        QStringList({tbsIntermods->tabText(0), tbsIntermods->tabText(1), tbsIntermods->tabText(2)}),
        QStringList({"List", "Graph", "Filter"}));
    EXPECT_FALSE(cmdDelete->isEnabled());
    EXPECT_FALSE(cmdCalculate->isEnabled());

    // The filter options are listed from index 3 down to 0.
    tbsIntermods->setCurrentIndex(2);
    QCoreApplication::processEvents();
    const auto options = Find<QGroupBox>("fraFilter")->findChildren<QRadioButton*>();
    ASSERT_EQ(options.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(options[i]->objectName(), QStringLiteral("optShow%1").arg(3 - i));
        EXPECT_TRUE(i == 0 || options[i - 1]->y() < options[i]->y());
    }

    // Every column's width in twips at the screen's DPI; the captions are the lists' own (one
    // shows they reach the header). The victim columns 4 to 6 of the intermod list show only with
    // a filter.
    EXPECT_EQ(lvIntermods->model()->headerData(ImColBandwidth, Qt::Horizontal).toString(),
              QStringLiteral("Bandwdith (kHz)"));
    const double dpi = window->logicalDpiX();
    const auto pixels = [dpi](int twips) { return static_cast<int>(twips * dpi / 1440 + 0.5); };
    const int freqTwips[] = {780, 1770, 1470, 1350, 750, 840, 1350, 3000};
    const int imTwips[] = {1880, 800, 3760, 3760, 900, 2880, 2880, 2580, 1880};
    // A column starts at its design width unless its heading needs more; the filling column
    // (remarks, the last composition or victim column) may be wider still.
    const auto* freqColumns = Find<ColumnWidths>("lvFreqsColumns");
    const auto* imColumns = Find<ColumnWidths>("lvIntermodsColumns");
    const auto expectWidth = [](const QTableView* view, const ColumnWidths* columns, int column,
                                int designPixels) {
        const int width = std::max(designPixels, columns->MinimumWidth(column));
        if (column == columns->FillColumn()) {
            EXPECT_GE(view->columnWidth(column), width) << column;
        } else {
            EXPECT_EQ(view->columnWidth(column), width) << column;
        }
    };
    for (int column = 0; column < 8; ++column) {
        expectWidth(lvFreqs, freqColumns, column, pixels(freqTwips[column]));
    }
    for (const char* filter : {"optShow0", "optShow1", "optShow0"}) {
        Find<QRadioButton>(filter)->click();
        for (int column = 0; column < 9; ++column) {
            const bool hidden = filter[7] == '0' && column >= 4 && column <= 6;
            EXPECT_EQ(lvIntermods->isColumnHidden(column), hidden) << filter << column;
            if (!hidden) {
                expectWidth(lvIntermods, imColumns, column, pixels(imTwips[column]));
            }
        }
    }

    // Right-clicking the empty intermod list shows no menu but targets it and disables Copy.
    QTest::mouseClick(lvIntermods->viewport(), Qt::RightButton);
    EXPECT_EQ(window->listCommands().EditMenuTarget, EditIntermodList);
    EXPECT_FALSE(Find<QAction>("mnuCopy")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuDelete")->isEnabled());
    EXPECT_FALSE(Find<QMenu>("mnuEdit")->isVisible());
}

TEST_F(SessionTest, LimitsF5SortingAndALoadThatClearsTheResults) {
    OpenExample();
    // Third order only, between two transmitters: 2 x 455 - 451 = 459 MHz.
    ChooseOptions(false);
    auto* lower = Find<QLineEdit>("txtLowerLimit");
    auto* upper = Find<QLineEdit>("txtUpperLimit");
    lower->setFocus();
    QTest::keyClicks(lower, QStringLiteral("459"));
    upper->setFocus();
    QTest::keyClicks(upper, QStringLiteral("459.00001"));
    lvFreqs->setFocus();
    QTest::keyClick(window.get(), Qt::Key_F5);
    const int rows = lvIntermods->model()->rowCount();
    int row459 = 0;
    while (row459 < rows && !Cell(lvIntermods, row459, ImColComposition2)
                                 .contains(QRegularExpression("\\[1[34]\\].*\\[1[34]\\]"))) {
        ++row459;
    }
    ASSERT_LT(row459, rows);
    QStringList texts;
    for (int column : {ImColFrequency, ImColOrder, ImColFrequencyBounds, ImColBandwidth}) {
        texts << Cell(lvIntermods, row459, column);
    }
    EXPECT_EQ(texts, QStringList({"      459.00000", "3rd", "458.98125 - 459.01875", "37.50"}));
    EXPECT_FALSE(OutOfDateShown());
    EXPECT_TRUE(statusline->text().isEmpty());
    EXPECT_FALSE(Find<QFrame>("progressbarouter")->isVisible());

    // All receivers, no limits, harmonics and three-transmitter products: many rows to sort.
    Find<QRadioButton>("optShow1")->click();
    SetCheck("chkWideband", true);
    SetCheck("chkThreeFrequencies", true);
    lower->clear();
    upper->clear();
    QTest::mouseClick(cmdCalculate, Qt::LeftButton);
    const int products = lvIntermods->model()->rowCount();
    ASSERT_GT(products, 1);

    // Sorting the intermod list: each header click reverses the order.
    ClickHeader(lvIntermods, ImColFrequency);
    EXPECT_GE(Cell(lvIntermods, 0, 0), Cell(lvIntermods, products - 1, 0)); // descending first
    ClickHeader(lvIntermods, ImColFrequency);
    EXPECT_LE(Cell(lvIntermods, 0, 0), Cell(lvIntermods, products - 1, 0));
    ClickHeader(lvIntermods, ImColBandwidth);
    EXPECT_GE(Cell(lvIntermods, 0, ImColBandwidth),
              Cell(lvIntermods, products - 1, ImColBandwidth));
    // A new calculation keeps the chosen order.
    QTest::mouseClick(cmdCalculate, Qt::LeftButton);
    EXPECT_GE(Cell(lvIntermods, 0, ImColBandwidth),
              Cell(lvIntermods, products - 1, ImColBandwidth));

    // Sorting the frequency list by remarks sorts the document, which is what a save writes.
    ClickHeader(lvFreqs, ColRemarks);
    ClickHeader(lvFreqs, ColRemarks);
    for (int row = 0; row < window->document().count(); ++row) {
        const QString remarks = Cell(row, ColRemarks);
        EXPECT_EQ(remarks.toStdString(), window->document().entry(row).remarks());
        EXPECT_TRUE(row == 0 ||
                    Cell(row - 1, ColRemarks).compare(remarks, Qt::CaseInsensitive) <= 0);
    }
    // A load clears the results.
    window->document().SetChanged(false);
    OpenExample();
    EXPECT_EQ(lvIntermods->model()->rowCount(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SessionTest, SpaceDeleteReturnDoubleClickAndTheDeleteButton) {
    OpenExample();
    const int loaded = window->document().count();

    // Return on an empty list opens the dialog in add mode.
    window->document().RemoveAllEntries();
    lvFreqs->setFocus();
    QTest::keyClick(lvFreqs, Qt::Key_Return);
    OpenExample();

    // Space toggles every selected row with the current one.
    lvFreqs->setFocus();
    ClickRow(1);
    ClickRow(3, Qt::ControlModifier);
    ClickRow(5, Qt::ControlModifier);
    ASSERT_EQ(window->selection().currentRow(), 5);
    QTest::keyClick(lvFreqs, Qt::Key_Space);
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(window->document().entry(row).checked, row % 2 == 0) << row;
    }

    // Return and double click edit the current row.
    QTest::keyClick(lvFreqs, Qt::Key_Return);
    const QRect cell = lvFreqs->visualRect(lvFreqs->model()->index(2, ColRemarks));
    emit lvFreqs->doubleClicked(lvFreqs->indexAt(cell.center()));
    EXPECT_EQ(editModes, (std::vector<bool>{false, true, true}));

    // The "&Delete" button: enabled by the list's focus, deleting only when pressed.
    ClickRow(0);
    lvFreqs->setFocus();
    QTest::keyClick(lvFreqs, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), cmdDelete); // so it is enabled
    EXPECT_EQ(window->document().count(), loaded);     // receiving the focus deletes nothing
    QTest::keyClick(cmdDelete, Qt::Key_Space);
    EXPECT_EQ(window->document().count(), loaded - 1);
    EXPECT_FALSE(cmdDelete->isEnabled());

    ClickRow(0);
    lvFreqs->setFocus();
    QTest::keyClick(lvFreqs, Qt::Key_Tab);
    QTest::keyClick(cmdDelete, Qt::Key_Return);
    EXPECT_EQ(window->document().count(), loaded - 2);

    // Leaving the list for another control disables the button.
    ClickRow(0);
    lvFreqs->setFocus();
    EXPECT_TRUE(cmdDelete->isEnabled());
    Find<QLineEdit>("txtName")->setFocus();
    EXPECT_FALSE(cmdDelete->isEnabled());

    // The right button over the list sets the Edit menu for it.
    const QRect row0 = lvFreqs->visualRect(lvFreqs->model()->index(0, ColRemarks));
    QTest::mouseClick(lvFreqs->viewport(), Qt::RightButton, Qt::NoModifier, row0.center());
    EXPECT_EQ(window->listCommands().EditMenuTarget, EditFrequencyList);
    EXPECT_TRUE(Find<QAction>("mnuDelete")->isEnabled());
    EXPECT_TRUE(Find<QAction>("mnuInvertSelection")->isEnabled());
    auto* edit = Find<QMenu>("mnuEdit");
    EXPECT_TRUE(edit->isVisible());
    edit->hide();
}

TEST_F(SessionTest, KeyPreviewAndHelp) {
    OpenExample();
    lvFreqs->setFocus();
    ClickRow(2);
    // Page Down zooms the graph (pinned with the graph) and still moves the list's current row.
    QTest::keyClick(lvFreqs, Qt::Key_PageDown);
    EXPECT_GT(window->selection().currentRow(), 2);

    // Help: the button and F1 open the guide beside the program (where it is looked for is
    // pinned with the help document).
    const QString pdf = QCoreApplication::applicationDirPath() + QStringLiteral("/Spurline.pdf");
    {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QTest::mouseClick(Find<QPushButton>("cmdHelp"), Qt::LeftButton);
    lvFreqs->setFocus();
    QTest::keyClick(lvFreqs, Qt::Key_F1);
    QFile::remove(pdf);
    EXPECT_EQ(opened, QStringList({pdf, pdf}));
}

TEST_F(SessionTest, OptionsFilterAndLimitsMarkTheListOutOfDate) {
    OpenExample();
    ChooseOptions(false);
    QTest::mouseClick(cmdCalculate, Qt::LeftButton);
    const int thirdOnly = lvIntermods->model()->rowCount();
    ASSERT_GT(thirdOnly, 1);
    EXPECT_FALSE(OutOfDateShown());

    // An order box marks the list out of date; it stays as it was.
    Find<QCheckBox>("chkImOrder5")->click();
    EXPECT_TRUE(OutOfDateShown());
    EXPECT_EQ(statusline->text(), QStringLiteral("Intermod list not up to date"));
    EXPECT_EQ(lvIntermods->model()->rowCount(), thirdOnly);

    // Auto refresh recalculates at once, and from then on every change does.
    Find<QAction>("mnuAutoRefresh")->trigger();
    EXPECT_FALSE(OutOfDateShown());
    const int withFifth = lvIntermods->model()->rowCount();
    EXPECT_GT(withFifth, thirdOnly);
    Find<QCheckBox>("chkImOrder5")->click();
    EXPECT_EQ(lvIntermods->model()->rowCount(), thirdOnly);
    Find<QRadioButton>("optShow3")->click();
    const int existingOnly = lvIntermods->model()->rowCount();
    EXPECT_LT(existingOnly, thirdOnly);
    Find<QAction>("mnuAutoRefresh")->trigger();

    // The harmonics box enables the second-order box, which keeps its mark.
    auto* second = Find<QCheckBox>("chkImOrder2");
    Find<QCheckBox>("chkWideband")->click();
    EXPECT_TRUE(second->isEnabled());
    Find<QCheckBox>("chkWideband")->click();
    EXPECT_FALSE(second->isEnabled());
    EXPECT_TRUE(second->isChecked());

    // Limit boxes: "0" empties the box; leaving a box unchanged marks nothing.
    Find<QRadioButton>("optShow0")->click();
    QTest::mouseClick(cmdCalculate, Qt::LeftButton);
    ASSERT_FALSE(OutOfDateShown());
    auto* upper = Find<QLineEdit>("txtUpperLimit");
    upper->setFocus();
    QTest::keyClicks(upper, QStringLiteral("0"));
    lvFreqs->setFocus();
    EXPECT_TRUE(upper->text().isEmpty());
    EXPECT_FALSE(OutOfDateShown());
    upper->setFocus();
    QTest::keyClicks(upper, QStringLiteral("1000"));
    lvFreqs->setFocus();
    EXPECT_EQ(upper->text(), QStringLiteral("1,000.00000"));
    EXPECT_TRUE(OutOfDateShown());

    // Lower limit not below the upper one: the message, and the list stays.
    auto* lower = Find<QLineEdit>("txtLowerLimit");
    lower->setText(QStringLiteral("1000"));
    const int rows = lvIntermods->model()->rowCount();
    QTest::mouseClick(cmdCalculate, Qt::LeftButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, "Lower limit greater than upper limit!");
    EXPECT_EQ(lvIntermods->model()->rowCount(), rows);
    EXPECT_FALSE(Find<QFrame>("progressbarouter")->isVisible());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(SessionTest, EscapeAbortsALongCalculationStartedByATimer) {
    // Eighty transmitters with three-transmitter products: thousands of products for each first
    // transmitter.
    for (int i = 0; i < 80; ++i) {
        window->document().AddEntry({testing::Fixed(400 + i * 0.7, 6), "0", "12.5", "Tx", "Exist",
                                     "12.5", "tx " + std::to_string(i)});
    }
    window->listCommands().SetCalculateEnabled(true);
    ChooseOptions(true);

    bool sawDisabled = false;
    bool sawProgress = false;
    bool escapeSent = false;
    QObject::connect(&window->calculationRunner(), &CalculationRunner::progressed, window.get(),
                     [&](int first, int) {
                         sawDisabled = !window->isEnabled();
                         sawProgress = Find<QFrame>("progressbarouter")->isVisible() &&
                                       Find<QLabel>("pcdone")->text().endsWith('%');
                         if (first == 2 && !escapeSent) {
                             escapeSent = true;
                             // Clicks and keys do not reach the window while it runs.
                             QTest::mouseClick(cmdCalculate, Qt::LeftButton);
                             QTest::keyClick(window.get(), Qt::Key_Escape);
                         }
                     });
    bool finished = false;
    QTimer::singleShot(0, window.get(), [&] {
        window->cmdCalculate_Click();
        finished = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished; }, 60000));
    EXPECT_TRUE(sawDisabled);
    EXPECT_TRUE(sawProgress);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(OutOfDateShown());
    EXPECT_FALSE(Find<QFrame>("progressbarouter")->isVisible());
    EXPECT_TRUE(cmdCalculate->isEnabled());
    // Escape stopped it in the second transmitter's pairs: far fewer products than a full run.
    const int kept = window->products().Count();
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, 10000);
    EXPECT_EQ(lvIntermods->model()->rowCount(), kept);
}

// The placement itself is pinned in twips by the layout's own tests; here its wiring, in pixels.
TEST_F(SessionTest, LayoutGivesTheListOneThirdAndTheTabsTwoThirds) {
    window->resize(QSize(1200, 860));
    QCoreApplication::processEvents();
    const QWidget* central = window->centralWidget();
    const int m = static_cast<int>(100 * window->logicalDpiX() / 1440.0 + 0.5);
    EXPECT_NEAR(tbsIntermods->height(), 2 * lvFreqs->height(), 2);
    EXPECT_EQ(tbsIntermods->width(), central->width() - 2 * m);
    EXPECT_EQ(cmdCalculate->y() + cmdCalculate->height(), central->height() - m);
}

TEST_F(SessionTest, InsertOpensTheAddDialogOnce) {
    OpenExample();
    ClickRow(2);
    // A modal dialog takes the activation with it: until the window manager gives it back, no
    // control has the focus while the key travels on from the list to the window.
    window->SetAddFreqDialog([this](bool editMode) {
        editModes.push_back(editMode);
        QApplication::setActiveWindow(nullptr);
    });
    lvFreqs->setFocus();
    QTest::keyClick(lvFreqs, Qt::Key_Insert);
    EXPECT_EQ(editModes, std::vector<bool>{false});
    // The list still received the key: its current row is unchanged.
    EXPECT_EQ(window->selection().currentRow(), 2);
}

TEST_F(SessionTest, DeleteActsOnTheFrequencyListOnlyWithItsFocusOrAsTheEditTarget) {
    OpenExample();
    QTest::mouseClick(cmdCalculate, Qt::LeftButton);
    const int loaded = window->document().count();
    auto* mnuDelete = Find<QAction>("mnuDelete");
    for (const int page : {0, 1}) {
        ClickRow(0);
        // Working in the intermod list or the graph takes the focus from the frequency list.
        tbsIntermods->setCurrentIndex(page);
        QWidget* view = page == 0 ? lvIntermods->viewport() : Find<QWidget>("picSpectrum");
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        window->listCommands().EditMenuTarget = EditIntermodList;
        mnuDelete->trigger();
        EXPECT_EQ(window->document().count(), loaded) << page;
    }
    window->listCommands().EditMenuTarget = EditFrequencyList;
    mnuDelete->trigger();
    ClickRow(0);
    QTest::keyClick(lvFreqs, Qt::Key_Delete);
    EXPECT_EQ(window->document().count(), loaded - 2);
}

TEST_F(SessionTest, VictimRowsShowTheirIdBesideCheckBoxAndIcon) {
    OpenExample();
    Find<QRadioButton>("optShow1")->click();
    QTest::mouseClick(cmdCalculate, Qt::LeftButton);
    QCoreApplication::processEvents();
    // What the check box, the icon and the number need, as the view lays the cell out.
    QStyleOptionViewItem option;
    option.initFrom(lvFreqs);
    const int icon = lvFreqs->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, lvFreqs);
    option.decorationSize = QSize(icon, icon);
    const QModelIndex victim = lvFreqs->model()->index(3, ColId); // 146.8125 MHz
    ASSERT_FALSE(victim.data(Qt::DecorationRole).isNull());
    EXPECT_LE(lvFreqs->itemDelegate()->sizeHint(option, victim).width(),
              lvFreqs->columnWidth(ColId));
}

} // namespace
} // namespace spurline
