#include "app/FrequencyListModel.h"

#include "support/ScriptedMessageBox.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace spurline {
namespace {

// Collects the complaints of QAbstractItemModelTester, which reports through qWarning.
class WarningCollector {
public:
    WarningCollector() {
        warnings().clear();
        previous_ = qInstallMessageHandler(&Handler);
    }
    ~WarningCollector() { qInstallMessageHandler(previous_); }
    static QStringList& warnings() {
        static QStringList list;
        return list;
    }

private:
    static void Handler(QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg) {
            warnings() << message;
        }
    }
    QtMessageHandler previous_ = nullptr;
};

std::array<std::string, 7> Fields(std::string frequency, std::string offset, std::string txrx,
                                  std::string status = "Exist", std::string remarks = {}) {
    return {std::move(frequency), std::move(offset), "12.5",
            std::move(txrx),      std::move(status), "25",
            std::move(remarks)};
}

class FrequencyListModelTest : public ::testing::Test {
protected:
    FrequencyListModelTest() {
        list.recalculateDue = [this] { ++recalculations; };
    }
    void TearDown() override {
        EXPECT_TRUE(WarningCollector::warnings().isEmpty())
            << WarningCollector::warnings().join(QLatin1Char('\n')).toStdString();
    }

    QString Text(int row, int column) const {
        return model.data(model.index(row, column), Qt::DisplayRole).toString();
    }

    WarningCollector collector;
    testing::ScriptedMessageBox messages;
    FrequencyList list{Locale::English(), messages};
    FrequencyListModel model{list};
    QAbstractItemModelTester tester{&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning};
    int recalculations = 0;
};

TEST_F(FrequencyListModelTest, HeadersAreTheColumnCaptions) {
    ASSERT_EQ(model.columnCount(), 8);
    const QStringList expected{"ID",    "Frequency (MHz)", "Offset (kHz)", "Tx BW (kHz)",
                               "Tx/Rx", "Status",          "Rx BW (kHz)",  "Remarks"};
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(), expected[column]);
    }
}

TEST_F(FrequencyListModelTest, AppendedEntriesAreInsertedRowsWithTheirDisplayTexts) {
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(list.AddEntry(Fields("174", "4600", "Both", "Exist", "Mast A")));
    ASSERT_TRUE(list.AddEntry(Fields("165.25", "0", "rx", "plan")));

    EXPECT_EQ(inserted.count(), 2);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Text(0, ColId), QStringLiteral(" 1"));
    EXPECT_EQ(Text(0, ColFrequency), QStringLiteral("      174.00000"));
    EXPECT_EQ(Text(0, ColOffset), QStringLiteral("+4,600.00"));
    EXPECT_EQ(Text(0, ColRemarks), QStringLiteral("Mast A"));
    EXPECT_EQ(Text(1, ColTxBandwidth), QStringLiteral("N/A"));
    EXPECT_EQ(Text(1, ColTxRx), QStringLiteral("Rx"));
    EXPECT_EQ(Text(1, ColStatus), QStringLiteral("Plan"));
}

TEST_F(FrequencyListModelTest, NonAsciiRemarksComeThroughAsUnicode) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Tx", "Exist", "S\xC3\xA4gewerk \xE2\x82\xAC")));
    EXPECT_EQ(Text(0, ColRemarks), QString::fromUtf8("Sägewerk €"));
}

TEST_F(FrequencyListModelTest, NumericColumnsAreRightAligned) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    auto alignment = [&](int column) {
        return Qt::Alignment(model.data(model.index(0, column), Qt::TextAlignmentRole).toInt()) &
               Qt::AlignHorizontal_Mask;
    };
    for (int column : {ColId, ColFrequency, ColOffset, ColTxBandwidth, ColRxBandwidth}) {
        EXPECT_EQ(alignment(column), Qt::AlignRight) << column;
    }
    for (int column : {ColTxRx, ColStatus, ColRemarks}) {
        EXPECT_EQ(alignment(column), Qt::AlignLeft) << column;
    }
}

TEST_F(FrequencyListModelTest, FirstColumnCarriesTheUserCheckableCheckMark) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    EXPECT_TRUE(model.flags(model.index(0, ColId)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.index(0, ColFrequency)) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(model.data(model.index(0, ColId), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_FALSE(model.data(model.index(0, ColFrequency), Qt::CheckStateRole).isValid());
}

TEST_F(FrequencyListModelTest, UncheckingChangesTheDocumentAndMarksResultsStale) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    ASSERT_TRUE(list.AddEntry(Fields("175", "0", "Both")));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    ASSERT_TRUE(model.setData(model.index(1, ColId), Qt::Unchecked, Qt::CheckStateRole));

    EXPECT_TRUE(list.entry(0).checked);
    EXPECT_FALSE(list.entry(1).checked);
    EXPECT_EQ(recalculations, 1);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toModelIndex().row(), 1);
    EXPECT_EQ(model.data(model.index(1, ColId), Qt::CheckStateRole).toInt(), Qt::Unchecked);

    ASSERT_TRUE(model.setData(model.index(1, ColId), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.entry(1).checked);
    EXPECT_EQ(recalculations, 2);
}

TEST_F(FrequencyListModelTest, TextsCannotBeEditedThroughTheModel) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    EXPECT_FALSE(model.setData(model.index(0, ColRemarks), QStringLiteral("x"), Qt::EditRole));
    EXPECT_FALSE(model.flags(model.index(0, ColRemarks)) & Qt::ItemIsEditable);
    EXPECT_EQ(recalculations, 0);
}

