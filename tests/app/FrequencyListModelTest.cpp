#include "app/FrequencyListModel.h"

#include "support/ListEvents.h"

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
    FrequencyListModelTest() {}
    void TearDown() override {
        EXPECT_TRUE(WarningCollector::warnings().isEmpty())
            << WarningCollector::warnings().join(QLatin1Char('\n')).toStdString();
    }

    QString Text(int row, int column) const {
        return model.data(model.index(row, column), Qt::DisplayRole).toString();
    }

    WarningCollector collector;
    FrequencyList list{Locale::English()};
    FrequencyListModel model{list};
    QAbstractItemModelTester tester{&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning};
    testing::ListEvents events{list};
};

// The texts themselves are the document's; the model shows them, aligned, with one check column.
// Checking, sorting, deleting and selecting are driven through the window's list.
TEST_F(FrequencyListModelTest, RowsShowTheDisplayTextsAligned) {
    ASSERT_EQ(model.columnCount(), 8);
    EXPECT_EQ(model.headerData(ColRxBandwidth, Qt::Horizontal).toString(), "Rx BW (kHz)");
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    ASSERT_TRUE(
        list.AddEntry(Fields("174", "4600", "Both", "Exist", "S\xC3\xA4gewerk \xE2\x82\xAC")));
    ASSERT_TRUE(list.AddEntry(Fields("165.25", "0", "rx", "plan")));
    EXPECT_EQ(inserted.count(), 2);
    ASSERT_EQ(model.rowCount(), 2);
    const QStringList first{
        " 1",   "      174.00000", "+4,600.00", "12.50",
        "Both", "Exist",           "25.00",     QString::fromUtf8("Sägewerk €")};
    for (int column = 0; column < 8; ++column) {
        EXPECT_EQ(Text(0, column), first[column]);
        const auto alignment =
            Qt::Alignment(model.data(model.index(0, column), Qt::TextAlignmentRole).toInt()) &
            Qt::AlignHorizontal_Mask;
        const bool numeric = column != ColTxRx && column != ColStatus && column != ColRemarks;
        EXPECT_EQ(alignment, numeric ? Qt::AlignRight : Qt::AlignLeft) << column;
        // Only the first column carries the check mark; no text can be edited.
        EXPECT_EQ(bool(model.flags(model.index(0, column)) & Qt::ItemIsUserCheckable),
                  column == ColId);
        EXPECT_EQ(model.data(model.index(0, column), Qt::CheckStateRole).isValid(),
                  column == ColId);
        EXPECT_FALSE(model.flags(model.index(0, column)) & Qt::ItemIsEditable);
    }
    EXPECT_EQ(Text(1, ColTxBandwidth), QStringLiteral("N/A"));
    EXPECT_FALSE(model.setData(model.index(0, ColRemarks), QStringLiteral("x"), Qt::EditRole));
    EXPECT_EQ(events.recalculations, 0);
}

TEST_F(FrequencyListModelTest, VictimMarksShowColourWithRedInTheLowByteBoldOrGrey) {
    struct Case {
        std::uint32_t colour;
        bool bold, ghosted;
        QVariant foreground; // invalid: the default look
    };
    const Case cases[] = {{0x0000FF, true, true, QColor(255, 0, 0)},
                          {0xFF0000, true, false, QColor(0, 0, 255)},
                          {0, false, true, QColor(Qt::gray)},
                          {0, false, false, QVariant()}};
    ASSERT_TRUE(list.AddEntry(Fields("174", "0", "Rx")));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        list.SetVictimMark(0, VictimMark{c.colour ? 3 : 0, c.colour, c.bold, c.ghosted, 0});
        for (int column : {ColFrequency, ColRemarks}) {
            const QModelIndex index = model.index(0, column);
            EXPECT_EQ(index.data(Qt::ForegroundRole).value<QColor>(), c.foreground.value<QColor>());
            EXPECT_EQ(index.data(Qt::ForegroundRole).isValid(), c.foreground.isValid());
            EXPECT_TRUE(c.foreground.isValid() || !index.data(Qt::FontRole).isValid());
            EXPECT_EQ(index.data(Qt::FontRole).value<QFont>().bold(), c.bold);
        }
    }
    EXPECT_EQ(changed.count(), 4);
}

TEST_F(FrequencyListModelTest, ModelLetsGoOfTheDocumentWhenDestroyed) {
    { FrequencyListModel second(list); }
    // A destroyed model that stayed registered would be called here.
    EXPECT_TRUE(list.AddEntry(Fields("174", "0", "Both")));
    EXPECT_EQ(model.rowCount(), 1);
}

} // namespace
} // namespace spurline