TEST_F(FrequencyListModelTest, VictimMarkShowsColourWithRedInTheLowByteAndBold) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Rx")));
    ASSERT_TRUE(list.AddEntry(Fields("175", "0", "Rx")));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    VictimMark red;
    red.tag = 3;
    red.colour = 0x0000FF;
    red.bold = true;
    red.ghosted = true;
    list.SetVictimMark(0, red);
    VictimMark blue = red;
    blue.tag = 2;
    blue.colour = 0xFF0000;
    list.SetVictimMark(1, blue);

    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(model.data(model.index(0, ColFrequency), Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    EXPECT_EQ(model.data(model.index(1, ColRemarks), Qt::ForegroundRole).value<QColor>(),
              QColor(0, 0, 255));
    EXPECT_TRUE(model.data(model.index(0, ColFrequency), Qt::FontRole).value<QFont>().bold());
}

TEST_F(FrequencyListModelTest, ClearedMarkShowsTheDefaultLook) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Rx")));
    VictimMark mark;
    mark.colour = 0x00FF00;
    mark.bold = true;
    list.SetVictimMark(0, mark);
    list.SetVictimMark(0, VictimMark{});
    EXPECT_FALSE(model.data(model.index(0, ColFrequency), Qt::ForegroundRole).isValid());
    EXPECT_FALSE(model.data(model.index(0, ColFrequency), Qt::FontRole).isValid());
}

TEST_F(FrequencyListModelTest, GhostedRowWithoutColourIsGrey) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Rx")));
    VictimMark mark;
    mark.ghosted = true;
    list.SetVictimMark(0, mark);
    EXPECT_EQ(model.data(model.index(0, ColFrequency), Qt::ForegroundRole).value<QColor>(),
              QColor(Qt::gray));
}

TEST_F(FrequencyListModelTest, RemovingAllEntriesResetsTheModel) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    ASSERT_TRUE(list.AddEntry(Fields("175", "0", "Both")));
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    list.RemoveAllEntries();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(FrequencyListModelTest, DeletingAndSortingShowTheNewOrder) {
    ASSERT_TRUE(list.AddEntry(Fields("176", "0", "Both", "Exist", "c")));
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Both", "Exist", "a")));
    ASSERT_TRUE(list.AddEntry(Fields("175", "0", "Both", "Exist", "b")));

    list.SortByColumn(ColFrequency); // the first sort is descending
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(Text(0, ColRemarks), QStringLiteral("c"));
    EXPECT_EQ(Text(2, ColRemarks), QStringLiteral("a"));
    list.SortByColumn(ColFrequency);
    EXPECT_EQ(Text(0, ColRemarks), QStringLiteral("a"));
    EXPECT_EQ(Text(2, ColRemarks), QStringLiteral("c"));

    list.SetSelected(1, true);
    list.SetCurrentRow(1);
    list.deletedata();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(Text(0, ColId), QStringLiteral("1"));
    EXPECT_EQ(Text(1, ColId), QStringLiteral("2"));
    EXPECT_EQ(Text(1, ColRemarks), QStringLiteral("c"));
}

TEST_F(FrequencyListModelTest, SelectionNotificationsReachTheWindow) {
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    ASSERT_TRUE(list.AddEntry(Fields("175", "0", "Both")));
    QSignalSpy rowChanged(&model, &FrequencyListModel::documentRowChanged);
    QSignalSpy manyChanged(&model, &FrequencyListModel::documentSelectionChanged);

    list.SetSelected(1, true);
    ASSERT_EQ(rowChanged.count(), 1);
    EXPECT_EQ(rowChanged.at(0).at(0).toInt(), 1);

    list.InvertSelection();
    EXPECT_EQ(manyChanged.count(), 1);
}

TEST_F(FrequencyListModelTest, HeaderChangesAreAnnounced) {
    QSignalSpy state(&model, &FrequencyListModel::documentStateChanged);
    list.SetSiteName("North Ridge");
    EXPECT_EQ(state.count(), 1);
}

TEST_F(FrequencyListModelTest, GermanLocaleTextsShowDecimalCommas) {
    FrequencyList german(Locale::German(), messages);
    FrequencyListModel germanModel(german);
    QAbstractItemModelTester germanTester(&germanModel,
                                          QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_TRUE(german.AddEntry(Fields("1234,5", "-12,5", "Tx")));
    EXPECT_EQ(germanModel.data(germanModel.index(0, ColFrequency)).toString(),
              QStringLiteral("    1.234,50000"));
    EXPECT_EQ(germanModel.data(germanModel.index(0, ColOffset)).toString(),
              QStringLiteral("-12,50"));
}

TEST_F(FrequencyListModelTest, ManyEntriesStayConsistent) {
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(list.AddEntry(Fields(std::to_string(100 + i), "0", "Both")));
    }
    EXPECT_EQ(model.rowCount(), 300);
    EXPECT_EQ(Text(299, ColId), QStringLiteral("300"));
    EXPECT_EQ(Text(8, ColId), QStringLiteral(" 9"));
}

TEST_F(FrequencyListModelTest, ModelLetsGoOfTheDocumentWhenDestroyed) {
    { FrequencyListModel second(list); }
    // A destroyed model that stayed registered would be called here.
    EXPECT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    EXPECT_EQ(model.rowCount(), 1);
}

} // namespace
} // namespace spurline
